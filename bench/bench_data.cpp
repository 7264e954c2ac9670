// Loading and saving a full people database, charting two full teams, and importing people
// from a spreadsheet's CSV file, each against one std::fread of the same bytes timed in the
// same run. The counter "x_fread" is how many raw reads each one costs; loading should stay
// within five. The import's plan at 1,000, 8,000 and 32,767 rows also gives its cost per row
// ("per_row"), which stays the same as the rows grow.
#include <benchmark/benchmark.h>

#include <chrono>
#include <map>

#include "charts/team_chart.h"
#include "core/cycle_tables.h"
#include "people/database_file.h"
#include "people/person_import.h"
#include "platform/files.h"
#include "raw_read.h"
#include "support/doubles.h"
#include "support/test_data.h"
#include "teams/team_file.h"

namespace {

using Clock = std::chrono::steady_clock;

std::string CsvName(int rows) { return "PEOPLE" + std::to_string(rows) + ".CSV"; }

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
    for (const int rows : {1000, 8000, 20000, 32767}) {
      folder.Write(CsvName(rows), SpreadsheetPeople(rows));
      rawCsv[rows] = RawSeconds(folder.path() + "/" + CsvName(rows));
    }
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
  std::map<int, double> rawCsv;  // by rows
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

// What the import window does on opening a file: read it, split it and guess its columns.
void PreviewCsv(benchmark::State& state) {
  Setup& s = Shared();
  AgainstRaw(state, s.rawCsv[20000], [&] {
    const ImportTable table = ReadImportTable(*files::Read(s.folder.path(), CsvName(20000)));
    benchmark::DoNotOptimize(GuessChoices(table.records));
  });
}

// The whole import of the file into an empty database.
void ImportCsv(benchmark::State& state) {
  Setup& s = Shared();
  AgainstRaw(state, s.rawCsv[20000], [&] {
    const ImportTable table = ReadImportTable(*files::Read(s.folder.path(), CsvName(20000)));
    PeopleDatabase database;
    benchmark::DoNotOptimize(ApplyImport(PlanImport(s.g, table.records, GuessChoices(table.records), database), database));
  });
}

// The plan and its persons added, for files of the given number of rows read beforehand.
void PlanCsv(benchmark::State& state) {
  Setup& s = Shared();
  const int rows = static_cast<int>(state.range(0));
  const ImportTable table = ReadImportTable(*files::Read(s.folder.path(), CsvName(rows)));
  const ImportChoices choices = GuessChoices(table.records);
  AgainstRaw(state, s.rawCsv[rows], [&] {
    PeopleDatabase database;
    benchmark::DoNotOptimize(ApplyImport(PlanImport(s.g, table.records, choices, database), database));
  });
  state.counters["per_row"] =
      benchmark::Counter(rows, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

}  // namespace

BENCHMARK(RawRead)->Unit(benchmark::kMicrosecond);
BENCHMARK(Load)->Unit(benchmark::kMicrosecond);
BENCHMARK(Save)->Unit(benchmark::kMicrosecond);
BENCHMARK(ChartTwoTeams)->Unit(benchmark::kMicrosecond);
BENCHMARK(PreviewCsv)->Unit(benchmark::kMillisecond);
BENCHMARK(ImportCsv)->Unit(benchmark::kMillisecond);
BENCHMARK(PlanCsv)->Arg(1000)->Arg(8000)->Arg(32767)->Unit(benchmark::kMillisecond);
