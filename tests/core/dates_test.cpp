#include "core/dates.h"

#include <gtest/gtest.h>

#include <tuple>

#include "support/world.h"

namespace {

// A date checked alone is normalised, or replaced by today telling why; a date of birth checked
// against an event date is normalised, or refused telling why. Each row: the date typed, the
// event date it is checked against (null: alone), the typed text afterwards and the one error
// shown ("" for none: the date is valid).
TEST(Dates, ADateIsNormalisedOrRefusedTellingWhy) {
  const std::tuple<const char*, const char*, const char*, std::string> cases[] = {
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
  for (const auto& [typed, event, after, message] : cases) {
    SCOPED_TRACE(std::string(typed) + " " + (event ? event : "alone"));
    World world(false);
    std::string text = typed;
    EXPECT_EQ(event ? CheckDates(world.g, "SMITH", text, event) : ValidDate(world.g, text), message.empty());
    EXPECT_EQ(text, after);
    std::vector<ScriptedDialogs::Box> told;
    if (!message.empty()) told.push_back({message, Buttons::OK, Icon::Exclamation, "Error"});
    EXPECT_EQ(world.dialogs.boxes, told);
  }
}

}  // namespace
