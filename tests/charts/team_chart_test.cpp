#include "charts/team_chart.h"

#include <gtest/gtest.h>

#include "teams/team_file.h"
#include "support/world.h"

namespace {

// Tables where every day of a cycle reads the same, so that a test chooses each member's
// symbols by the table entry its birth date lands on.
struct ChartWorld : World {
  ChartWorld() : World(false) {
    g.PhysicalSymbols.fill(' ');
    g.EmotionalSymbols.fill(' ');
    g.IntellectualSymbols.fill(' ');
    g.EventDate = "01/23/2000";
  }
  void Member(const std::string& name, const std::string& dob) { AddMember(g, name, dob, team); }
  TeamChart Chart() { return ChartTeam(g, team, g.GroupEmoUp1, g.GroupEmoDown1); }
  TeamRecord team;
};

// A member born on the event date stands on entry 2 of every table.
TEST(ChartTeam, CountsDoublePlusesAndTheEmotionalBalance) {
  const struct {
    char p, e, i;
    int doublePluses, up, down;
  } cases[] = {{'H', '+', '#', 1, 1, 0}, {'+', ' ', '#', 0, 0, 0}, {'-', '#', '-', 0, 1, 0},
               {'H', 'H', '#', 1, 1, 0}, {'+', '+', '-', 1, 1, 0}, {'+', 'X', '+', 0, 0, -1},
               {'#', '-', '#', 0, 0, -1}, {'+', 'h', '+', 0, 0, 0}};
  for (const auto& c : cases) {
    ChartWorld world;
    world.g.PhysicalSymbols[2] = c.p;
    world.g.EmotionalSymbols[2] = c.e;
    world.g.IntellectualSymbols[2] = c.i;
    world.Member("AL", "01/23/2000");
    const TeamChart chart = world.Chart();
    const std::string symbols{c.p, c.e, c.i};
    EXPECT_EQ(chart.Lines, std::vector<std::string>{ChartLine("AL", c.p, c.e, c.i)}) << symbols;
    EXPECT_EQ(chart.DoublePluses, "  Double pluses  = " + std::to_string(c.doublePluses)) << symbols;
    EXPECT_EQ((std::vector<int>{world.g.GroupEmoUp1, world.g.GroupEmoDown1}), (std::vector{c.up, c.down}))
        << symbols;
  }
}

TEST(ChartTeam, SumsScalesAndSkipsMembersThatFailTheDateChecks) {
  ChartWorld world;
  world.g.EmotionalSymbols[2] = '+';
  world.g.EmotionalSymbols[1] = 'X';
  world.g.PhysicalScale[2] = 0.1;
  world.g.PhysicalScale[1] = 0.2;
  world.g.EmotionalScale[2] = 3;
  world.Member("BORN TODAY", "01/23/2000");  // day 1: entries 2, 2, 2
  world.Member("LATE", "01/24/2000");        // born after the event date
  world.Member("TWENTY TWO", "01/01/2000");  // day 23: physical entry 1
  world.Member("FOUR WEEKS", "12/27/1999");  // day 28: emotional entry 1
  world.Member("NO DATE", "soon");
  const TeamChart chart = world.Chart();
  ASSERT_EQ(chart.Lines.size(), 3u);
  EXPECT_EQ(chart.Lines[1], ChartLine("TWENTY TWO", ' ', ' ', ' '));
  // Physical: 0.1 + 0.2 + entry 6 (0), the plain sum rather than the nearest binary fraction's
  // digits; emotional: 3 + entry 24 (0) + entry 1 (0).
  EXPECT_EQ(chart.Sums, " Phy = 0.3    Emo = 3    Intellect = 0");
  EXPECT_EQ(chart.Balance, "   1  -1  =  0");
  EXPECT_EQ(world.dialogs.Texts(),
            (std::vector<std::string>{"LATE(01/24/2000) was born after the event date (01/23/2000) !",
                                      "Invalid date of birth : NO DATE(soon) !"}));
}

}  // namespace
