// Files the program exported, read back as the programs they are meant for read them: a CSV
// table split into its fields, an iCalendar file parsed by python3-icalendar.
#pragma once

#include <map>
#include <string>
#include <vector>

using Fields = std::vector<std::string>;

// The rows of a CSV text, split by the program's own reader (the writer's CR LF row ends are
// checked where the rows are written).
std::vector<Fields> ReadCsv(const std::string& text);
// An exported date, "2005-06-15", as the windows show it: "06/15/2005".
std::string ShownDate(const std::string& iso);

struct CalendarEvent {
  bool allDay = false;  // DTSTART and DTEND are dates, not moments
  std::string start, end, stamp;  // ISO 8601, as the parser gives them
  std::string uid, summary;       // in UTF-8
};

struct ParsedCalendar {
  std::map<std::string, std::string> properties;  // VERSION, PRODID, CALSCALE
  std::vector<CalendarEvent> events;
  std::vector<std::string> errors;  // what the parser found wrong, and a parser that is missing
};

// Parses the file with Debian's python3 and its icalendar module.
ParsedCalendar ParseCalendar(const std::string& path);
