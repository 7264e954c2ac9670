#include "support/exported.h"

#include <cstdio>
#include <sstream>

std::vector<Fields> ReadCsv(const std::string& text) {
  std::vector<Fields> rows;
  Fields row;
  std::string field;
  bool quoted = false;
  for (size_t at = 0; at < text.size(); ++at) {
    const char c = text[at];
    if (quoted && c == '"' && text.compare(at, 2, "\"\"") == 0) {
      field += '"';
      ++at;
    } else if (c == '"') {
      quoted = !quoted;
    } else if (!quoted && c == ',') {
      row.push_back(std::move(field));
      field.clear();
    } else if (!quoted && text.compare(at, 2, "\r\n") == 0) {
      row.push_back(std::move(field));
      field.clear();
      rows.push_back(std::move(row));
      row.clear();
      ++at;
    } else {
      field += c;
    }
  }
  return rows;
}

std::string ShownDate(const std::string& iso) {
  return iso.size() == 10 ? iso.substr(5, 2) + "/" + iso.substr(8, 2) + "/" + iso.substr(0, 4) : iso;
}

namespace {

// One line per finding, fields split by tabs. Debian's python3 on purpose: the icalendar module
// of python3-icalendar serves that interpreter, whatever other one the PATH may lead to first.
constexpr const char* Parser = R"py(PYTHONIOENCODING=utf-8 /usr/bin/python3 -c '
import sys
try:
    import icalendar
except ImportError:
    print("ERROR\tpython3-icalendar is not installed (tools/install-deps installs it)")
    sys.exit(0)
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

std::vector<std::string> Split(const std::string& line) {
  std::vector<std::string> parts;
  std::istringstream in(line);
  for (std::string part; std::getline(in, part, '\t');) parts.push_back(part);
  return parts;
}

}  // namespace

ParsedCalendar ParseCalendar(const std::string& path) {
  ParsedCalendar calendar;
  const std::string command = std::string(Parser) + "'" + path + "' 2>&1";
  std::FILE* parser = popen(command.c_str(), "r");
  if (!parser) return ParsedCalendar{{}, {}, {"python3 cannot be started"}};
  std::string output;
  for (char chunk[4096]; const size_t got = std::fread(chunk, 1, sizeof chunk, parser);) {
    output.append(chunk, got);
  }
  if (pclose(parser) != 0) calendar.errors.push_back(output);
  std::istringstream lines(output);
  for (std::string line; std::getline(lines, line);) {
    const std::vector<std::string> parts = Split(line);
    if (parts.size() == 3 && parts[0] == "CALENDAR") {
      calendar.properties[parts[1]] = parts[2];
    } else if (parts.size() == 7 && parts[0] == "EVENT") {
      calendar.events.push_back(
          CalendarEvent{parts[1] == "True", parts[2], parts[3], parts[4], parts[5], parts[6]});
    } else if (!parts.empty() && parts[0] == "ERROR") {
      calendar.errors.push_back(line);
    }
  }
  return calendar;
}
