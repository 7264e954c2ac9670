#include "people/person_import.h"

#include <unicode/numberformatter.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdint>
#include <limits>
#include <optional>
#include <unordered_map>
#include <unordered_set>

#include "core/dates.h"
#include "core/letter_folding.h"
#include "people/database_file.h"
#include "people/record_file.h"

namespace {

constexpr int MostPersons = std::numeric_limits<std::int16_t>::max();
// The data rows the guesses look at: enough to see the day-first dates of a month's end, few
// enough that a preview comes at once.
constexpr size_t GuessSample = 200;

std::string Trimmed(std::string_view text) {
  const size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return std::string(text.substr(first, text.find_last_not_of(" \t") - first + 1));
}

std::string Cell(const CsvRecord& record, int column) {
  if (column < 0 || static_cast<size_t>(column) >= record.fields.size()) return {};
  return Trimmed(record.fields[static_cast<size_t>(column)]);
}

bool HoldsNothing(const CsvRecord& record) {
  return std::all_of(record.fields.begin(), record.fields.end(),
                     [](const std::string& field) { return Trimmed(field).empty(); });
}

// ----- Dates as the file writes them

// The date written month/day/year, as the program's date reader takes it, when the text is
// three runs of digits with the same separator between them, in that order, perhaps followed by
// a time of day as databases write it ("1990-03-31 00:00:00"); empty otherwise. The reader
// then checks how many digits each part has and that the day exists.
std::string MonthFirst(std::string_view text, DateOrder order) {
  std::array<std::string_view, 3> parts;
  char separator = 0;
  size_t at = 0;
  for (size_t k = 0; k < parts.size(); ++k) {
    const size_t end = std::min(text.find_first_not_of("0123456789", at), text.size());
    parts[k] = text.substr(at, end - at);
    if (parts[k].empty()) return {};
    at = end;
    if (k == 2) break;
    if (at == text.size() || (separator != 0 && text[at] != separator)) return {};
    separator = text[at++];
  }
  if (separator != '/' && separator != '-' && separator != '.') return {};
  const std::string_view rest = text.substr(at);
  const bool timeOfDay = !rest.empty() && (rest[0] == ' ' || rest[0] == 'T') &&
                         rest.find_first_not_of("0123456789:.", 1) == std::string_view::npos;
  if (!rest.empty() && !timeOfDay) return {};
  const auto [m, d, y] = order == DateOrder::MonthDayYear   ? std::array{parts[0], parts[1], parts[2]}
                         : order == DateOrder::DayMonthYear ? std::array{parts[1], parts[0], parts[2]}
                                                            : std::array{parts[1], parts[2], parts[0]};
  return std::string(m) + "/" + std::string(d) + "/" + std::string(y);
}

bool ReadsAsDate(const std::string& text, DateOrder order) {
  return ReadDate(MonthFirst(text, order)).has_value();
}

// A row's date of birth: as the file shows it, for the skip report, and written month first.
struct Birth {
  std::string shown;
  std::string monthFirst;
  std::string missing;  // why there is no date to read at all
};

Birth BirthOf(const CsvRecord& record, const DateColumns& date) {
  if (date.whole >= 0) {
    const std::string text = Cell(record, date.whole);
    return {text, MonthFirst(text, date.order), text.empty() ? "no date of birth" : ""};
  }
  const std::string y = Cell(record, date.year), m = Cell(record, date.month), d = Cell(record, date.day);
  Birth birth{y + "-" + m + "-" + d, m + "/" + d + "/" + y, ""};
  if (y.empty() && m.empty() && d.empty()) {
    birth = {"", "", "no date of birth"};
  } else if (y.empty() || m.empty() || d.empty()) {
    birth.missing = std::string("the date of birth has no ") + (y.empty() ? "year" : m.empty() ? "month" : "day");
  }
  return birth;
}

// ----- Guesses

enum class Heading { None, Name, Last, First, Date, Year, Month, Day };

// A heading in lower-case plain letters alone, without what it says in brackets: "Date of
// Birth", "DATE_OF_BIRTH" and "Date of birth (mm/dd/yyyy)" alike.
std::string HeadingKey(const std::string& field) {
  std::string key;
  for (const char c : FoldToPlainLetters(field.substr(0, field.find_first_of("([")))) {
    if (std::isalpha(static_cast<unsigned char>(c))) key += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  }
  return key;
}

// The whole heading must be one of these: a name that merely begins like one ("Dobson",
// "Yearwood") is a person's.
Heading HeadingOf(const std::string& field) {
  static const std::unordered_map<std::string, Heading> words = {
      {"name", Heading::Name},         {"fullname", Heading::Name},      {"player", Heading::Name},
      {"playername", Heading::Name},   {"person", Heading::Name},        {"lastname", Heading::Last},
      {"last", Heading::Last},         {"surname", Heading::Last},       {"familyname", Heading::Last},
      {"firstname", Heading::First},   {"first", Heading::First},        {"givenname", Heading::First},
      {"forename", Heading::First},    {"dateofbirth", Heading::Date},   {"birthdate", Heading::Date},
      {"birthday", Heading::Date},     {"dob", Heading::Date},           {"born", Heading::Date},
      {"date", Heading::Date},         {"yearofbirth", Heading::Year},   {"birthyear", Heading::Year},
      {"year", Heading::Year},         {"monthofbirth", Heading::Month}, {"birthmonth", Heading::Month},
      {"month", Heading::Month},       {"dayofbirth", Heading::Day},     {"day", Heading::Day},
  };
  const auto found = words.find(HeadingKey(field));
  return found == words.end() ? Heading::None : found->second;
}

// The first column of each kind the headings name.
struct Named {
  std::array<int, 8> column;
  explicit Named(const CsvRecord& headings) {
    column.fill(-1);
    for (size_t k = headings.fields.size(); k-- > 0;) {
      column[static_cast<size_t>(HeadingOf(headings.fields[k]))] = static_cast<int>(k);
    }
  }
  int operator[](Heading heading) const { return column[static_cast<size_t>(heading)]; }
  bool Any() const {
    return std::any_of(column.begin() + 1, column.end(), [](int c) { return c >= 0; });
  }
};

using Sample = std::vector<const CsvRecord*>;

size_t Count(const Sample& rows, int column, bool (*fits)(const std::string&)) {
  return static_cast<size_t>(
      std::count_if(rows.begin(), rows.end(), [&](const CsvRecord* row) { return fits(Cell(*row, column)); }));
}

size_t CountDates(const Sample& rows, int column, DateOrder order) {
  return static_cast<size_t>(std::count_if(rows.begin(), rows.end(),
                                           [&](const CsvRecord* row) { return ReadsAsDate(Cell(*row, column), order); }));
}

constexpr DateOrder Orders[] = {DateOrder::MonthDayYear, DateOrder::DayMonthYear, DateOrder::YearMonthDay};

bool ReadsAsAnyDate(const std::string& text) {
  return std::any_of(std::begin(Orders), std::end(Orders), [&](DateOrder order) { return ReadsAsDate(text, order); });
}

bool HoldsLetter(const std::string& text) {
  // Bytes beyond ASCII are the letters with accents of a UTF-8 name.
  return std::any_of(text.begin(), text.end(), [](char c) {
    return std::isalpha(static_cast<unsigned char>(c)) || static_cast<unsigned char>(c) >= 0x80;
  });
}

bool HoldsDigit(const std::string& text) {
  return std::any_of(text.begin(), text.end(), [](char c) { return std::isdigit(static_cast<unsigned char>(c)); });
}

// The order that reads the most of the sample's dates; the program's own, month first, when
// the data cannot tell.
DateOrder GuessOrder(const Sample& rows, int column) {
  DateOrder best = DateOrder::MonthDayYear;
  size_t most = 0;
  for (const DateOrder order : Orders) {
    const size_t read = CountDates(rows, column, order);
    if (read > most) {
      best = order;
      most = read;
    }
  }
  return best;
}

// The column that reads as dates in the most rows; none when no row does.
int GuessDateColumn(const Sample& rows, size_t columns) {
  int best = -1;
  size_t most = 0;
  for (size_t column = 0; column < columns; ++column) {
    const size_t read = Count(rows, static_cast<int>(column), ReadsAsAnyDate);
    if (read > most) {
      best = static_cast<int>(column);
      most = read;
    }
  }
  return best;
}

// The first column holding letters in most rows that is not the date's.
int GuessNameColumn(const Sample& rows, size_t columns, int dateColumn) {
  for (size_t column = 0; column < columns; ++column) {
    if (static_cast<int>(column) != dateColumn && 2 * Count(rows, static_cast<int>(column), HoldsLetter) > rows.size()) {
      return static_cast<int>(column);
    }
  }
  return -1;
}

Sample SampleOf(const std::vector<CsvRecord>& records, bool header) {
  Sample rows;
  for (size_t k = header ? 1 : 0; k < records.size() && rows.size() < GuessSample; ++k) {
    if (!HoldsNothing(records[k])) rows.push_back(&records[k]);
  }
  return rows;
}

// ----- The plan

std::string Key(const Person& person) { return person.Name + '\n' + person.Dob; }

std::string RowName(const CsvRecord& record, const NameColumns& name) {
  if (name.whole >= 0) return Cell(record, name.whole);
  const std::string last = Cell(record, name.last), first = Cell(record, name.first);
  return last.empty() || first.empty() ? last + first : last + " " + first;
}

// Why the row gives no person the details dialog would accept; empty when it gives one.
std::string Fault(const GLOBAL& g, const CsvRecord& record, const ImportChoices& choices,
                  const std::string& today, Person& person) {
  const std::string name = RowName(record, choices.name);
  const Birth birth = BirthOf(record, choices.date);
  const bool kept = MakePerson(name, birth.monthFirst, person);
  if (name.empty()) return "no name";
  std::string dob = birth.monthFirst;
  const bool dated = birth.missing.empty() && DatesFault(g, person.Name, dob, today).empty();
  // A date that is refused is shown as the file has it, not as the date reader was handed it.
  if (!dated) person.Dob = birth.shown;
  if (!birth.missing.empty()) return birth.missing;
  if (!dated) return ReadDate(dob) ? "born after today (" + birth.shown + ")" : birth.shown + " is not a valid date";
  if (!kept) return "\"" + name + "\" holds no plain letter (A to Z), digit or sign";
  return "";
}

std::string Grouped(int number) {
  UErrorCode status = U_ZERO_ERROR;
  std::string text;
  icu::number::NumberFormatter::withLocale(icu::Locale::getUS()).formatInt(number, status).toString(status).toUTF8String(text);
  return U_SUCCESS(status) ? text : std::to_string(number);
}

std::string Counted(int number, const char* one, const char* many) {
  return Grouped(number) + " " + (number == 1 ? one : many);
}

}  // namespace

