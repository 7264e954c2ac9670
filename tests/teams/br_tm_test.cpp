// The team manager's team commands, driven through its controls with scripted answers.
#include "teams/br_tm.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>

#include "core/br_cp.h"
#include "core/file_names.h"
#include "people/br_db.h"
#include "support/file_size_limit.h"
#include "support/team_manager.h"

using testing::ElementsAre;
using testing::IsEmpty;

namespace {

const char* const CreateError = "Team Create Error";
const std::string SaveAbc = "Team ABC.BTM modified ! Save changes ?";
const std::string OverwritePersonal = "Team PERSONAL.BTM already exists ! Overwrite ?";
const std::string DeleteAbc = "Delete team : ABC.BTM ? ";
const Names Abc{"PEOPLE.BDB", "ADAMS", "BROWN", "CLARK"};
const Names AbcDixon{"PEOPLE.BDB", "ADAMS", "BROWN", "CLARK", "DIXON"};
const Names Personal{"PERSONAL.BDB"};
const Answer OK = Answer::OK, Cancel = Answer::Cancel;

TEST_F(TeamManager, OpensThePersonalTeamElseTheFirstListed) {
  const struct {
    const char* personal;  // what PERSONAL.BTM holds; none: no such file
    bool abc;              // ABC.BTM is there
    const char* shown;
    const char* database;
    Names persons;
    size_t boxes;
  } cases[] = {
      {"PERSONAL.BDB\r\n", true, "PERSONAL.BTM", "PERSONAL.BDB", {"ZED"}, 0},
      {nullptr, true, "ABC.BTM", "PEOPLE.BDB", {"ADAMS", "BROWN", "CLARK", "DIXON"}, 0},
      {nullptr, false, "", "PERSONAL.BDB", {}, 0},
      // Told once each: the missing database, then the team that needs it.
      {"GONE.BDB\r\n", false, "PERSONAL.BTM", "GONE.BDB", {}, 2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.shown);
    tm().DbClose.Click();
    InitTeam(g.ManagerTeam);  // the team as after start-up
    c.personal ? folder.Write("PERSONAL.BTM", c.personal) : folder.Remove("PERSONAL.BTM");
    if (!c.abc) folder.Remove("ABC.BTM");
    dialogs.boxes.clear();
    g.br_cp->Command2.Click();

    EXPECT_EQ(tm().TmList.Text(), c.shown);
    EXPECT_EQ(tm().DbLabel.Caption(), c.database);
    EXPECT_EQ(Rows(tm().DbContents), c.persons);
    EXPECT_EQ(g.InsertRow, tm().TmContents.ListCount());
    EXPECT_FALSE(tm().DbSave.Visible() || tm().cmdUp.Enabled() || tm().cmdDown.Enabled());
    ASSERT_EQ(dialogs.boxes.size(), c.boxes);
    if (c.boxes > 0) {
      EXPECT_EQ(dialogs.Last(), "Error loading team : " + TeamPath(g, c.shown));
    }
  }
}

// Each case starts on ABC.BTM with DIXON added and not saved.
struct Case {
  const char* what;
  std::deque<std::string> inputs;
  std::deque<Answer> answers;
  std::function<void(TeamManager&)> act;
  Names questions;
  std::string shown;
  std::map<std::string, std::optional<Names>> files;  // nothing: no such file
  // No file can be written: the team asked to be saved stays open with its changes.
  bool diskFull = false;
};

void PrintTo(const Case& c, std::ostream* out) { *out << c.what; }

class TeamCommands : public TeamManager, public testing::WithParamInterface<Case> {};

std::function<void(TeamManager&)> Press(Button BR_TM::*button) {
  return [=](TeamManager& t) { (t.tm().*button).Click(); };
}
void PickPersonal(TeamManager& t) { t.tm().TmList.SetText("PERSONAL.BTM"); }
void ClosePanel(TeamManager& t) { t.g.br_cp->Unload(); }

INSTANTIATE_TEST_SUITE_P(
    EveryAnswer, TeamCommands,
    testing::Values(
        Case{"NewSaving", {"pga", "pga"}, {OK}, Press(&BR_TM::DbNew), {SaveAbc}, "PGA.BTM",
             {{"ABC.BTM", AbcDixon}, {"PGA.BTM", Names{"PGA.BDB"}}}},
        Case{"NewDiscardingThenNoName", {""}, {Cancel}, Press(&BR_TM::DbNew), {SaveAbc},
             "ABC.BTM", {{"ABC.BTM", Abc}}},
        Case{"NewKeepingExisting", {"personal"}, {Cancel, Cancel}, Press(&BR_TM::DbNew),
             {SaveAbc, OverwritePersonal}, "ABC.BTM", {{"PERSONAL.BTM", Personal}}},
        Case{"NewOverwriting", {"Personal", "pga"}, {Cancel, OK}, Press(&BR_TM::DbNew),
             {SaveAbc, OverwritePersonal}, "PERSONAL.BTM",
             {{"PERSONAL.BTM", Names{"PGA.BDB"}}, {"ABC.BTM", Abc}}},
        Case{"NewWithoutDatabase", {"fresh"}, {Cancel}, Press(&BR_TM::DbNew), {SaveAbc},
             "ABC.BTM", {{"FRESH.BTM", std::nullopt}}},
        Case{"SaveAsNew", {"copy"}, {}, Press(&BR_TM::DbSaveAs), {}, "COPY.BTM",
             {{"COPY.BTM", AbcDixon}, {"ABC.BTM", Abc}}},
        Case{"SaveAsOverwriting", {"personal.btm"}, {OK}, Press(&BR_TM::DbSaveAs),
             {OverwritePersonal}, "PERSONAL.BTM", {{"PERSONAL.BTM", AbcDixon}, {"ABC.BTM", Abc}}},
        Case{"SaveAsKeepingExisting", {"personal"}, {Cancel}, Press(&BR_TM::DbSaveAs),
             {OverwritePersonal}, "ABC.BTM", {{"PERSONAL.BTM", Personal}}},
        Case{"SaveAsNoName", {}, {}, Press(&BR_TM::DbSaveAs), {}, "ABC.BTM", {{"ABC.BTM", Abc}}},
        Case{"Save", {}, {}, Press(&BR_TM::DbSave), {}, "ABC.BTM", {{"ABC.BTM", AbcDixon}}},
        Case{"RemoveCancelled", {}, {Cancel}, Press(&BR_TM::DbRemove), {DeleteAbc}, "ABC.BTM",
             {{"ABC.BTM", Abc}}},
        // The removed team's changes are dropped, never offered for saving over the personal
        // team.
        Case{"RemoveDroppingChanges", {}, {OK}, Press(&BR_TM::DbRemove), {DeleteAbc},
             "PERSONAL.BTM", {{"ABC.BTM", std::nullopt}, {"PERSONAL.BTM", Personal}}},
        Case{"PickDiscarding", {}, {Cancel}, PickPersonal, {SaveAbc}, "PERSONAL.BTM",
             {{"ABC.BTM", Abc}}},
        Case{"CloseSaving", {}, {OK}, Press(&BR_TM::DbClose), {SaveAbc}, "ABC.BTM",
             {{"ABC.BTM", AbcDixon}}},
        Case{"PanelClosing", {}, {OK}, ClosePanel, {SaveAbc}, "ABC.BTM",
             {{"ABC.BTM", AbcDixon}}},
        Case{"CloseOnAFullDisk", {}, {OK}, Press(&BR_TM::DbClose), {SaveAbc}, "ABC.BTM",
             {{"ABC.BTM", Abc}}, true},
        Case{"PanelClosingOnAFullDisk", {}, {OK}, ClosePanel, {SaveAbc}, "ABC.BTM",
             {{"ABC.BTM", Abc}}, true},
        Case{"PickOnAFullDisk", {}, {OK}, PickPersonal, {SaveAbc}, "ABC.BTM",
             {{"ABC.BTM", Abc}}, true},
        Case{"NewOnAFullDisk", {"pga", "pga"}, {OK}, Press(&BR_TM::DbNew), {SaveAbc}, "ABC.BTM",
             {{"ABC.BTM", Abc}, {"PGA.BTM", std::nullopt}}, true}),
    [](const auto& info) { return std::string(info.param.what); });

TEST_P(TeamCommands, AskAndKeepWhatTheAnswersSay) {
  const Case& c = GetParam();
  tm().TmList.SetText("ABC.BTM");
  Pick(tm().DbContents, "DIXON");
  tm().DbAdd.Click();
  dialogs.inputs = c.inputs;
  dialogs.answers = c.answers;
  {
    std::optional<FileSizeLimit> full;
    if (c.diskFull) full.emplace(8);
    c.act(*this);
  }

  EXPECT_EQ(dialogs.Questions(), c.questions);
  EXPECT_EQ(tm().TmList.Text(), c.shown);
  for (const auto& [file, saved] : c.files) {
    EXPECT_EQ(folder.Has(file), saved.has_value()) << file;
    if (saved) {
      EXPECT_EQ(Saved(file), *saved) << file;
    }
  }
  if (c.diskFull) {
    ASSERT_TRUE(g.BR_TM.Loaded());
    EXPECT_FALSE(desktop.Ended());
    EXPECT_TRUE(tm().DbSave.Visible());
    EXPECT_EQ(Members(), Names(AbcDixon.begin() + 1, AbcDixon.end()));
    tm().DbSave.Click();
    EXPECT_EQ(Saved("ABC.BTM"), AbcDixon);
  }
}

// Save As under each kind of name is in the table of names run through both managers.
TEST_F(TeamManager, NewRefusesNamesItCannotUseThenOpensANewTeamEmptyWithItsDatabase) {
  const struct {
    std::deque<std::string> typed;
    std::string refusal;
  } cases[] = {
      {{"../evil"}, "Cannot create team : ../EVIL ! A team name may not hold / or \\"},
      {{"ok", "../x"}, "Cannot create team : ../X ! A database name may not hold / or \\"},
      {{"ok", "abc.btm"},
       "Cannot create team : ABC.BTM ! A database name may not end in .BTM, which marks a team "
       "file"},
      {{"ok", "nowhere"}, "Database NOWHERE.BDB not found !"},
  };
  for (const auto& c : cases) {
    dialogs.inputs = c.typed;
    tm().DbNew.Click();
    EXPECT_EQ(dialogs.Last(), c.refusal);
    EXPECT_EQ(dialogs.boxes.back().title, CreateError);
    EXPECT_EQ(g.ManagerTeam.FileName, "PERSONAL.BTM");
  }
  EXPECT_THAT(dialogs.Questions(), IsEmpty());
  EXPECT_THAT(Rows(tm().TmList), ElementsAre("ABC.BTM", "PERSONAL.BTM"));
  EXPECT_FALSE(folder.Has("../EVIL"));

  dialogs.inputs = {"pga", "pga"};
  tm().DbNew.Click();
  EXPECT_EQ(dialogs.prompts.end()[-2].text, "Enter the name of the new team.");
  EXPECT_EQ(dialogs.prompts.back().text,
            "Enter the database name for team PGA.BTM (e.g. NFL, PGA, etc.)");
  EXPECT_EQ(folder.Read("PGA.BTM"), "PGA.BDB\r\n");
  EXPECT_EQ(tm().TmList.Text(), "PGA.BTM");
  EXPECT_THAT(Rows(tm().TmContents), IsEmpty());
  EXPECT_THAT(Rows(tm().DbContents), ElementsAre("PALMER"));
  EXPECT_EQ(tm().DbLabel.Caption(), "PGA.BDB");
}

// A name typed at Save As in the database manager or in the team manager, on a folder holding
// both kinds of file and the program's own. Each case says why the name is refused, or nothing
// when the manager saves under it and shows the saved file.
struct SaveAsName {
  std::string typed;
  std::optional<std::string> database, team;
};

void PrintTo(const SaveAsName& c, std::ostream* out) { *out << c.typed; }

std::optional<std::string> Saved() { return std::nullopt; }
SaveAsName Refused(std::string typed, const std::string& why) {
  return {std::move(typed), " ! A database name may not " + why, " ! A team name may not " + why};
}

class SaveAsNames : public TeamManager,
                    public testing::WithParamInterface<std::tuple<SaveAsName, FileKind>> {};

INSTANTIATE_TEST_SUITE_P(
    BothManagers, SaveAsNames,
    testing::Combine(
        testing::Values(
            SaveAsName{"what?", Saved(), Saved()}, SaveAsName{"j..doe", Saved(), Saved()},
            SaveAsName{std::string(246, 'L'), Saved(), Saved()},
            SaveAsName{"people.bdb", Saved(),
                       " ! A team name may not end in .BDB, which marks a database file"},
            SaveAsName{"abc.btm", " ! A database name may not end in .BTM, which marks a team file",
                       Saved()},
            Refused("br_emo.sca", "be BR_EMO.SCA, one of the program's own files"),
            Refused("br_phy.sym", "be BR_PHY.SYM, one of the program's own files"),
            Refused("Biodesc.ini", "be BIODESC.INI, one of the program's own files"),
            Refused(".hidden", "begin with ."), Refused("..", "begin with ."),
            Refused("sub/dir", "hold / or \\"), Refused("back\\slash", "hold / or \\"),
            Refused("tab\tname", "hold a control character")),
        testing::Values(FileKind::Database, FileKind::Team)));

TEST_P(SaveAsNames, AreSavedUnderOrRefusedInTheCommandsWords) {
  namespace fs = std::filesystem;
  const auto& [c, kind] = GetParam();
  const std::string before[] = {folder.Read("PEOPLE.BDB"), folder.Read("ABC.BTM"),
                                folder.Read("BR_EMO.SCA"), folder.Read("BR_PHY.SYM"),
                                folder.Read("biodesc.ini")};
  const bool database = kind == FileKind::Database;
  if (database) g.br_cp->Command3.Click();
  const std::optional<std::string>& fault = database ? c.database : c.team;
  const std::string& shown = database ? g.ManagerDatabase.FileName : g.ManagerTeam.FileName;
  const std::string name = KindFileName(kind, c.typed), opened = shown;
  const bool existed = fs::is_regular_file(fs::path(folder.path()) / name);
  dialogs.inputs = {c.typed};
  dialogs.boxes.clear();
  (database ? g.BR_DB->DbSaveAs : tm().DbSaveAs).Click();

  if (fault) {
    const std::string refusal = database ? "Cannot save database as : " : "Cannot save team as : ";
    EXPECT_THAT(dialogs.Texts(), ElementsAre(refusal + name + *fault));
    EXPECT_EQ(shown, opened);
    EXPECT_EQ(fs::is_regular_file(fs::path(folder.path()) / name), existed) << name;
  } else {
    // Asked at most whether to overwrite a file of its own kind; nothing failed.
    for (const auto& box : dialogs.boxes) EXPECT_EQ(box.title, "Confirm") << box.text;
    EXPECT_EQ(shown, name);
    EXPECT_EQ(folder.Read(name), database ? "ZED\r\n05/05/1950\r\n" : "PERSONAL.BDB\r\n");
  }
  const std::string after[] = {folder.Read("PEOPLE.BDB"), folder.Read("ABC.BTM"),
                               folder.Read("BR_EMO.SCA"), folder.Read("BR_PHY.SYM"),
                               folder.Read("biodesc.ini")};
  for (int k = 0; k < 5; ++k) {
    if (fault || (name != "PEOPLE.BDB" && name != "ABC.BTM")) {
      EXPECT_EQ(after[k], before[k]) << k;
    }
  }
}

TEST_F(TeamManager, ATeamTheListDoesNotShowIsStillShownAndSaved) {
  dialogs.inputs = {"j..doe"};
  tm().DbSaveAs.Click();
  EXPECT_EQ(tm().TmList.ListIndex(), -1);
  Pick(tm().DbContents, "ZED");
  tm().DbAdd.Click();
  tm().DbSave.Click();
  EXPECT_EQ(Saved("J..DOE"), (Names{"PERSONAL.BDB", "ZED"}));
  EXPECT_EQ(Members(), Names{"ZED"});
  EXPECT_FALSE(folder.Has(".BTM"));
}

TEST_F(TeamManager, RemoveRefusesThePersonalTeamAndAMissingFile) {
  tm().DbRemove.Click();
  EXPECT_EQ(dialogs.Last(), "Cannot remove personal team : PERSONAL.BTM");
  tm().TmList.SetText("ABC.BTM");
  folder.Remove("ABC.BTM");
  tm().DbRemove.Click();
  EXPECT_EQ(dialogs.Last(), "Error removing team : ABC.BTM not found ! ");
  EXPECT_THAT(dialogs.Questions(), IsEmpty());
  EXPECT_TRUE(folder.Has("PERSONAL.BTM"));
}

TEST_F(TeamManager, AFailedSaveKeepsTheChangesForAnotherTry) {
  const std::string tooLong(300, 'L');
  tm().TmList.SetText("ABC.BTM");
  dialogs.inputs = {tooLong, "pga"};
  tm().DbNew.Click();
  EXPECT_EQ(dialogs.boxes.back().title, "Team Error");
  EXPECT_EQ(tm().TmList.Text(), "ABC.BTM");
  EXPECT_EQ(tm().DbLabel.Caption(), "PEOPLE.BDB");

  Pick(tm().DbContents, "DIXON");
  tm().DbAdd.Click();
  dialogs.inputs = {tooLong};
  tm().DbSaveAs.Click();
  EXPECT_EQ(dialogs.boxes.back().title, "Team Error");
  EXPECT_EQ(g.ManagerTeam.FileName, "ABC.BTM");
  EXPECT_TRUE(tm().DbSave.Visible());
  tm().DbSave.Click();
  EXPECT_EQ(Saved("ABC.BTM"), AbcDixon);
  EXPECT_FALSE(tm().DbSave.Visible());
}

TEST_F(TeamManager, ReopeningShowsTheTeamAsLastSaved) {
  tm().TmList.SetText("ABC.BTM");
  Pick(tm().DbContents, "DIXON");
  tm().DbAdd.Click();
  dialogs.answers = {Cancel};
  tm().DbClose.Click();
  ASSERT_FALSE(g.BR_TM.Loaded());
  g.br_cp->Command2.Click();
  EXPECT_EQ(tm().TmList.Text(), "ABC.BTM");
  EXPECT_THAT(Rows(tm().TmContents), ElementsAre("ADAMS", "BROWN", "CLARK"));
}

}  // namespace
