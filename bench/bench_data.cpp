// Loading and saving a full people database, and charting two full teams, each against one
// std::fread of the same bytes measured in the same run. Compare the reported times: loading
// should stay within five times the raw read.
#include <benchmark/benchmark.h>

#include <cstdio>

#include "charts/team_chart.h"
#include "core/cycle_tables.h"
#include "people/database_file.h"
#include "support/doubles.h"
#include "support/test_data.h"

namespace {

struct Setup {
  Setup() : g(Platform{desktop, dialogs, printer, clock}, folder.path()) {
    InitGlobals(g);
    folder.AddShippedData();
    LoadCycleTables(g);
    for (int k = 0; k < 32767; ++k) {
      AddPerson("PERSON NUMBER " + std::to_string(k), "07/04/1970", database);
    }
    SaveDatabase(g, "FULL", database);
    for (int i = 0; i < TeamRecord::MaxMembers; ++i) {
      team.Members[static_cast<size_t>(i + 1)] = database.Persons[static_cast<size_t>(i)];
    }
    team.Count = TeamRecord::MaxMembers;
  }
  TempFolder folder;
  FakeDesktop desktop;
  ScriptedDialogs dialogs;
  RecordingPrinter printer;
  FixedClock clock{Date{std::chrono::year{2005}, std::chrono::June, std::chrono::day{15}}};
  GLOBAL g;
  PeopleDatabase database;
  TeamRecord team;
};

Setup& Shared() {
  static Setup setup;
  return setup;
}

void RawRead(benchmark::State& state) {
  const std::string path = Shared().folder.path() + "/FULL.BDB";
  std::string buffer(1 << 21, '\0');
  for (auto _ : state) {
    std::FILE* in = std::fopen(path.c_str(), "rb");
    benchmark::DoNotOptimize(std::fread(buffer.data(), 1, buffer.size(), in));
    std::fclose(in);
  }
}

void Load(benchmark::State& state) {
  PeopleDatabase database;
  for (auto _ : state) benchmark::DoNotOptimize(LoadDatabase(Shared().g, "FULL", database));
}

void Save(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(SaveDatabase(Shared().g, "COPY", Shared().database));
}

void ChartTwoTeams(benchmark::State& state) {
  Setup& s = Shared();
  for (auto _ : state) {
    benchmark::DoNotOptimize(ChartTeam(s.g, s.team, s.g.GroupEmoUp1, s.g.GroupEmoDown1));
    benchmark::DoNotOptimize(ChartTeam(s.g, s.team, s.g.GroupEmoUp2, s.g.GroupEmoDown2));
  }
}

}  // namespace

BENCHMARK(RawRead)->Unit(benchmark::kMicrosecond);
BENCHMARK(Load)->Unit(benchmark::kMicrosecond);
BENCHMARK(Save)->Unit(benchmark::kMicrosecond);
BENCHMARK(ChartTwoTeams)->Unit(benchmark::kMicrosecond);
