// Two teams compared on each of the four weeks from the event date: each team's emotional
// balance and double pluses, their sum, and team 1's edge over team 2.
#pragma once

#include <string>
#include <vector>

#include "core/globals.h"
#include "platform/drawing.h"

inline constexpr int OutlookDays = 28;

struct OutlookDay {
  Date Day;
  int Balance1 = 0, Pluses1 = 0;
  int Balance2 = 0, Pluses2 = 0;
  int Total() const { return Balance1 + Balance2; }
  int Edge() const { return Balance1 - Balance2; }
};

struct TeamOutlook {
  std::string Team1, Team2;  // the team files
  std::vector<OutlookDay> Days;
  // Team 1's best day has the highest edge, team 2's the lowest; the earliest of equal days.
  const OutlookDay& BestFor1() const;
  const OutlookDay& BestFor2() const;
};

// Charts both teams on each of the four weeks from the event date, which is a date, or on the
// days up to the last day a date can be written when they end sooner. Members whose dates fail
// the checks are left out without a word: the comparison has told of them already.
TeamOutlook Outlook(GLOBAL& g, const TeamRecord& team1, const TeamRecord& team2,
                    const std::string& eventDate);

// The heading of the day rows, and one day's row, in columns for a fixed-pitch font.
extern const char* const OutlookHeading;
std::string OutlookRow(const OutlookDay& day);
// "06/18/2005 (edge 5)"
std::string BestDayText(const OutlookDay& day);

// Both balances and the edge over the period, with their legend and the dates.
void DrawOutlook(Drawing& drawing, const TeamOutlook& outlook, int width, int height);
