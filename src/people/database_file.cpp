#include "people/database_file.h"

#include <algorithm>
#include <cctype>
#include <limits>

#include "core/field_reader.h"
#include "core/file_names.h"
#include "people/record_file.h"
#include "platform/calendar.h"
#include "platform/dialogs.h"
#include "platform/files.h"

// Works on its own copy in place: a database load cleans every name it reads.
std::string CleanName(std::string name) {
  std::erase(name, ',');
  const size_t first = name.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  name.resize(name.find_last_not_of(' ') + 1);
  name.erase(0, first);
  std::erase_if(name, [](unsigned char c) { return c < 32 || c > 95; });
  return name;
}

namespace {

// Already "mm/dd/yyyy" in shape: reformatting gives the same text, date or not, so a loaded
// file's dates need not be read and written again.
bool WrittenAsDate(const std::string& text) {
  if (text.size() != 10 || text[2] != '/' || text[5] != '/') return false;
  return std::all_of(text.begin(), text.end(),
                     [](char c) { return c == '/' || (c >= '0' && c <= '9'); });
}

}  // namespace

std::string ReformatDate(const std::string& dob) {
  if (WrittenAsDate(dob)) return dob;
  const auto date = ReadDate(dob);
  return date ? WriteDate(*date) : dob;
}

std::string PersonListEntry(const Person& person) {
  std::string entry = person.Name.substr(0, 21);
  entry.resize(24, ' ');
  return entry + person.Dob;
}

bool AddPerson(std::string name, std::string dob, PeopleDatabase& database) {
  Person person;
  if (database.Count == std::numeric_limits<std::int16_t>::max() ||
      !MakePerson(std::move(name), std::move(dob), person)) {
    return false;
  }
  database.Persons.resize(static_cast<size_t>(database.Count));
  database.Persons.push_back(std::move(person));
  ++database.Count;
  database.Modified = true;
  return true;
}

bool LoadDatabase(GLOBAL& g, const std::string& fileName, PeopleDatabase& database) {
  database.Count = 0;
  database.FileName = DatabaseFileName(fileName);
  database.Modified = false;
  if (fileName.empty()) return false;
  const auto text = SafeFileName(database.FileName) ? files::Read(g.DataFolder, database.FileName)
                                                    : std::nullopt;
  bool loaded = text.has_value();
  if (loaded) {
    FieldReader reader(*text);
    loaded = ReadPairs(reader, [&](std::string& name, std::string& dob) {
      if (AddPerson(std::move(name), std::move(dob), database)) return PairResult::Added;
      // A name that cleans to nothing is passed over; a full database is a failed load.
      return database.Count == std::numeric_limits<std::int16_t>::max() ? PairResult::Fail
                                                                        : PairResult::Passed;
    });
  }
  database.Modified = false;
  if (!loaded) g.platform.dialogs.Error("Error loading database : " + DatabasePath(g, fileName), "Database Error");
  return loaded;
}

bool SaveDatabase(GLOBAL& g, const std::string& fileName, PeopleDatabase& database) {
  database.FileName = DatabaseFileName(fileName);
  database.Modified = false;
  const bool saved =
      NameFault(FileKind::Database, database.FileName).empty() &&
      files::Replace(g.DataFolder, database.FileName,
                     RecordLines(database.Persons.data(), database.Count));
  if (!saved) g.platform.dialogs.Error("Error saving database : " + DatabasePath(g, fileName), "Database Error");
  return saved;
}
