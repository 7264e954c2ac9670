#include "people/database_export.h"

#include "core/csv.h"

std::string DatabaseCsv(const PeopleDatabase& database) {
  std::vector<CsvRow> rows{{"Name", "Date of birth"}};
  for (int k = 0; k < database.Count; ++k) {
    const Person& person = database.Persons[static_cast<size_t>(k)];
    const auto date = ReadDate(person.Dob);
    rows.push_back({person.Name, date ? WriteIsoDate(*date) : person.Dob});
  }
  return CsvText(rows);
}
