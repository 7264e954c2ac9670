// Compatibility figures against the formula worked out here on its own, and the ranking of the
// best matches.
#include "charts/compatibility.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

#include "support/world.h"

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

Date D(const char* text) { return *ReadDate(text); }

TEST(Compatibility, FiguresAgreeWithTheFormulaToTwoDecimals) {
  // Two dates of birth and the days between them, counted on a calendar.
  const std::tuple<const char*, const char*, long> pairs[] = {
      {"06/15/1990", "09/20/1992", 828},    // the published example, over the leap day of 1992
      {"02/20/2000", "03/05/2000", 14},     // half an emotional cycle, over the leap day of 2000
      {"01/01/1980", "02/03/2009", 10626},  // in step physically and intellectually, opposed emotionally
      {"02/28/1900", "03/01/1900", 1},      // 1900 had no leap day
      {"02/28/2004", "03/01/2004", 2},      // 2004 had one
  };
  for (const auto& [dob1, dob2, days] : pairs) {
    const Compatibility figures = PairCompatibility(D(dob1), D(dob2));
    const double p = Formula(days, 23), e = Formula(days, 28), i = Formula(days, 33);
    EXPECT_EQ((std::vector{Percent(figures.Physical), Percent(figures.Emotional),
                           Percent(figures.Intellectual), Percent(figures.Overall())}),
              (std::vector{TwoDecimals(p), TwoDecimals(e), TwoDecimals(i), TwoDecimals((p + e + i) / 3)}))
        << dob1 << " " << dob2;
  }
}

// Up to eleven days apart, the nearer a date of birth the better in every cycle, so the ranking
// of the top twenty-five is by days apart, and equal days keep the candidates' order whichever
// side of the date they fall.
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
  std::vector<int> expected, ranked;
  for (size_t place = 0; place < 25; ++place) expected.push_back(byDays[place].second);
  for (const Match& match : BestMatches(dob, candidates)) ranked.push_back(match.Number);
  EXPECT_EQ(ranked, expected);
}

}  // namespace
