#include "support/test_data.h"

#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace fs = std::filesystem;

TempFolder::TempFolder() {
  std::string pattern = (fs::temp_directory_path() / "ondulix-test-XXXXXX").string();
  if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot make a temporary folder");
  path_ = pattern;
}

TempFolder::~TempFolder() {
  std::error_code error;
  fs::remove_all(path_, error);
}

void TempFolder::AddShippedData(bool samples) const {
  for (const auto& entry : fs::directory_iterator(ONDULIX_DATA)) {
    const std::string ext = entry.path().extension().string();
    const bool sample = ext == ".BDB" || ext == ".BTM";
    if (!sample || samples) fs::copy_file(entry.path(), fs::path(path_) / entry.path().filename());
  }
}

void TempFolder::Write(const std::string& name, const std::string& contents) const {
  std::ofstream(fs::path(path_) / name, std::ios::binary) << contents;
}

std::string TempFolder::Read(const std::string& name) const {
  std::ifstream in(fs::path(path_) / name, std::ios::binary);
  std::ostringstream contents;
  contents << in.rdbuf();
  return contents.str();
}

bool TempFolder::Has(const std::string& name) const { return fs::exists(fs::path(path_) / name); }

std::vector<std::string> TempFolder::Names() const {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(path_)) names.push_back(entry.path().filename());
  std::sort(names.begin(), names.end());
  return names;
}

void TempFolder::Remove(const std::string& name) const { fs::remove(fs::path(path_) / name); }

namespace {

// The letter goes before the number as a character: GCC 12 sees a false overlap in a one-letter
// text put before another (a -Wrestrict false alarm in optimised builds).
std::string NumberedName(int k) { return 'P' + std::to_string(k); }

}  // namespace

std::string NumberedPersonLines(int count, const std::string& dob) {
  std::string lines;
  for (int k = 0; k < count; ++k) lines += NumberedName(k) + "\r\n" + dob + "\r\n";
  return lines;
}

std::vector<std::string> NumberedPersonEntries(int count, const std::string& dob) {
  std::vector<std::string> entries;
  for (int k = 0; k < count; ++k) entries.push_back(NumberedName(k) + "|" + dob);
  return entries;
}

std::string SpreadsheetPeople(int rows) {
  std::string csv = "Name;Date of birth\r\n";
  for (int k = 0; k < rows; ++k) {
    const std::string number = std::to_string(k);
    csv.append(k % 4 ? "Smith Ann " : "\"N\xC3\xBA\xC3\xB1" "ez, Jos\xC3\xA9 ").append(number);
    if (k % 4 == 0) csv += '"';
    csv.append(";").append(std::to_string(k % 28 + 1)).append(".").append(std::to_string(k % 12 + 1));
    csv.append(".").append(std::to_string(1940 + k % 60)).append("\r\n");
  }
  return csv;
}
