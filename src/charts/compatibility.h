// How well two people's cycles run together, the best matches for a person among many, and a
// team's chemistry. For each cycle of length p, with d the days between the two dates of birth,
// the cycle's figure is 100 * |cos(pi * d / p)| percent: 100 when the two cycles run in step,
// 0 when they run half a cycle apart. The overall figure is the mean of the three. None of it
// depends on an event date.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "core/globals.h"

struct Compatibility {
  double Physical = 0, Emotional = 0, Intellectual = 0;  // percent, 0 to 100
  double Overall() const { return (Physical + Emotional + Intellectual) / 3; }
};

// The figure of one cycle for two dates of birth `days` apart (either sign).
double CycleCompatibility(long days, int length);
Compatibility PairCompatibility(Date dob1, Date dob2);
// A figure as shown and printed, to two decimals: "22.25", "100.00".
std::string Percent(double figure);
// What the reports say the formula is, line by line, and the windows as one text.
inline constexpr const char* CompatibilityFormulaLines[3] = {
    "Each cycle: 100 * |cos(pi * d / p)| percent, d the days between",
    "the dates of birth, p the cycle's length (23, 28 or 33 days).",
    "Overall: the mean of the three cycles."};
std::string CompatibilityFormula();

// A person of a database whose date of birth passed the checks: the record's number and date.
struct Candidate {
  int Number = 0;
  Date Dob;
};

struct Match {
  int Number = 0;
  Compatibility Figures;
};

// The candidates ranked by overall figure against the date of birth, best first, at most
// `count` of them. Figures that show the same to the hundredth are equal, and equals keep the
// candidates' order.
std::vector<Match> BestMatches(Date dob, const std::vector<Candidate>& candidates,
                               std::size_t count = 25);

struct MemberPair {
  std::string First, Second;
  Compatibility Figures;
};

// A team's chemistry: the mean of each cycle's figure over all pairs of the members counted,
// with the most and the least compatible pair (the first of equal pairs, in member order).
struct TeamChemistry {
  std::string Team;                  // the team file
  int Members = 0;                   // the team's members, counted or not
  std::vector<std::string> LeftOut;  // members the comparison refused, in member order
  int Pairs = 0;
  Compatibility Mean;
  std::optional<MemberPair> Best, Worst;
  // Fewer than two members counted make no pair, and no chemistry.
  bool Known() const { return Pairs > 0; }
};

// The chemistry of the team's members that the comparison charts on the event date; those it
// refuses are left out without a word, the comparison has told of them already.
TeamChemistry Chemistry(GLOBAL& g, const TeamRecord& team, const std::string& eventDate);
