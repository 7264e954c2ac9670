#include "core/dates.h"

#include <gtest/gtest.h>

#include "support/world.h"

namespace {

// A date checked alone is normalised, or replaced by today telling why; a date of birth checked
// against an event date is normalised, or refused telling why.
TEST(Dates, ADateIsNormalisedOrRefusedTellingWhy) {
  const struct {
    const char* typed;
    const char* event;    // the event date the date of birth is checked against; null: alone
    const char* after;    // the typed text afterwards
    const char* message;  // the one error shown, "" for none: the date is valid
  } cases[] = {
      {"7/4/1990", nullptr, "07/04/1990", ""},
      {" 12-25-2003 ", nullptr, "12/25/2003", ""},
      {"9/2/1752", nullptr, "09/02/1752", ""},
      {"9/1/1752", nullptr, "06/15/2005", "Date must be later than Sept 2, 1752 !"},
      {"hello", nullptr, "06/15/2005", "hello is not a valid date !"},
      {"2/30/2004", nullptr, "06/15/2005", "2/30/2004 is not a valid date !"},
      {"7/4/90", nullptr, "06/15/2005", "7/4/90 is not a valid date !"},
      {"7/4-1990", nullptr, "06/15/2005", "7/4-1990 is not a valid date !"},
      {"5/6/1980", "01/01/2000", "05/06/1980", ""},
      {"01/01/2000", "01/01/2000", "01/01/2000", ""},
      {"06/15/2005", "06/15/2005", "06/15/2005", ""},
      {"06/16/2005", "01/01/2010", "06/16/2005", "Invalid date of birth : SMITH(06/16/2005) !"},
      {"never", "01/01/2000", "never", "Invalid date of birth : SMITH(never) !"},
      {"5/6/1980", "soon", "05/06/1980", "Invalid event date : soon !"},
      {"5/6/1980", "01/01/1970", "05/06/1980",
       "SMITH(05/06/1980) was born after the event date (01/01/1970) !"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.typed) + " " + (c.event ? c.event : "alone"));
    World world(false);
    std::string text = c.typed;
    const bool valid = c.event ? CheckDates(world.g, "SMITH", text, c.event) : ValidDate(world.g, text);
    EXPECT_EQ(valid, *c.message == '\0');
    EXPECT_EQ(text, c.after);
    std::vector<ScriptedDialogs::Box> told;
    if (*c.message) told.push_back({c.message, Buttons::OK, Icon::Exclamation, "Error"});
    EXPECT_EQ(world.dialogs.boxes, told);
  }
}

}  // namespace
