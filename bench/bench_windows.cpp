// The windows on a league-sized people database, driven through the real Qt widgets on the
// offscreen platform, each action against a bare QListWidget filled with the same rows and
// sorted, in the same run. The counter "x_bare" is how many bare lists an action costs (target:
// within 1.5); "x_bare_memory" what the open database adds to the heap against what the bare
// list adds (target: within 1.3). Each runs at 1k, 8k and 32,767 persons, to show the cost
// grows linearly. The best matches of a person in the database, ranked alone, should stay within
// one bare list (x_bare below 1). The import window opened on a spreadsheet of 20,000 people is
// measured against one raw read of the file ("x_fread").
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <QApplication>
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <chrono>
#include <map>
#include <memory>
#include <random>

#include "app/br_cp.h"
#include "charts/br_ind.h"
#include "charts/br_match.h"
#include "charts/compatibility.h"
#include "core/cycle_tables.h"
#include "people/br_db.h"
#include "people/br_imp.h"
#include "people/database_file.h"
#include "platform/files.h"
#include "platform/qt/qt_desktop.h"
#include "raw_read.h"
#include "support/doubles.h"
#include "support/test_data.h"
#include "teams/br_tm.h"
#include "teams/team_file.h"

namespace {

using Clock = std::chrono::steady_clock;

// Small blocks and the large ones malloc maps on their own.
size_t HeapInUse() {
  const struct mallinfo2 heap = mallinfo2();
  return heap.uordblks + heap.hblkhd;
}

// Dates of birth over sixty years, so that the persons stand all over each other's cycles.
std::string RandomDob(std::mt19937& random) {
  const Date first{std::chrono::year{1940}, std::chrono::January, std::chrono::day{1}};
  return WriteDate(AddDays(first, static_cast<int>(random() % 21915)));
}

// Names in no order, so that sorting them is real work.
std::string RandomName(std::mt19937& random) {
  std::string name;
  for (int i = 0; i < 8; ++i) name += static_cast<char>('A' + random() % 26);
  return name + " " + std::to_string(random() % 1000);
}

// A data folder with BIG.BDB of n persons (listed first), SMALL.BDB and a team on BIG.BDB, and
// the program on the offscreen screen with its main panel open.
struct League {
  explicit League(int n) : g(Platform{desktop, dialogs, printer, clock, folder.path()}) {
    folder.AddShippedData();
    InitGlobals(g, folder.path());
    LoadCycleTables(g);
    std::mt19937 random(n);
    PeopleDatabase big;
    for (int k = 0; k < n; ++k) AddPerson(RandomName(random), RandomDob(random), big);
    SaveDatabase(g, "BIG", big);
    for (int k = 1; k <= n; ++k) candidates.push_back(Candidate{k, *ReadDate(big.Persons[static_cast<size_t>(k - 1)].Dob)});
    PeopleDatabase small;
    AddPerson("SMALL ONE", "01/01/1980", small);
    SaveDatabase(g, "SMALL", small);
    TeamRecord team;
    team.Database.FileName = "BIG.BDB";
    for (int i = 0; i < TeamRecord::MaxMembers; ++i) {
      AddMember(g, big.Persons[static_cast<size_t>(i * n / TeamRecord::MaxMembers)].Name, "07/04/1970", team);
    }
    SaveTeam(g, "TEAM", team);
    for (const Person& person : big.Persons) rows << QString::fromLatin1(PersonListEntry(person).c_str());
    panel.Open(g);
    bare = BareSeconds();
  }

  // One bare list: made, filled, sorted and painted.
  void BareList() const {
    QListWidget list;
    list.addItems(rows);
    list.sortItems();
    list.show();
    QApplication::processEvents();
  }

  double BareSeconds() const {
    int runs = 0;
    const auto start = Clock::now();
    while (SecondsSince(start) < 0.5 || runs < 3) {
      BareList();
      ++runs;
    }
    return SecondsSince(start) / runs;
  }

