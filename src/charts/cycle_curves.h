// One person's three cycles over a period of days: the curves the curve window draws and the
// critical days it lists.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "charts/day_plot.h"
#include "core/cycle_inks.h"
#include "core/cycle_tables.h"
#include "core/globals.h"
#include "platform/drawing.h"

// The period shown: from a week before the event date to four weeks after it.
inline constexpr int DaysBeforeEvent = 7;
inline constexpr int CurveDays = DaysBeforeEvent + 28 + 1;

// The physical, emotional and intellectual cycle as the curves name them; CycleInks colours them.
inline constexpr const char* CycleNames[3] = {"Physical", "Emotional", "Intellectual"};

struct CycleCurves {
  Date Dob;
  Date Event;
  Date First;  // the first day of the period
  // The state of each day of the period; none before the day of birth.
  std::vector<std::optional<DayState>> States;
  // Whether each cycle's (physical, emotional, intellectual) symbol table is the one its sine
  // makes: then the curve is that sine.
  std::array<bool, 3> FollowsSine{};
  // Otherwise the curve runs through the middle of each day at the day's height, from -1 to 1:
  // the day's symbol tells on which side of the middle line, the scale value how far.
  std::array<std::vector<std::optional<double>>, 3> Heights;
};

CycleCurves ChartCycles(const GLOBAL& g, Date dob, Date event, Date first);

// The state of each of a run of days from the first; none before the day of birth.
std::vector<std::optional<DayState>> DayStates(const GLOBAL& g, Date dob, Date first, int days);

// A day on which one or more cycles are critical.
struct CriticalDay {
  Date Day;
  std::vector<int> Cycles;  // by their place in CycleNames
};

// The critical days among the states of a run of days from the first.
std::vector<CriticalDay> CriticalDays(const std::vector<std::optional<DayState>>& states, Date first);
// The critical cycles: "Physical", "Emotional + Intellectual", ...
std::string CycleList(const CriticalDay& day);
// "double" or "triple" when more than one cycle is critical; empty otherwise.
std::string Multiple(const CriticalDay& day);
// Both: "Physical", "Physical + Emotional (double)", ...
std::string CriticalText(const CriticalDay& day);

// One row per day of the period on which a cycle is critical: the date and its CriticalText.
std::vector<std::string> CriticalDayRows(const CycleCurves& curves);

// Where the days and heights of the period stand in a picture of this size.
DayPlot CurvePlot(const CycleCurves& curves, int width, int height);
// The curves with their legend, the dates, the event date and a mark per critical cycle under
// each critical day. Each curve stands above the middle line in the middle of a day whose symbol
// is an up symbol, below it on a down symbol, and touches or crosses it on any other day.
void DrawCycles(Drawing& drawing, const CycleCurves& curves, int width, int height);
