// Calendars for other programs (iCalendar): whole days marked in the calendar of a desktop or
// a phone, which imports the file.
#pragma once

#include <chrono>
#include <string>
#include <vector>

#include "platform/calendar.h"

struct AllDayEvent {
  Date Day;
  // Whom or what the event is about, the same in every file. With the day it names the event
  // for good, so a calendar that imports a later file with the same event updates it rather
  // than showing it twice.
  std::string Subject;
  std::string Summary;  // one line, in the program's text
};

// The events as an iCalendar file, stamped with the moment it was made: UTF-8, CR LF line ends,
// no line longer than 75 octets, each event lasting from its day to the next.
std::string CalendarText(const std::vector<AllDayEvent>& events, std::chrono::sys_seconds made);
