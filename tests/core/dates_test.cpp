#include "core/dates.h"

#include <gtest/gtest.h>

#include "support/world.h"

namespace {

struct ValidCase {
  const char* text;
  bool valid;
  const char* after;    // the text afterwards
  const char* message;  // the one message shown, or "" for none
};

class ValidDateCase : public testing::TestWithParam<ValidCase> {};

TEST_P(ValidDateCase, NormalisesOrReplacesByToday) {
  World world(false);
  std::string text = GetParam().text;
  EXPECT_EQ(ValidDate(world.g, text), GetParam().valid);
  EXPECT_EQ(text, GetParam().after);
  if (*GetParam().message == '\0') {
    EXPECT_TRUE(world.dialogs.boxes.empty());
  } else {
    ASSERT_EQ(world.dialogs.boxes.size(), 1u);
    EXPECT_EQ(world.dialogs.boxes[0].text, GetParam().message);
    EXPECT_EQ(world.dialogs.boxes[0].title, "Error");
    EXPECT_EQ(world.dialogs.boxes[0].icon, Icon::Exclamation);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ValidDateCase,
    testing::Values(
        ValidCase{"7/4/1990", true, "07/04/1990", ""},
        ValidCase{" 12-25-2003 ", true, "12/25/2003", ""},
        ValidCase{"9/2/1752", true, "09/02/1752", ""},
        ValidCase{"9/1/1752", false, "06/15/2005", "Date must be later than Sept 2, 1752 !"},
        ValidCase{"hello", false, "06/15/2005", "hello is not a valid date !"},
        ValidCase{"2/30/2004", false, "06/15/2005", "2/30/2004 is not a valid date !"},
        ValidCase{"7/4/90", false, "06/15/2005", "7/4/90 is not a valid date !"},
        ValidCase{"7/4-1990", false, "06/15/2005", "7/4-1990 is not a valid date !"}));

struct CheckCase {
  const char* dob;
  const char* event;
  bool passes;
  const char* message;
};

class CheckDatesCase : public testing::TestWithParam<CheckCase> {};

TEST_P(CheckDatesCase, TellsWhyABirthDateIsRefused) {
  World world(false);
  std::string dob = GetParam().dob;
  EXPECT_EQ(CheckDates(world.g, "SMITH", dob, GetParam().event), GetParam().passes);
  const std::vector<std::string> expected =
      *GetParam().message ? std::vector<std::string>{GetParam().message} : std::vector<std::string>{};
  EXPECT_EQ(world.dialogs.Texts(), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Dates, CheckDatesCase,
    testing::Values(
        CheckCase{"5/6/1980", "01/01/2000", true, ""},
        CheckCase{"01/01/2000", "01/01/2000", true, ""},
        CheckCase{"06/15/2005", "06/15/2005", true, ""},
        CheckCase{"06/16/2005", "01/01/2010", false, "Invalid date of birth : SMITH(06/16/2005) !"},
        CheckCase{"never", "01/01/2000", false, "Invalid date of birth : SMITH(never) !"},
        CheckCase{"5/6/1980", "soon", false, "Invalid event date : soon !"},
        CheckCase{"5/6/1980", "01/01/1970", false,
                  "SMITH(05/06/1980) was born after the event date (01/01/1970) !"}));

TEST(CheckDates, NormalisesTheDateOfBirthItIsGiven) {
  World world(false);
  std::string dob = "3/14/1961";
  EXPECT_TRUE(CheckDates(world.g, "BAKER", dob, "06/15/2005"));
  EXPECT_EQ(dob, "03/14/1961");
}

TEST(Calendar, StepsOverLeapDays) {
  Date date = *ReadDate("03/01/2004");
  std::vector<std::string> shown;
  for (int i = 0; i < 3; ++i) {
    date = AddDays(date, -1);
    shown.push_back(WriteDate(date));
  }
  EXPECT_EQ(shown, (std::vector<std::string>{"02/29/2004", "02/28/2004", "02/27/2004"}));
}

}  // namespace
