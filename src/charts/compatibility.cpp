#include "charts/compatibility.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <numbers>

#include "charts/team_chart.h"

namespace {

// The overall figure as shown, in hundredths: the ranking's key, so that what shows the same
// counts the same.
long Hundredths(const Compatibility& figures) { return std::lround(figures.Overall() * 100); }

}  // namespace

std::string CompatibilityFormula() {
  std::string text;
  for (const char* line : CompatibilityFormulaLines) {
    if (!text.empty()) text += ' ';
    text += line;
  }
  return text;
}

double CycleCompatibility(long days, int length) {
  // Only the distance within a cycle, and to its nearer end, matters: pairs the same number of
  // days apart, either way round and whole cycles further, give the very same figure.
  long within = std::labs(days) % length;
  within = std::min(within, length - within);
  return 100 * std::abs(std::cos(std::numbers::pi * static_cast<double>(within) / length));
}

Compatibility PairCompatibility(Date dob1, Date dob2) {
  const long days = DaysBetween(dob1, dob2);
  return Compatibility{CycleCompatibility(days, PhysicalLength),
                       CycleCompatibility(days, EmotionalLength),
                       CycleCompatibility(days, IntellectualLength)};
}

// Written with the point whatever the user's language, as every figure the program shows.
std::string Percent(double figure) {
  char text[32];
  const auto end = std::to_chars(text, text + sizeof text, figure, std::chars_format::fixed, 2).ptr;
  return std::string(text, end);
}

std::vector<Match> BestMatches(Date dob, const std::vector<Candidate>& candidates,
                               std::size_t count) {
  struct Ranked {
    long key;
    std::size_t place;
    Match match;
  };
  std::vector<Ranked> ranked;
  ranked.reserve(candidates.size());
  for (const Candidate& candidate : candidates) {
    const Compatibility figures = PairCompatibility(dob, candidate.Dob);
    ranked.push_back(Ranked{Hundredths(figures), ranked.size(), Match{candidate.Number, figures}});
  }
  const auto top = ranked.begin() + static_cast<long>(std::min(count, ranked.size()));
  std::partial_sort(ranked.begin(), top, ranked.end(), [](const Ranked& a, const Ranked& b) {
    return a.key != b.key ? a.key > b.key : a.place < b.place;
  });
  std::vector<Match> best;
  for (auto it = ranked.begin(); it != top; ++it) best.push_back(it->match);
  return best;
}

TeamChemistry Chemistry(GLOBAL& g, const TeamRecord& team, const std::string& eventDate) {
  TeamChemistry chemistry;
  chemistry.Team = team.FileName;
  chemistry.Members = team.Count;
  const std::vector<ChartedMember> members =
      ChartedMembers(g, team, eventDate, false, &chemistry.LeftOut);
  double physical = 0, emotional = 0, intellectual = 0;
  for (std::size_t a = 0; a < members.size(); ++a) {
    for (std::size_t b = a + 1; b < members.size(); ++b) {
      const MemberPair pair{members[a].Name, members[b].Name,
                            PairCompatibility(members[a].Dob, members[b].Dob)};
      physical += pair.Figures.Physical;
      emotional += pair.Figures.Emotional;
      intellectual += pair.Figures.Intellectual;
      ++chemistry.Pairs;
      const long key = Hundredths(pair.Figures);
      if (!chemistry.Best || key > Hundredths(chemistry.Best->Figures)) chemistry.Best = pair;
      if (!chemistry.Worst || key < Hundredths(chemistry.Worst->Figures)) chemistry.Worst = pair;
    }
  }
  if (chemistry.Known()) {
    chemistry.Mean = Compatibility{physical / chemistry.Pairs, emotional / chemistry.Pairs,
                                   intellectual / chemistry.Pairs};
  }
  return chemistry;
}
