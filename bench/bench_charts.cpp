// Opening the outlook and the curve windows. The outlook's computation, two teams of 25 over
// 28 days, is timed against one comparison of the same teams (ChartTeam of each side) in the
// same run: the counter "x_ChartTeam" is how many comparisons it costs, and "x_frame" is the
// share of one frame at 60 Hz that opening takes (it should stay below 1).
#include <benchmark/benchmark.h>

#include <chrono>

#include "charts/cycle_curves.h"
#include "charts/team_chart.h"
#include "charts/team_outlook.h"
#include "core/cycle_tables.h"
#include "support/doubles.h"
#include "support/test_data.h"
#include "teams/team_file.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr double Frame = 1.0 / 60;
const Date EventDay{std::chrono::year{2005}, std::chrono::June, std::chrono::day{15}};

double SecondsSince(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

struct Setup {
  Setup() : g(Platform{desktop, dialogs, printer, clock, folder.path()}) {
    InitGlobals(g, folder.path());
    folder.AddShippedData();
    LoadCycleTables(g);
    g.EventDate = WriteDate(EventDay);
    // Birthdays a little over a month apart, so that the members stand all over their cycles.
    for (int k = 0; k < TeamRecord::MaxMembers; ++k) {
      const Date born{std::chrono::year{1975}, std::chrono::January, std::chrono::day{1}};
      AddMember(g, "FIRST TEAM " + std::to_string(k), WriteDate(AddDays(born, 37 * k)), team1);
      AddMember(g, "SECOND TEAM " + std::to_string(k), WriteDate(AddDays(born, 41 * k + 5)), team2);
    }
    const auto start = Clock::now();
    long comparisons = 0;
    while (SecondsSince(start) < 0.2) {
      Compare();
      ++comparisons;
    }
    comparison = SecondsSince(start) / static_cast<double>(comparisons);
  }
  // One comparison: each side charted once.
  void Compare() {
    benchmark::DoNotOptimize(ChartTeam(g, team1, g.GroupEmoUp1, g.GroupEmoDown1));
    benchmark::DoNotOptimize(ChartTeam(g, team2, g.GroupEmoUp2, g.GroupEmoDown2));
  }
  TempFolder folder;
  FakeDesktop desktop;
  ScriptedDialogs dialogs;
  RecordingPrinter printer;
  FixedClock clock{EventDay};
  GLOBAL g;
  TeamRecord team1, team2;
  double comparison = 0;
};

Setup& Shared() {
  static Setup setup;
  return setup;
}

template <class Step>
void Timed(benchmark::State& state, Step step) {
  const auto start = Clock::now();
  for (auto _ : state) step();
  const double each = SecondsSince(start) / static_cast<double>(state.iterations());
  state.counters["x_ChartTeam"] = each / Shared().comparison;
  state.counters["x_frame"] = each / Frame;
}

void OneComparison(benchmark::State& state) {
  Timed(state, [] { Shared().Compare(); });
}

void OutlookOfTwoTeams(benchmark::State& state) {
  Setup& s = Shared();
  Timed(state, [&s] { benchmark::DoNotOptimize(Outlook(s.g, s.team1, s.team2, s.g.EventDate)); });
}

// The curves of one member computed and drawn, as the window opens on them.
void Curves(benchmark::State& state) {
  Setup& s = Shared();
  const Date dob = *ReadDate(s.team1.Members[1].Dob);
  Timed(state, [&s, dob] {
    const CycleCurves curves = ChartCycles(s.g, dob, EventDay, AddDays(EventDay, -DaysBeforeEvent));
    RecordingDrawing drawing;
    DrawCycles(drawing, curves, 10800, 5400);
    benchmark::DoNotOptimize(CriticalDayRows(curves));
    benchmark::DoNotOptimize(drawing.strokes.size());
  });
}

}  // namespace

BENCHMARK(OneComparison)->Unit(benchmark::kMicrosecond);
BENCHMARK(OutlookOfTwoTeams)->Unit(benchmark::kMicrosecond);
BENCHMARK(Curves)->Unit(benchmark::kMicrosecond);
