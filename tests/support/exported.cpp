#include "support/exported.h"

#include <cstdlib>
#include <sstream>

#include "people/csv_reader.h"
#include "support/test_data.h"

std::vector<Fields> ReadCsv(const std::string& text) {
  std::vector<Fields> rows;
  for (CsvRecord& record : ReadCsv(text, ',')) rows.push_back(std::move(record.fields));
  return rows;
}

std::string ShownDate(const std::string& iso) {
  return iso.size() == 10 ? iso.substr(5, 2) + "/" + iso.substr(8, 2) + "/" + iso.substr(0, 4) : iso;
}

namespace {

// One line per finding, fields split by tabs. Debian's python3 on purpose: the icalendar module
// of python3-icalendar (tools/install-deps installs it) serves that interpreter, whatever other
// one the PATH may lead to first.
constexpr const char* Parser = R"py(PYTHONIOENCODING=utf-8 /usr/bin/python3 -c '
import sys, icalendar
calendar = icalendar.Calendar.from_ical(open(sys.argv[1], "rb").read())
for key in ("VERSION", "PRODID", "CALSCALE"):
    print("CALENDAR", key, calendar.get(key, ""), sep="\t")
for part in calendar.walk():
    for error in part.errors:
        print("ERROR", part.name, error, sep="\t")
for event in calendar.walk("VEVENT"):
    start, end = event.decoded("DTSTART"), event.decoded("DTEND")
    print("EVENT", type(start).__name__ == "date" and type(end).__name__ == "date",
          start.isoformat(), end.isoformat(), event.decoded("DTSTAMP").isoformat(),
          event.get("UID"), event.get("SUMMARY"), sep="\t")
' )py";

}  // namespace

// Any line that is not a finding (a missing module, a file the parser gave up on) is an error.
ParsedCalendar ParseCalendar(const std::string& path) {
  ParsedCalendar calendar;
  const TempFolder out;
  const std::string command = std::string(Parser) + "'" + path + "' >'" + out.path() + "/found' 2>&1";
  if (std::system(command.c_str()) != 0) calendar.errors.push_back("the parser failed");
  std::istringstream lines(out.Read("found"));
  for (std::string line; std::getline(lines, line);) {
    std::vector<std::string> parts;
    std::istringstream fields(line);
    for (std::string part; std::getline(fields, part, '\t');) parts.push_back(part);
    if (parts.size() == 3 && parts[0] == "CALENDAR") {
      calendar.properties[parts[1]] = parts[2];
    } else if (parts.size() == 7 && parts[0] == "EVENT") {
      calendar.events.push_back(
          CalendarEvent{parts[1] == "True", parts[2], parts[3], parts[4], parts[5], parts[6]});
    } else {
      calendar.errors.push_back(line);
    }
  }
  return calendar;
}
