// The calendar file as calendar programs read it: parsed by python3-icalendar.
#include "core/icalendar.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "platform/utf8.h"
#include "support/exported.h"
#include "support/test_data.h"

using namespace std::chrono;

namespace {

// Every event comes back whole on its own day, its summary as written whatever its length,
// letters or separators; no line is longer than 75 octets or splits a letter.
TEST(CalendarText, EveryEventParsesBackOnItsDayWithItsSummary) {
  const std::string summaries[] = {
      "Critical day for AL: Physical",
      "Critical day for " + std::string(60, 'X') + ": Physical + Emotional + Intellectual (triple)",
      "A; B, C\\ D",
      std::string(80, '\xE9'),
      "X" + std::string(80, '\xE9'),
  };
  const Date first{year{2005}, December, day{30}};
  std::vector<AllDayEvent> events;
  for (const std::string& summary : summaries) {
    events.push_back(AllDayEvent{AddDays(first, static_cast<int>(events.size())), "ab12", summary});
  }
  const std::string text = CalendarText(events, sys_days(first) + hours(13) + minutes(5) + seconds(9));

  // Escaped as the standard says; the parser below would read a backslash before a comma wrong.
  EXPECT_NE(text.find("\r\nSUMMARY:A\\; B\\, C\\\\ D\r\n"), std::string::npos);
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) {
    ASSERT_TRUE(line.ends_with('\r')) << line;
    EXPECT_LE(line.size() - 1, 75u) << line;
    // A line that goes on from the one before starts with a blank, then a whole letter.
    EXPECT_TRUE(line[0] != ' ' || (static_cast<unsigned char>(line[1]) & 0xC0) != 0x80) << line;
  }

  TempFolder folder;
  folder.Write("days.ics", text);
  const ParsedCalendar parsed = ParseCalendar(folder.path() + "/days.ics");
  EXPECT_THAT(parsed.errors, testing::IsEmpty());
  EXPECT_EQ(parsed.properties, (std::map<std::string, std::string>{
                                   {"CALSCALE", "GREGORIAN"}, {"PRODID", "-//Ondulix//Ondulix//EN"},
                                   {"VERSION", "2.0"}}));
  ASSERT_EQ(parsed.events.size(), std::size(summaries));
  std::set<std::string> uids;
  for (size_t k = 0; k < parsed.events.size(); ++k) {
    SCOPED_TRACE(k);
    const CalendarEvent& event = parsed.events[k];
    const Date day = AddDays(first, static_cast<int>(k));
    EXPECT_TRUE(event.allDay);
    EXPECT_EQ(event.start + " " + event.end, WriteIsoDate(day) + " " + WriteIsoDate(AddDays(day, 1)));
    EXPECT_EQ(event.stamp, "2005-12-30T13:05:09+00:00");
    EXPECT_EQ(event.summary, ToUtf8(summaries[k]));
    uids.insert(event.uid);
  }
  // The same subject on different days makes different events.
  EXPECT_EQ(uids.size(), std::size(summaries));
}

}  // namespace
