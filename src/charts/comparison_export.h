// The team comparison as a table for spreadsheets: what the window shows, one value a column.
#pragma once

#include <string>

#include "charts/team_chart.h"

// A side of the comparison as last charted: the team's file and its chart.
struct ChartedTeam {
  std::string FileName;
  TeamChart Chart;
};

// Every row starts with the event date and the team. Each charted member's row holds its name
// and its three symbols; then come the team's scale sums (under the cycles' columns), its double
// pluses, its emotional ups and downs and its balance (under "Count"); the last row holds the
// grand total of both teams.
std::string ComparisonCsv(Date eventDate, const ChartedTeam& team1, const ChartedTeam& team2);
