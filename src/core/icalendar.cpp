#include "core/icalendar.h"

#include <cstdio>

#include "platform/utf8.h"

namespace {

constexpr size_t LineOctets = 75;

// One line of the file, its value already in UTF-8. A longer line goes on over lines that start
// with a blank, which readers take out; a character is never split between two lines.
std::string Line(const std::string& utf8) {
  std::string folded;
  size_t used = 0;
  for (size_t at = 0; at < utf8.size();) {
    size_t length = 1;
    while (at + length < utf8.size() && (static_cast<unsigned char>(utf8[at + length]) & 0xC0) == 0x80) {
      ++length;
    }
    if (used + length > LineOctets) {
      folded += "\r\n ";
      used = 1;
    }
    folded.append(utf8, at, length);
    used += length;
    at += length;
  }
  return folded + "\r\n";
}

// A one-line text value: backslashes, semicolons and commas are escaped.
std::string Text(const std::string& text) {
  std::string escaped;
  for (const char c : text) {
    if (c == '\\' || c == ';' || c == ',') escaped += '\\';
    escaped += c;
  }
  return ToUtf8(escaped);
}

// "20050615"
std::string DateValue(Date date) {
  std::string iso = WriteIsoDate(date);
  std::erase(iso, '-');
  return iso;
}

// "20050615T120000Z"
std::string UtcValue(std::chrono::sys_seconds moment) {
  const auto day = std::chrono::floor<std::chrono::days>(moment);
  const std::chrono::hh_mm_ss time(moment - day);
  char clock[16];
  std::snprintf(clock, sizeof clock, "T%02d%02d%02dZ", static_cast<int>(time.hours().count()),
                static_cast<int>(time.minutes().count()), static_cast<int>(time.seconds().count()));
  return DateValue(Date{day}) + clock;
}

}  // namespace

std::string CalendarText(const std::vector<AllDayEvent>& events, std::chrono::sys_seconds made) {
  std::string file = Line("BEGIN:VCALENDAR") + Line("VERSION:2.0") +
                     Line("PRODID:-//Ondulix//Ondulix//EN") + Line("CALSCALE:GREGORIAN") +
                     Line("METHOD:PUBLISH");
  for (const AllDayEvent& event : events) {
    const std::string uid = DateValue(event.Day) + "-" + event.Subject + "@ondulix.org";
    file += Line("BEGIN:VEVENT") + Line("UID:" + Text(uid)) +
            Line("DTSTAMP:" + UtcValue(made)) +
            Line("DTSTART;VALUE=DATE:" + DateValue(event.Day)) +
            Line("DTEND;VALUE=DATE:" + DateValue(AddDays(event.Day, 1))) +
            Line("SUMMARY:" + Text(event.Summary)) +
            // A day marked is no appointment: the time stays free.
            Line("TRANSP:TRANSPARENT") + Line("END:VEVENT");
  }
  return file + Line("END:VCALENDAR");
}