ImportTable ReadImportTable(std::string_view bytes, TextEncoding encoding, char separator) {
  ImportTable table;
  if (bytes.size() > LargestImportFile) {
    table.tooLarge = true;
    return table;
  }
  DecodedText decoded = DecodeText(bytes, encoding);
  table.encoding = decoded.encoding;
  table.separator = separator != 0 ? separator : GuessSeparator(decoded.text);
  table.records = ReadCsv(decoded.text, table.separator);
  return table;
}

ImportChoices GuessChoices(const std::vector<CsvRecord>& records) {
  ImportChoices choices;
  if (records.empty()) return choices;
  const CsvRecord& first = records.front();
  const Named named(first);
  const size_t columns = ColumnCount(records);
  // A first row holding a date is a person (one named "Day", say). Otherwise it names the
  // columns when a heading says what a column holds, or when, where the rows after it have
  // their dates, it holds a text without a digit ("Geburtsdatum").
  const Sample afterFirst = SampleOf(records, true);
  const int dataDate = GuessDateColumn(afterFirst, columns);
  const std::string firstDate = Cell(first, dataDate);
  const bool holdsDate = std::any_of(first.fields.begin(), first.fields.end(), ReadsAsAnyDate);
  choices.header = !holdsDate && (named.Any() || (!firstDate.empty() && !HoldsDigit(firstDate)));
  const Sample rows = choices.header ? afterFirst : SampleOf(records, false);

  DateColumns& date = choices.date;
  if (named[Heading::Year] >= 0 && named[Heading::Month] >= 0 && named[Heading::Day] >= 0) {
    date.year = named[Heading::Year];
    date.month = named[Heading::Month];
    date.day = named[Heading::Day];
  } else {
    date.whole = named[Heading::Date] >= 0 ? named[Heading::Date] : GuessDateColumn(rows, columns);
    if (date.whole >= 0) date.order = GuessOrder(rows, date.whole);
  }

  NameColumns& name = choices.name;
  if (named[Heading::Last] >= 0 && named[Heading::First] >= 0) {
    name.last = named[Heading::Last];
    name.first = named[Heading::First];
  } else {
    for (const Heading heading : {Heading::Name, Heading::Last, Heading::First}) {
      if (name.whole < 0) name.whole = named[heading];
    }
    if (name.whole < 0) name.whole = GuessNameColumn(rows, columns, date.whole);
  }
  return choices;
}

