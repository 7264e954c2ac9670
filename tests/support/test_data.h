// A data folder of the test's own: a fresh temporary folder, optionally holding the shipped
// data files, removed when the test ends.
#pragma once

#include <string>
#include <vector>

class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::string& path() const { return path_; }
  // Copies the shipped cycle tables and descriptions (and, if asked, the sample people and
  // teams) into the folder.
  void AddShippedData(bool samples = false) const;
  void Write(const std::string& name, const std::string& contents) const;
  std::string Read(const std::string& name) const;
  bool Has(const std::string& name) const;
  // The names the folder holds, as stored, sorted.
  std::vector<std::string> Names() const;
  void Remove(const std::string& name) const;

 private:
  std::string path_;
};

// Many made-up persons, P0, P1 and on, all born on the date: as the lines of a file, and as the
// "NAME|date" entries a test compares a loaded list with.
std::string NumberedPersonLines(int count, const std::string& dob);
std::vector<std::string> NumberedPersonEntries(int count, const std::string& dob);

// A spreadsheet's people, as a CSV file with a header, semicolons and CR LF: a quoted name with a
// comma and accented letters every fourth row, dates day first, no two rows the same.
std::string SpreadsheetPeople(int rows);
