// Tables other programs saved as CSV: records of fields split at a separator, quoted fields
// holding separators, doubled quotes and line breaks, lines ended by CR LF, LF or CR.
#pragma once

#include <string>
#include <string_view>
#include <vector>

struct CsvRecord {
  int line = 0;  // the line of the file the record starts on, from 1
  std::vector<std::string> fields;
};

// The separators a spreadsheet saves with.
inline constexpr char CsvSeparators[] = {',', ';', '\t'};

// The records of the text, at most `most` of them (0: all). Blanks around a field that is not
// quoted are dropped; a line holding nothing is no record. A quote left open runs to the end.
std::vector<CsvRecord> ReadCsv(std::string_view text, char separator, size_t most = 0);

// The separator that splits the first records of the text into the same number of fields, more
// than one; a comma when none does.
char GuessSeparator(std::string_view text);