ImportPlan PlanImport(const GLOBAL& g, const std::vector<CsvRecord>& records, const ImportChoices& choices,
                      const PeopleDatabase& database) {
  std::unordered_set<std::string> stored;
  for (int k = 0; k < database.Count; ++k) stored.insert(Key(database.Persons[static_cast<size_t>(k)]));
  std::unordered_map<std::string, int> imported;  // each person added, with the line it came from
  const std::string today = TodayText(g);
  const int room = MostPersons - database.Count;

  ImportPlan plan;
  for (size_t k = choices.header ? 1 : 0; k < records.size(); ++k) {
    const CsvRecord& record = records[k];
    if (HoldsNothing(record)) continue;
    ImportRow row;
    row.line = record.line;
    row.reason = Fault(g, record, choices, today, row.person);
    if (row.reason.empty()) {
      const std::string key = Key(row.person);
      if (stored.contains(key)) {
        row.reason = "already in the database";
      } else if (const auto earlier = imported.find(key); earlier != imported.end()) {
        row.reason = "already imported from line " + std::to_string(earlier->second);
      } else if (plan.added == room) {
        row.reason = "the database is full";
        ++plan.full;
      } else {
        imported.emplace(key, row.line);
      }
    }
    ++(row.reason.empty() ? plan.added : plan.skipped);
    plan.rows.push_back(std::move(row));
  }
  return plan;
}

int ApplyImport(const ImportPlan& plan, PeopleDatabase& database) {
  int added = 0;
  for (const ImportRow& row : plan.rows) {
    if (row.reason.empty() && AddPerson(row.person.Name, row.person.Dob, database)) ++added;
  }
  return added;
}

size_t ColumnCount(const std::vector<CsvRecord>& records) {
  size_t columns = 0;
  for (const CsvRecord& record : records) columns = std::max(columns, record.fields.size());
  return columns;
}

std::string ImportSummary(const ImportPlan& plan, bool before) {
  std::string summary = Counted(plan.added, before ? "person will be added" : "person added",
                                before ? "people will be added" : "people added") + ", " +
                        Counted(plan.skipped, "row skipped", "rows skipped");
  if (plan.full > 0) {
    summary += ", " + Grouped(plan.full) + " of them because a database holds at most " +
               Grouped(MostPersons) + " people";
  }
  return summary;
}
