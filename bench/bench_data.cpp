// Loading and saving a full people database, and charting two full teams, each against one
// std::fread of the same bytes timed in the same run. The counter "x_fread" is how many raw
// reads each one costs; loading should stay within five.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>

#include "charts/team_chart.h"
#include "core/cycle_tables.h"
#include "people/database_file.h"
#include "support/doubles.h"
#include "support/test_data.h"
#include "teams/team_file.h"

namespace {

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

// The whole file in one call, into a buffer made ready beforehand.
void ReadRaw(const std::string& path, std::string& buffer) {
  std::FILE* in = std::fopen(path.c_str(), "rb");
  benchmark::DoNotOptimize(std::fread(buffer.data(), 1, buffer.size(), in));
  std::fclose(in);
}

// Seconds one raw read of the file takes, the mean over a fifth of a second of reads.
double RawSeconds(const std::string& path) {
  std::string buffer(1 << 21, '\0');
  long reads = 0;
  const auto start = Clock::now();
  while (SecondsSince(start) < 0.2) {
    ReadRaw(path, buffer);
    ++reads;
  }
  return SecondsSince(start) / static_cast<double>(reads);
}

struct Setup {
  Setup() : g(Platform{desktop, dialogs, printer, clock, folder.path()}) {
    InitGlobals(g, folder.path());
    folder.AddShippedData();
    LoadCycleTables(g);
    for (int k = 0; k < 32767; ++k) {
      AddPerson("PERSON NUMBER " + std::to_string(k), "07/04/1970", database);
    }
    SaveDatabase(g, "FULL", database);
    team.Database.FileName = "FULL.BDB";
    for (int i = 0; i < TeamRecord::MaxMembers; ++i) {
      const Person& person = database.Persons[static_cast<size_t>(i * 1000)];
      AddMember(g, person.Name, person.Dob, team);
    }
    SaveTeam(g, "FULL", team);
    rawDatabase = RawSeconds(folder.path() + "/FULL.BDB");
    rawTeam = RawSeconds(folder.path() + "/FULL.BTM");
  }
  TempFolder folder;
  FakeDesktop desktop;
  ScriptedDialogs dialogs;
  RecordingPrinter printer;
  FixedClock clock{Date{std::chrono::year{2005}, std::chrono::June, std::chrono::day{15}}};
  GLOBAL g;
  PeopleDatabase database;
  TeamRecord team;
  double rawDatabase = 0;
  double rawTeam = 0;
};

Setup& Shared() {
  static Setup setup;
  return setup;
}

// Runs the step as the benchmark's loop and reports its cost in raw reads of `raw` seconds.
template <class Step>
void AgainstRaw(benchmark::State& state, double raw, Step step) {
  const auto start = Clock::now();
  for (auto _ : state) step();
  state.counters["x_fread"] = SecondsSince(start) / static_cast<double>(state.iterations()) / raw;
}

void RawRead(benchmark::State& state) {
  std::string buffer(1 << 21, '\0');
  const std::string path = Shared().folder.path() + "/FULL.BDB";
  AgainstRaw(state, Shared().rawDatabase, [&] { ReadRaw(path, buffer); });
}

void Load(benchmark::State& state) {
  PeopleDatabase database;
  AgainstRaw(state, Shared().rawDatabase,
             [&] { benchmark::DoNotOptimize(LoadDatabase(Shared().g, "FULL", database)); });
}

void Save(benchmark::State& state) {
  AgainstRaw(state, Shared().rawDatabase, [] {
    benchmark::DoNotOptimize(SaveDatabase(Shared().g, "COPY", Shared().database));
  });
}

// Against reading both teams' files.
void ChartTwoTeams(benchmark::State& state) {
  Setup& s = Shared();
  AgainstRaw(state, 2 * s.rawTeam, [&] {
    benchmark::DoNotOptimize(ChartTeam(s.g, s.team, s.g.GroupEmoUp1, s.g.GroupEmoDown1));
    benchmark::DoNotOptimize(ChartTeam(s.g, s.team, s.g.GroupEmoUp2, s.g.GroupEmoDown2));
  });
}

}  // namespace

BENCHMARK(RawRead)->Unit(benchmark::kMicrosecond);
BENCHMARK(Load)->Unit(benchmark::kMicrosecond);
BENCHMARK(Save)->Unit(benchmark::kMicrosecond);
BENCHMARK(ChartTwoTeams)->Unit(benchmark::kMicrosecond);
