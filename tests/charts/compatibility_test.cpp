// Compatibility figures against the formula worked out here on its own, the ranking of the best
// matches, and a team's chemistry.
#include "charts/compatibility.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

#include "support/world.h"
#include "teams/team_file.h"

using testing::ElementsAre;
using testing::IsEmpty;

namespace {

// 100 * |cos(pi * d / p)|, straight from the formula.
double Formula(long days, int length) {
  return 100 * std::fabs(std::cos(M_PI * static_cast<double>(days) / length));
}
std::string TwoDecimals(double value) {
  char text[16];
  std::snprintf(text, sizeof text, "%.2f", value);
  return text;
}
std::string Expected(long days, int length) { return TwoDecimals(Formula(days, length)); }
std::string ExpectedOverall(long days) {
  return TwoDecimals((Formula(days, 23) + Formula(days, 28) + Formula(days, 33)) / 3);
}

Date D(const char* text) { return *ReadDate(text); }

TEST(Compatibility, FiguresAgreeWithTheFormulaToTwoDecimals) {
  const struct {
    const char* dob1;
    const char* dob2;
    long days;  // counted on a calendar
  } pairs[] = {
      {"06/15/1990", "09/20/1992", 828},  // the published example, over the leap day of 1992
      {"09/20/1992", "06/15/1990", 828},  // either order
      {"07/04/1970", "07/04/1970", 0},    // in step in every cycle
      {"02/20/2000", "03/05/2000", 14},   // half an emotional cycle, over the leap day of 2000
      {"01/01/1980", "01/12/1980", 11},   // the nearest whole days to half a physical cycle
      {"01/01/1980", "01/17/1980", 16},   // ... and to half an intellectual one
      {"01/01/1980", "09/28/1999", 7210},  // near half of all three at once
      {"01/01/1980", "02/03/2009", 10626},  // in step physically and intellectually, opposed emotionally
      {"02/28/1900", "03/01/1900", 1},    // 1900 had no leap day
      {"02/28/2004", "03/01/2004", 2},    // 2004 had one
      {"12/31/1999", "01/01/2001", 367},
  };
  for (const auto& pair : pairs) {
    const Compatibility figures = PairCompatibility(D(pair.dob1), D(pair.dob2));
    const std::string where = std::string(pair.dob1) + " " + pair.dob2;
    EXPECT_EQ(Percent(figures.Physical), Expected(pair.days, 23)) << where;
    EXPECT_EQ(Percent(figures.Emotional), Expected(pair.days, 28)) << where;
    EXPECT_EQ(Percent(figures.Intellectual), Expected(pair.days, 33)) << where;
    EXPECT_EQ(Percent(figures.Overall()), ExpectedOverall(pair.days)) << where;
  }
  // Half an emotional cycle apart is no compatibility at all, not a trace below it.
  EXPECT_EQ(Percent(PairCompatibility(D("02/20/2000"), D("03/05/2000")).Emotional), "0.00");
}

// Up to eleven days apart, the nearer a date of birth the better in every cycle, so the ranking
// is by days apart, and equal days keep the candidates' order whichever side of the date they
// fall.
TEST(Compatibility, BestMatchesAreTheTopTwentyFiveWithEqualsInListOrder) {
  const Date dob = D("06/15/1990");
  std::vector<Candidate> candidates;
  std::vector<std::pair<long, int>> byDays;  // (days apart, number)
  for (int k = 1; k <= 40; ++k) {
    const int days = (k * 7) % 10;
    candidates.push_back(Candidate{k, AddDays(dob, k % 2 ? days : -days)});
    byDays.emplace_back(days, k);
  }
  std::sort(byDays.begin(), byDays.end());
  const std::vector<Match> best = BestMatches(dob, candidates);
  ASSERT_EQ(best.size(), 25u);
  for (size_t place = 0; place < best.size(); ++place) {
    EXPECT_EQ(best[place].Number, byDays[place].second) << place;
  }
  EXPECT_EQ(Percent(best[0].Figures.Overall()), "100.00");

  // Fewer candidates than places: all of them.
  candidates.resize(3);
  std::vector<int> numbers;
  for (const Match& match : BestMatches(dob, candidates)) numbers.push_back(match.Number);
  EXPECT_THAT(numbers, ElementsAre(3, 2, 1));  // 1, 4 and 7 days apart
  EXPECT_THAT(BestMatches(dob, {}), IsEmpty());
}

class TeamChemistryOf : public testing::Test, public World {
 public:
  TeamRecord Team(const std::vector<std::pair<const char*, const char*>>& members) {
    TeamRecord team;
    team.FileName = "TEST.BTM";
    for (const auto& [name, dob] : members) AddMember(g, name, dob, team);
    return team;
  }
};

TEST_F(TeamChemistryOf, IsTheMeanOverAllPairsWithTheBestAndWorstPair) {
  // AL and BO are born on one day; CY 14 days later, DI 828.
  const TeamRecord team = Team({{"AL", "01/01/1980"}, {"BO", "01/01/1980"}, {"CY", "01/15/1980"},
                                {"LATE LU", "06/16/2005"}, {"DI", "04/08/1982"}});
  const TeamChemistry chemistry = Chemistry(g, team, "06/15/2005");
  EXPECT_EQ(chemistry.Team, "TEST.BTM");
  EXPECT_EQ(chemistry.Members, 5);
  EXPECT_THAT(chemistry.LeftOut, ElementsAre("LATE LU"));
  EXPECT_EQ(chemistry.Pairs, 6);
  ASSERT_TRUE(chemistry.Known());
  // The pairs' days apart: AL-BO 0, AL-CY 14, AL-DI 828, BO-CY 14, BO-DI 828, CY-DI 814.
  const long apart[] = {0, 14, 828, 14, 828, 814};
  const int lengths[] = {23, 28, 33};
  const double cycles[] = {chemistry.Mean.Physical, chemistry.Mean.Emotional, chemistry.Mean.Intellectual};
  for (int cycle = 0; cycle < 3; ++cycle) {
    double sum = 0;
    for (long days : apart) sum += Formula(days, lengths[cycle]);
    EXPECT_NEAR(cycles[cycle], sum / 6, 1e-9) << cycle;
  }
  ASSERT_TRUE(chemistry.Best && chemistry.Worst);
  EXPECT_EQ(chemistry.Best->First + "-" + chemistry.Best->Second, "AL-BO");
  EXPECT_EQ(Percent(chemistry.Best->Figures.Overall()), "100.00");
  // AL-CY and BO-CY are equally poor: the first in member order.
  EXPECT_EQ(chemistry.Worst->First + "-" + chemistry.Worst->Second, "AL-CY");
  EXPECT_EQ(Percent(chemistry.Worst->Figures.Overall()), ExpectedOverall(14));
  // The comparison has told of the member left out; the chemistry says nothing more.
  EXPECT_THAT(dialogs.boxes, IsEmpty());
}

}  // namespace
