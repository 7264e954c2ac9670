#include "charts/curve_export.h"

#include <cinttypes>
#include <cstdint>
#include <cstdio>

#include "core/csv.h"
#include "core/icalendar.h"

namespace {

// The same person always gives the same text: the 64-bit FNV-1a hash of the name and the date
// of birth, in hexadecimal. It keeps the name itself out of the events' identities.
std::string PersonKey(const std::string& name, Date dob) {
  std::uint64_t hash = 14695981039346656037ull;
  for (const char c : name + "\n" + WriteIsoDate(dob)) {
    hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
  }
  char key[24];
  std::snprintf(key, sizeof key, "%016" PRIx64, hash);
  return key;
}

}  // namespace

std::string CriticalDaysCsv(const CycleCurves& curves) {
  std::vector<CsvRow> rows{{"Date", "Cycles", "Double or triple"}};
  for (const CriticalDay& day : CriticalDays(curves.States, curves.First)) {
    rows.push_back({WriteIsoDate(day.Day), CycleList(day), Multiple(day)});
  }
  return CsvText(rows);
}

std::string CriticalDaysCalendar(const GLOBAL& g, const std::string& name, Date dob) {
  const Date today = g.platform.clock.Today();
  const std::string person = PersonKey(name, dob);
  std::vector<AllDayEvent> events;
  for (const CriticalDay& day : CriticalDays(DayStates(g, dob, today, CalendarDays), today)) {
    events.push_back(
        AllDayEvent{day.Day, person, "Critical day for " + name + ": " + CriticalText(day)});
  }
  return CalendarText(events, g.platform.clock.Now());
}
