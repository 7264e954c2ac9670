#include "charts/team_outlook.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "charts/day_plot.h"
#include "charts/team_chart.h"

namespace {

constexpr Colour Team1Ink{220, 110, 0};
constexpr Colour Team2Ink{120, 40, 170};
constexpr Colour EdgeInk{0, 120, 120};

// The first of the days whose key is the largest.
template <class Key>
const OutlookDay& Best(const std::vector<OutlookDay>& days, Key key) {
  return *std::max_element(days.begin(), days.end(),
                           [&key](const OutlookDay& a, const OutlookDay& b) { return key(a) < key(b); });
}

// A number with its sign, plus or minus.
std::string Signed(int number) {
  char text[16];
  std::snprintf(text, sizeof text, "%+d", number);
  return text;
}

}  // namespace

const char* const OutlookHeading = "Date        Balance 1  Pluses 1  Balance 2  Pluses 2  Total  Edge";

const OutlookDay& TeamOutlook::BestFor1() const {
  return Best(Days, [](const OutlookDay& day) { return day.Edge(); });
}

const OutlookDay& TeamOutlook::BestFor2() const {
  return Best(Days, [](const OutlookDay& day) { return -day.Edge(); });
}

TeamOutlook Outlook(GLOBAL& g, const TeamRecord& team1, const TeamRecord& team2,
                    const std::string& eventDate) {
  TeamOutlook outlook{team1.FileName, team2.FileName, {}};
  const std::vector<ChartedMember> members1 = ChartedMembers(g, team1, eventDate, false);
  const std::vector<ChartedMember> members2 = ChartedMembers(g, team2, eventDate, false);
  const Date first = *ReadDate(eventDate);
  // The outlook looks ahead from the event date: near the last day a date can be written it
  // holds the days up to it, rather than days before the event date.
  const int days = static_cast<int>(std::min<long>(OutlookDays, DaysBetween(first, LastDate) + 1));
  for (int day = 0; day < days; ++day) {
    const Date date = AddDays(first, day);
    const SideDay side1 = ChartSide(g, members1, date);
    const SideDay side2 = ChartSide(g, members2, date);
    outlook.Days.push_back(
        OutlookDay{date, side1.Balance(), side1.DoublePluses, side2.Balance(), side2.DoublePluses});
  }
  return outlook;
}

std::string OutlookRow(const OutlookDay& day) {
  char row[96];
  std::snprintf(row, sizeof row, "%s  %9d  %8d  %9d  %8d  %5d  %4d", WriteDate(day.Day).c_str(),
                day.Balance1, day.Pluses1, day.Balance2, day.Pluses2, day.Total(), day.Edge());
  return row;
}

std::string BestDayText(const OutlookDay& day) {
  return WriteDate(day.Day) + " (edge " + std::to_string(day.Edge()) + ")";
}

void DrawOutlook(Drawing& drawing, const TeamOutlook& outlook, int width, int height) {
  if (outlook.Days.empty()) return;
  int largest = 1;
  for (const OutlookDay& day : outlook.Days) {
    largest = std::max({largest, std::abs(day.Balance1), std::abs(day.Balance2), std::abs(day.Edge())});
  }
  std::vector<std::optional<double>> balance1, balance2, edge;
  for (const OutlookDay& day : outlook.Days) {
    balance1.push_back(static_cast<double>(day.Balance1) / largest);
    balance2.push_back(static_cast<double>(day.Balance2) / largest);
    edge.push_back(static_cast<double>(day.Edge()) / largest);
  }
  const DayPlot plot(width, height, outlook.Days.front().Day, static_cast<int>(outlook.Days.size()));
  plot.Legend(drawing, {{"Balance of " + outlook.Team1, Team1Ink},
                        {"Balance of " + outlook.Team2, Team2Ink},
                        {"Edge", EdgeInk}});
  plot.Frame(drawing, 7, Signed(largest), Signed(-largest), 0);
  plot.Series(drawing, balance1, Team1Ink, false);
  plot.Series(drawing, balance2, Team2Ink, false);
  plot.Series(drawing, edge, EdgeInk, false);
}
