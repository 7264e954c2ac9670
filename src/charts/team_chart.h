// One side of the team comparison: a chart line per member and the side's totals, on the
// event date or, for the outlook, on any day after it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/globals.h"

// A member whose dates passed the checks against the event date.
struct ChartedMember {
  std::string Name;
  Date Dob;
};

// A charted member's symbols on the day.
struct MemberDay {
  std::string Name;
  char Physical, Emotional, Intellectual;
};

// What one side counts on one day.
struct SideDay {
  std::vector<MemberDay> Members;  // in member order
  // The scale sums; none while no member was added.
  std::optional<double> PhysicalSum, EmotionalSum, IntellectualSum;
  int DoublePluses = 0;
  int EmoUp = 0;    // members whose emotional symbol is up
  int EmoDown = 0;  // minus the members whose emotional symbol is down
  int Balance() const { return EmoUp + EmoDown; }
};

struct TeamChart {
  SideDay Day;                     // what the texts show
  std::vector<std::string> Lines;  // one per charted member, in member order
  std::string Sums;                // " Phy = ...    Emo = ...    Intellect = ..."
  std::string DoublePluses;        // "  Double pluses  = N"
  std::string Balance;             // "   UP  DOWN  =  SUM"
};

// The symbols the counts take as up ("#", "+", "H") and as emotionally down ("X", "-").
bool IsUp(char symbol);
bool IsDown(char symbol);

// The team's members whose dates pass CheckDates against the event date, in member order.
// With `tell`, each member left out is reported with CheckDates's message; with `leftOut`, their
// names are added to it.
std::vector<ChartedMember> ChartedMembers(GLOBAL& g, const TeamRecord& team,
                                          const std::string& eventDate, bool tell,
                                          std::vector<std::string>* leftOut = nullptr);
// One side on one day, the event date or a later one.
SideDay ChartSide(const GLOBAL& g, const std::vector<ChartedMember>& members, Date day);

// Charts the team for EventDate; members that fail CheckDates are left out (their message is
// shown). Sets the side's emotional counters.
TeamChart ChartTeam(GLOBAL& g, const TeamRecord& team, std::int16_t& emoUp,
                    std::int16_t& emoDown);
// A scale sum as the chart writes it: the plain number, empty when no member was added.
std::string SumText(const std::optional<double>& sum);
// "  Total = " and the sum of the four emotional counters.
std::string GrandTotal(const GLOBAL& g);
// The chart line of one member: name field of 21, then the three symbols.
std::string ChartLine(const std::string& name, char physical, char emotional, char intellectual);
