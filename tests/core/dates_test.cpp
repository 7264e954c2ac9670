#include "core/dates.h"

#include <gtest/gtest.h>

#include "support/world.h"

namespace {

using Texts = std::vector<std::string>;

Texts Said(const char* message) { return *message ? Texts{message} : Texts{}; }

TEST(ValidDate, NormalisesOrReplacesByTodayTellingWhy) {
  const struct {
    const char* text;
    const char* after;    // the text afterwards
    const char* message;  // the one message shown, "" for none: the date is valid
  } cases[] = {
      {"7/4/1990", "07/04/1990", ""},
      {" 12-25-2003 ", "12/25/2003", ""},
      {"9/2/1752", "09/02/1752", ""},
      {"9/1/1752", "06/15/2005", "Date must be later than Sept 2, 1752 !"},
      {"hello", "06/15/2005", "hello is not a valid date !"},
      {"2/30/2004", "06/15/2005", "2/30/2004 is not a valid date !"},
      {"7/4/90", "06/15/2005", "7/4/90 is not a valid date !"},
      {"7/4-1990", "06/15/2005", "7/4-1990 is not a valid date !"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    World world(false);
    std::string text = c.text;
    EXPECT_EQ(ValidDate(world.g, text), *c.message == '\0');
    EXPECT_EQ(text, c.after);
    EXPECT_EQ(world.dialogs.Texts(), Said(c.message));
    for (const auto& box : world.dialogs.boxes) {
      EXPECT_EQ(box.title, "Error");
      EXPECT_EQ(box.icon, Icon::Exclamation);
    }
  }
}

TEST(CheckDates, NormalisesTheDateOfBirthOrTellsWhyItIsRefused) {
  const struct {
    const char* dob;
    const char* event;
    const char* after;    // the date of birth afterwards
    const char* message;  // "" when the dates pass
  } cases[] = {
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
    SCOPED_TRACE(std::string(c.dob) + " " + c.event);
    World world(false);
    std::string dob = c.dob;
    EXPECT_EQ(CheckDates(world.g, "SMITH", dob, c.event), *c.message == '\0');
    EXPECT_EQ(dob, c.after);
    EXPECT_EQ(world.dialogs.Texts(), Said(c.message));
  }
}

}  // namespace
