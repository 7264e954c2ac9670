// What every export shares: the user picks the file anywhere, the program writes it by the one
// safe way and says where it wrote it, or why it could not.
#pragma once

#include <string>

#include "core/globals.h"

inline constexpr const char* CsvFiles = "CSV files (*.csv)";
inline constexpr const char* CalendarFiles = "iCalendar files (*.ics)";

// Asks for the file under the title, offering the suggested name (a "/" in it, which would make
// it a path, is offered as "-"), and writes the contents there. Tells where it wrote them, or
// says why it could not with the old file left as it was. False when it wrote nothing,
// cancelled or failed.
bool ExportFile(GLOBAL& g, const std::string& title, std::string suggestedName,
                const std::string& filter, const std::string& contents);
// A data file's name without its extension, to build a suggested name from: "LEAGUE.BDB" gives
// "LEAGUE".
std::string WithoutExtension(const std::string& fileName);
