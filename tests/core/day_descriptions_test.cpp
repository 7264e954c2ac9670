// The shipped day data: every state a person can be in has a description, and the cycle
// tables are the ones the generator writes from the curves.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <numbers>
#include <set>
#include <span>
#include <sstream>
#include <string>
#include <tuple>

#include "charts/day_description.h"
#include "core/cycle_tables.h"
#include "support/world.h"

namespace {

// All states over one full period of the three cycles, 23 * 28 * 33 days from birth, have a
// description. Every line ends in CR LF and fits the description box and the printed report.
TEST(DayDescriptions, EveryOccurringStateHasAWrittenDescriptionInLinesThatFit) {
  World world;
  const Date dob{std::chrono::year{1970}, std::chrono::March, std::chrono::day{9}};
  std::set<std::string> keys;
  for (int d = 0; d < 23 * 28 * 33; ++d) keys.insert(StateOn(world.g, dob, AddDays(dob, d)).StateKey());
  EXPECT_EQ(keys.size(), 27u);
  for (const std::string& key : keys) {
    const std::string description = DayDescription(world.g, key);
    ASSERT_NE(description, NoDescription) << "no section for " << key;
    EXPECT_GE(description.size(), 100u) << key;
    EXPECT_TRUE(description.ends_with("\r\n")) << key;
  }
  std::istringstream lines(world.folder.Read("biodesc.ini"));
  for (std::string line; std::getline(lines, line);) {
    ASSERT_TRUE(line.ends_with('\r')) << line << " does not end in CR LF";
    EXPECT_LE(line.size() - 1, 70u) << line;
  }
}

TEST(CycleTableFiles, AreTheGeneratorsOutputWhoseSymbolsAndScoresFollowTheCurve) {
  World world;
  TempFolder made;
  const std::string command = std::string("\"") + MAKE_CYCLE_TABLES + "\" \"" + made.path() + "\"";
  ASSERT_EQ(std::system(command.c_str()), 0);
  for (const char* name :
       {"BR_PHY.SYM", "BR_EMO.SYM", "BR_INT.SYM", "BR_PHY.SCA", "BR_EMO.SCA", "BR_INT.SCA"}) {
    EXPECT_EQ(made.Read(name), world.folder.Read(name)) << name;
  }

  const GLOBAL& g = world.g;
  // Each cycle's length, symbols and scores; entries 1 to the length, slot 0 unused.
  const std::tuple<int, std::span<const char>, std::span<const double>> cycles[] = {
      {23, g.PhysicalSymbols, g.PhysicalScale},
      {28, g.EmotionalSymbols, g.EmotionalScale},
      {33, g.IntellectualSymbols, g.IntellectualScale},
  };
  for (const auto& [length, symbols, scale] : cycles) {
    SCOPED_TRACE(length);
    auto curve = [&](double t) { return std::sin(2 * std::numbers::pi * t / length); };
    for (int e = 1; e <= length; ++e) {
      SCOPED_TRACE(e);
      const int n = e == 1 ? length : e - 1;  // the day of the cycle this entry holds
      const double start = curve(n - 1), end = curve(n), middle = curve(n - 0.5);
      const bool crosses = std::abs(start) < 1e-9 || (std::abs(end) > 1e-9 && start * end < 0);
      // A critical day holds a crossing of the axis and scores nothing; any other day scores
      // on the side of the axis the curve is on.
      const char symbol = crosses ? '*' : middle > 0 ? '+' : '-';
      EXPECT_EQ(symbols[e], symbol);
      EXPECT_EQ(scale[e] > 0 ? '+' : scale[e] < 0 ? '-' : '*', symbol) << scale[e];
    }
  }
}

}  // namespace
