// One side of the team comparison: a chart line per member and the side's totals.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/globals.h"

struct TeamChart {
  std::vector<std::string> Lines;  // one per charted member, in member order
  std::string Sums;                // " Phy = ...    Emo = ...    Intellect = ..."
  std::string DoublePluses;        // "  Double pluses  = N"
  std::string Balance;             // "   UP  DOWN  =  SUM"
};

// Charts the team for EventDate; members that fail CheckDates are left out (their message is
// shown). Sets the side's emotional counters.
TeamChart ChartTeam(GLOBAL& g, const TeamRecord& team, std::int16_t& emoUp,
                    std::int16_t& emoDown);
// "  Total = " and the sum of the four emotional counters.
std::string GrandTotal(const GLOBAL& g);
// The chart line of one member: name field of 21, then the three symbols.
std::string ChartLine(const std::string& name, char physical, char emotional, char intellectual);
