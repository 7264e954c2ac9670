#include "core/cycle_tables.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>
#include <clocale>
#include <cstdlib>

#include "support/world.h"

namespace {

TEST(CyclePosition, PlacesTheDayInEachCycle) {
  // Days from the date of birth to the event date, then the physical, emotional and
  // intellectual positions; the entries are one more.
  const std::array<int, 4> cases[] = {{0, 1, 1, 1}, {22, 0, 23, 23}, {23, 1, 24, 24}, {27, 5, 0, 28},
                                      {32, 10, 5, 0}};
  const Date dob = *ReadDate("01/01/2000");
  for (const auto& [days, physical, emotional, intellectual] : cases) {
    const Date event = AddDays(dob, days);
    EXPECT_EQ(DayNumber(dob, event), days + 1);
    const std::pair<int, int> cycles[] = {{23, physical}, {28, emotional}, {33, intellectual}};
    for (const auto& [length, position] : cycles) {
      const CyclePlace place = CyclePosition(dob, event, length);
      EXPECT_EQ(std::pair(place.Position, place.Entry), std::pair(position, position + 1))
          << days << " days, cycle " << length;
    }
  }
}

// The machine set to a language that writes numbers with a decimal comma, as the window system
// sets it from the user's settings. Built for the test: the machine need not have it.
class DecimalCommaLocale {
 public:
  DecimalCommaLocale() {
    const std::string made = folder_.path() + "/de_DE.UTF-8";
    EXPECT_EQ(std::system(("localedef -i de_DE -f UTF-8 " + made + " >/dev/null 2>&1").c_str()), 0);
    setenv("LOCPATH", folder_.path().c_str(), 1);
    std::setlocale(LC_ALL, "de_DE.UTF-8");
    EXPECT_STREQ(std::localeconv()->decimal_point, ",") << "no language with a decimal comma";
  }
  ~DecimalCommaLocale() {
    std::setlocale(LC_ALL, "C");
    unsetenv("LOCPATH");
  }

 private:
  TempFolder folder_;
};

// Symbol files give their first characters, line breaks included; scale files their first
// fields, numbers read the same in every language. A missing or broken table stops the load,
// naming the data folder.
TEST(CycleTables, LoadTakesTheFirstCharactersAndFieldsOfEachFileAndStopsAtABrokenOne) {
  const DecimalCommaLocale german;
  World world(false);
  world.folder.AddShippedData();
  world.folder.Write("BR_PHY.SYM", "ABCDEFGHIJKLMNOPQRSTUVWxyz");
  std::string oneAPerLine;
  for (int i = 0; i < 23; ++i) oneAPerLine += "+\r\n";
  world.folder.Write("BR_INT.SYM", oneAPerLine);
  world.folder.Write("BR_EMO.SCA",
                     "1,2\r\n\r\n4\r\n5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,23,24,25,26,27,99");
  world.folder.Write("BR_PHY.SCA", "-1.5,+2,0.25" + std::string(20, ',') + "0");
  ASSERT_TRUE(LoadCycleTables(world.g));
  const GLOBAL& g = world.g;
  EXPECT_EQ(std::string({g.PhysicalSymbols[1], g.PhysicalSymbols[23], g.IntellectualSymbols[1],
                         g.IntellectualSymbols[2], g.IntellectualSymbols[4]}),
            "AW+\r+");
  // Emotional entry 3, the empty line, is an entry without a value.
  EXPECT_THAT((std::vector<double>{g.EmotionalScale[2], g.EmotionalScale[3], g.EmotionalScale[4],
                                   g.EmotionalScale[27], g.EmotionalScale[28], g.PhysicalScale[1],
                                   g.PhysicalScale[2], g.PhysicalScale[3]}),
              testing::ElementsAre(2, 0, 4, 27, 99, -1.5, 2, 0.25));

  const std::pair<const char*, const char*> broken[] = {  // no contents: no such file
      {"BR_INT.SCA", nullptr},      {"BR_PHY.SYM", nullptr}, {"BR_EMO.SYM", "+-*"},
      {"BR_PHY.SCA", "1,2,3"},      {"BR_INT.SCA", "high,2,3"},
      {"BR_EMO.SCA", "1,2,3,,,,,,,,,,,,,,,,,,,,,,,,,inf"}};
  for (const auto& [file, contents] : broken) {
    SCOPED_TRACE(file);
    World fresh(false);
    fresh.folder.AddShippedData();
    contents ? fresh.folder.Write(file, contents) : fresh.folder.Remove(file);
    EXPECT_FALSE(LoadCycleTables(fresh.g));
    const ScriptedDialogs::Box told{"Cannot read data files! " + fresh.folder.path(), Buttons::OK,
                                    Icon::Question, "Error"};
    EXPECT_EQ(fresh.dialogs.boxes, std::vector<ScriptedDialogs::Box>{told});
  }
}

}  // namespace
