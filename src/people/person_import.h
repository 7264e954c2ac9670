// People added to a database from a table another program saved as CSV: the file read into
// records, a guess of the columns that give the name and the date of birth which the user can
// change, and the plan of what those choices add and what they skip, and why, before anything
// changes.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/globals.h"
#include "core/text_decoding.h"
#include "people/csv_reader.h"

// A file larger than this holds far more than the 32,767 persons a database can: it is not read.
inline constexpr size_t LargestImportFile = size_t{64} << 20;

// The file as records, with the encoding and separator it was read in.
struct ImportTable {
  bool tooLarge = false;  // larger than LargestImportFile: nothing read
  TextEncoding encoding = TextEncoding::Utf8;
  char separator = ',';
  std::vector<CsvRecord> records;
};

// Reads the file's bytes; the encoding and the separator are guessed unless given (0: guess).
ImportTable ReadImportTable(std::string_view bytes, TextEncoding encoding = TextEncoding::Guess,
                            char separator = 0);

enum class DateOrder { MonthDayYear, DayMonthYear, YearMonthDay };

// Columns are counted from 0; -1 is none.
struct NameColumns {
  int whole = -1;  // one column holding the whole name, as written there
  // Or two, whichever order the file has them in; stored last name first.
  int last = -1;
  int first = -1;
};

struct DateColumns {
  int whole = -1;  // one column holding the date, in this order
  DateOrder order = DateOrder::MonthDayYear;
  // Or three.
  int year = -1;
  int month = -1;
  int day = -1;
};

struct ImportChoices {
  bool header = false;  // the first record names the columns and is no person
  NameColumns name;
  DateColumns date;
};

// What the headings say, else what the data looks like: a column named "Name", "Player" or
// "Full name", or two named for the last and first names; a date column whose order the data
// tells (a first part above 12 is the day; four digits first is year-month-day), or three named
// "Year", "Month" and "Day". Without headings: the column that reads as dates the most, and the
// first other column holding letters for the name.
ImportChoices GuessChoices(const std::vector<CsvRecord>& records);

// One record of the file and what becomes of it.
struct ImportRow {
  int line = 0;        // where the record starts in the file
  Person person;       // the name and date of birth read, as the database would keep them
  std::string reason;  // why the row is skipped; empty when the person is added
};

struct ImportPlan {
  std::vector<ImportRow> rows;  // every record but the header and those holding nothing, in file order
  int added = 0;
  int skipped = 0;
  int full = 0;  // of the skipped, those left out because the database would pass 32,767 persons
};

// What importing the records with these choices would add to the database and what it would
// skip: rows without a usable name or with a date of birth the details dialog would refuse,
// persons already in the database or earlier in the file (same name and date of birth), and
// what no longer fits.
ImportPlan PlanImport(const GLOBAL& g, const std::vector<CsvRecord>& records,
                      const ImportChoices& choices, const PeopleDatabase& database);

// Appends the plan's persons, cleaned as every added person is, and marks the database
// modified; the persons already there stay as they are. Gives how many were added.
int ApplyImport(const ImportPlan& plan, PeopleDatabase& database);

// "1,234 people added, 56 rows skipped", saying how many did not fit when some did not; before
// the import, "1,234 people will be added, 56 rows skipped".
std::string ImportSummary(const ImportPlan& plan, bool before = false);

// The most fields a record has.
size_t ColumnCount(const std::vector<CsvRecord>& records);