  template <class W>
  W* Child(const Form& form, const char* name) const {
    return desktop.Window(form)->findChild<W*>(QString::fromLatin1(name));
  }
  void Press(const Form& form, const char* button) const {
    Child<QPushButton>(form, button)->click();
    QApplication::processEvents();
  }
  // Picks the database in the window's drop-down list as the user does.
  void Pick(const Form& form, const char* combo, const char* name) const {
    auto* list = Child<QComboBox>(form, combo);
    emit list->activated(list->findText(QString::fromLatin1(name)));
    QApplication::processEvents();
  }

  TempFolder folder;
  QtDesktop desktop;
  ScriptedDialogs dialogs;
  RecordingPrinter printer;
  FixedClock clock{Date{std::chrono::year{2005}, std::chrono::June, std::chrono::day{15}}};
  GLOBAL g;
  WindowRef<br_cp> panel;
  QStringList rows;
  // The persons of the big database, as the compatibility window ranks them.
  std::vector<Candidate> candidates;
  double bare = 0;
};

League& LeagueOf(int n) {
  static std::map<int, std::unique_ptr<League>> leagues;
  auto& league = leagues[n];
  if (!league) league = std::make_unique<League>(n);
  return *league;
}

// Times `act` (with `before` and `after` run untimed around it) and reports it in bare lists.
template <class Before, class Act, class After>
void AgainstBare(benchmark::State& state, Before before, Act act, After after) {
  League& league = LeagueOf(static_cast<int>(state.range(0)));
  double seconds = 0;
  for (auto _ : state) {
    before(league);
    const auto start = Clock::now();
    act(league);
    seconds += SecondsSince(start);
    after(league);
    league.dialogs.boxes.clear();
  }
  state.counters["x_bare"] = seconds / static_cast<double>(state.iterations()) / league.bare;
}

void Nothing(League&) {}

void BareList(benchmark::State& state) {
  AgainstBare(state, Nothing, [](League& l) { l.BareList(); }, Nothing);
}

void OpenBioCalendar(benchmark::State& state) {
  AgainstBare(state, Nothing, [](League& l) { l.Press(*l.panel.get(), "Command1"); },
              [](League& l) { l.panel->br_ind->Unload(); });
}

// The window of `ref`, opened by the panel's `button` when it is not open yet.
template <class W>
W& Opened(League& l, WindowRef<W>& ref, const char* button) {
  if (!ref.Loaded()) l.Press(*l.panel.get(), button);
  return *ref.get();
}

// Picks the big database in a window's list after the small one.
template <class W>
void PickBigDatabase(benchmark::State& state, WindowRef<W> br_cp::*ref, const char* button) {
  AgainstBare(
      state, [=](League& l) { l.Pick(Opened(l, l.panel.get()->*ref, button), "DbList", "SMALL.BDB"); },
      [=](League& l) { l.Pick(*(l.panel.get()->*ref).get(), "DbList", "BIG.BDB"); }, Nothing);
}

void PickInBioCalendar(benchmark::State& state) { PickBigDatabase(state, &br_cp::br_ind, "Command1"); }
void PickInDatabaseManager(benchmark::State& state) { PickBigDatabase(state, &br_cp::BR_DB, "Command3"); }

void DeleteInDatabaseManager(benchmark::State& state) {
  AgainstBare(
      state,
      [](League& l) {
        BR_DB& manager = Opened(l, l.panel->BR_DB, "Command3");
        if (manager.DbList.Text() != "BIG.BDB") l.Pick(manager, "DbList", "BIG.BDB");
        manager.Contents.SetListIndex(manager.Contents.ListCount() / 2);
      },
      [](League& l) { l.Press(*l.panel->BR_DB.get(), "DbDelete"); }, Nothing);
}

// The ranking alone: every person of the big database against one date of birth, the top 25.
void RankBestMatches(benchmark::State& state) {
  const Date dob{std::chrono::year{1970}, std::chrono::July, std::chrono::day{4}};
  AgainstBare(state, Nothing, [dob](League& l) { benchmark::DoNotOptimize(BestMatches(dob, l.candidates)); },
              Nothing);
}

// The compatibility window of the first person of the big database, opened from Bio Calendar.
br_match& MatchWindow(League& l) {
  br_ind& calendar = Opened(l, l.panel->br_ind, "Command1");
  if (!calendar.br_match.Loaded()) {
    if (calendar.DbList.Text() != "BIG.BDB") l.Pick(calendar, "DbList", "BIG.BDB");
    calendar.Contents.SetListIndex(0);
    l.Press(calendar, "cb_Match");
  }
  return *calendar.br_match.get();
}

// The whole pick in the compatibility window: the database read, listed, its dates checked and
// its persons ranked.
void PickInCompatibility(benchmark::State& state) {
  AgainstBare(
      state, [](League& l) { l.Pick(MatchWindow(l), "DbList", "SMALL.BDB"); },
      [](League& l) { l.Pick(MatchWindow(l), "DbList", "BIG.BDB"); }, Nothing);
}

void OpenTeamManager(benchmark::State& state) {
  AgainstBare(state, Nothing, [](League& l) { l.Press(*l.panel.get(), "Command2"); },
              [](League& l) { l.panel->BR_TM->Unload(); });
}

// The heap the open Bio Calendar takes on when the big database is picked in it (counted from
// the small one, with nothing else held), against what a bare list of the same rows takes.
void MemoryWithDatabaseOpen(benchmark::State& state) {
  League& league = LeagueOf(static_cast<int>(state.range(0)));
  Opened(league, league.panel->br_ind, "Command1");
  size_t added = 0;
  size_t bare = 0;
  for (auto _ : state) {
    league.Pick(*league.panel->br_ind.get(), "DbList", "SMALL.BDB");
    league.g.IndividualDatabase.Persons.shrink_to_fit();
    const size_t before = HeapInUse();
    league.Pick(*league.panel->br_ind.get(), "DbList", "BIG.BDB");
    added = HeapInUse() - before;

    const size_t empty = HeapInUse();
    auto list = std::make_unique<QListWidget>();
    list->addItems(league.rows);
    list->sortItems();
    list->show();
    QApplication::processEvents();
    bare = HeapInUse() - empty;
  }
  state.counters["bytes_added"] = static_cast<double>(added);
  state.counters["x_bare_memory"] = static_cast<double>(added) / static_cast<double>(bare);
}

// The import window on a spreadsheet of 20,000 people, as the database manager opens it: the
// file read, split, its columns guessed, the plan made and the first rows shown.
void OpenImportWindow(benchmark::State& state) {
  League& league = LeagueOf(1000);
  league.folder.Write("PEOPLE.CSV", SpreadsheetPeople(20000));
  const double raw = RawSeconds(league.folder.path() + "/PEOPLE.CSV");
  double seconds = 0;
  for (auto _ : state) {
    const auto start = Clock::now();
    BR_IMP window(league.g, league.g.ManagerDatabase);
    window.Show();
    window.ShowFile("PEOPLE.CSV", *files::Read(league.folder.path(), "PEOPLE.CSV"));
    QApplication::processEvents();
    seconds += SecondsSince(start);
    window.Unload();
  }
  state.counters["x_fread"] = seconds / static_cast<double>(state.iterations()) / raw;
}

void Sizes(benchmark::internal::Benchmark* b) {
  b->Arg(1000)->Arg(8000)->Arg(32767)->Unit(benchmark::kMillisecond)->Iterations(3);
}

}  // namespace

BENCHMARK(BareList)->Apply(Sizes);
BENCHMARK(OpenBioCalendar)->Apply(Sizes);
BENCHMARK(PickInBioCalendar)->Apply(Sizes);
BENCHMARK(PickInDatabaseManager)->Apply(Sizes);
BENCHMARK(DeleteInDatabaseManager)->Apply(Sizes);
BENCHMARK(OpenTeamManager)->Apply(Sizes);
BENCHMARK(RankBestMatches)->Apply(Sizes);
BENCHMARK(PickInCompatibility)->Apply(Sizes);
BENCHMARK(MemoryWithDatabaseOpen)->Apply(Sizes);
BENCHMARK(OpenImportWindow)->Unit(benchmark::kMillisecond)->Iterations(5);

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
