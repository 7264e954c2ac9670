// Tables written for spreadsheets and other programs: comma-separated values, the first row the
// headings, in UTF-8 with CR LF line ends. A field holding a comma, a double quote or a line
// break, or a blank at either end, is quoted, its quotes doubled; any other field is written as
// it is.
#pragma once

#include <string>
#include <vector>

using CsvRow = std::vector<std::string>;

// The rows, in the program's text, as the file holds them.
std::string CsvText(const std::vector<CsvRow>& rows);
