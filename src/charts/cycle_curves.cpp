#include "charts/cycle_curves.h"

#include <algorithm>
#include <cmath>

#include "charts/day_plot.h"
#include "charts/team_chart.h"
#include "core/cycle_sine.h"
#include "core/cycle_waves.h"

namespace {

constexpr Colour Ink{0, 0, 0};

// The day a critical cycle changes sides.
constexpr char Critical = '*';
// A day above or below the line stands at least this far from it, whatever its scale value.
constexpr double LeastHeight = 0.1;

char SymbolOf(const DayState& state, int cycle) {
  const char symbols[3] = {state.PhysicalSymbol, state.EmotionalSymbol, state.IntellectualSymbol};
  return symbols[cycle];
}

double ScaleOf(const DayState& state, int cycle) {
  const double scales[3] = {state.PhysicalScale, state.EmotionalScale, state.IntellectualScale};
  return scales[cycle];
}

// The largest scale value of a table, by size: what stands at the top of the plot.
template <size_t N>
double Amplitude(const std::array<double, N>& scale) {
  double largest = 0;
  for (size_t entry = 1; entry < N; ++entry) largest = std::max(largest, std::abs(scale[entry]));
  return largest > 0 ? largest : 1;
}

// Above the line, below it, or on it.
int Side(char symbol) { return IsUp(symbol) ? 1 : IsDown(symbol) ? -1 : 0; }

double Height(char symbol, double scale, double amplitude) {
  return Side(symbol) * std::clamp(std::abs(scale) / amplitude, LeastHeight, 1.0);
}

template <size_t N>
bool FollowsSine(const std::array<char, N>& symbols) {
  constexpr int length = static_cast<int>(N) - 1;
  for (int entry = 1; entry <= length; ++entry) {
    if (Side(symbols[entry]) != Side(SineEntryOf(entry, length).Symbol)) return false;
  }
  return true;
}

std::vector<int> CriticalCycles(const DayState& state) {
  std::vector<int> cycles;
  for (int cycle = 0; cycle < 3; ++cycle) {
    if (SymbolOf(state, cycle) == Critical) cycles.push_back(cycle);
  }
  return cycles;
}

}  // namespace

CycleCurves ChartCycles(const GLOBAL& g, Date dob, Date event, Date first) {
  CycleCurves curves{dob, event, first, {}, {}, {}};
  curves.FollowsSine = {FollowsSine(g.PhysicalSymbols), FollowsSine(g.EmotionalSymbols),
                        FollowsSine(g.IntellectualSymbols)};
  const double amplitudes[3] = {Amplitude(g.PhysicalScale), Amplitude(g.EmotionalScale),
                                Amplitude(g.IntellectualScale)};
  curves.States = DayStates(g, dob, first, CurveDays);
  for (const std::optional<DayState>& state : curves.States) {
    for (int cycle = 0; cycle < 3; ++cycle) {
      std::optional<double> height;
      if (state) height = Height(SymbolOf(*state, cycle), ScaleOf(*state, cycle), amplitudes[cycle]);
      curves.Heights[cycle].push_back(height);
    }
  }
  return curves;
}

std::vector<std::optional<DayState>> DayStates(const GLOBAL& g, Date dob, Date first, int days) {
  std::vector<std::optional<DayState>> states;
  for (int day = 0; day < days; ++day) {
    const Date date = AddDays(first, day);
    std::optional<DayState> state;
    if (DaysBetween(dob, date) >= 0) state = StateOn(g, dob, date);
    states.push_back(state);
  }
  return states;
}

std::vector<CriticalDay> CriticalDays(const std::vector<std::optional<DayState>>& states,
                                      Date first) {
  std::vector<CriticalDay> days;
  for (size_t day = 0; day < states.size(); ++day) {
    if (!states[day]) continue;
    std::vector<int> cycles = CriticalCycles(*states[day]);
    if (cycles.empty()) continue;
    days.push_back(CriticalDay{AddDays(first, static_cast<int>(day)), std::move(cycles)});
  }
  return days;
}

std::string CycleList(const CriticalDay& day) {
  std::string list;
  for (const int cycle : day.Cycles) {
    if (!list.empty()) list += " + ";
    list += CycleNames[cycle];
  }
  return list;
}

std::string Multiple(const CriticalDay& day) {
  static const char* const Multiples[] = {"", "", "double", "triple"};
  return Multiples[day.Cycles.size()];
}

std::string CriticalText(const CriticalDay& day) {
  const std::string multiple = Multiple(day);
  return CycleList(day) + (multiple.empty() ? "" : " (" + multiple + ")");
}

std::vector<std::string> CriticalDayRows(const CycleCurves& curves) {
  std::vector<std::string> rows;
  for (const CriticalDay& day : CriticalDays(curves.States, curves.First)) {
    rows.push_back(WriteDate(day.Day) + "  " + CriticalText(day));
  }
  return rows;
}

// A row of marks for each cycle that can be critical on the same day.
DayPlot CurvePlot(const CycleCurves& curves, int width, int height) {
  return DayPlot(width, height, curves.First, CurveDays, 3);
}

void DrawCycles(Drawing& drawing, const CycleCurves& curves, int width, int height) {
  const DayPlot plot = CurvePlot(curves, width, height);
  std::vector<DayPlot::Entry> legend;
  for (int cycle = 0; cycle < 3; ++cycle) {
    legend.push_back(DayPlot::Entry{CycleNames[cycle], CycleInks[cycle]});
  }
  const int next = plot.Legend(drawing, legend);
  DayPlot::Mark(drawing, Point{next, 75}, Ink);
  drawing.Text(Point{next + 120, 60}, "Critical day", DayPlot::Lettering, Ink, Drawing::Align::Left);

  plot.Frame(drawing, 7, "+", "-", static_cast<int>(DaysBetween(curves.First, curves.Event)));
  // A day's column covers that day of the life: the period's first day starts its days after
  // birth at the left edge. No curve runs before birth.
  const double first = static_cast<double>(DaysBetween(curves.Dob, curves.First));
  const LifeSpan period{plot.Area(), first, first + CurveDays};
  for (int cycle = 0; cycle < 3; ++cycle) {
    if (curves.FollowsSine[cycle]) {
      DrawCycleWave(drawing, period, cycle, std::max(0.0, period.From), period.To, 30);
    } else {
      plot.Series(drawing, curves.Heights[cycle], CycleInks[cycle], true);
    }
  }
  for (size_t day = 0; day < curves.States.size(); ++day) {
    if (!curves.States[day]) continue;
    const std::vector<int> cycles = CriticalCycles(*curves.States[day]);
    for (size_t row = 0; row < cycles.size(); ++row) {
      DayPlot::Mark(drawing, Point{plot.X(static_cast<int>(day)), plot.MarkY(static_cast<int>(row))},
                    CycleInks[cycles[row]]);
    }
  }
}
