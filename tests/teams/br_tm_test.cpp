// The team manager's team commands, driven through its controls with scripted answers.
#include "teams/br_tm.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <map>
#include <optional>

#include "core/br_cp.h"
#include "core/file_names.h"
#include "people/br_db.h"
#include "people/br_frm.h"
#include "support/file_size_limit.h"
#include "support/team_manager.h"

using testing::ElementsAre;
using testing::IsEmpty;
using testing::StrCaseEq;

namespace {

const char* const CreateError = "Team Create Error";
const Names AbcDixon{"PEOPLE.BDB", "ADAMS", "BROWN", "CLARK", "DIXON"};
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

// The commands both managers share, run on each with its file open and one addition unsaved:
// PEOPLE.BDB (DIXON, CLARK, BROWN, ADAMS) gaining ADDED in the database manager, ABC.BTM
// gaining DIXON in the team manager; on an ordinary disk, and on one that ignores letter case
// with the files stored in lower case.
enum class Command { New, SaveAs, Save, Remove, PickPersonal, Close, ClosePanel };
enum class File { Edited, Personal, Fresh, Copy };
enum class Question { SaveEdited, OverwritePersonal, DeleteEdited };
// What a file holds afterwards. A new team's file holds its database, PGA.BDB.
enum class Holds { Nothing, Before, Addition, NewEmpty };
using enum Command;
using enum File;
using enum Question;
using enum Holds;

struct Case {
  const char* what;
  std::deque<std::string> inputs;  // a new team's name, then its database's
  std::deque<Answer> answers;
  Command command;
  std::vector<Question> questions;
  File shown;
  std::map<File, Holds> files;
  // No file can be written: the file asked to be saved stays open with its changes.
  bool diskFull = false;
};

void PrintTo(const Case& c, std::ostream* out) { *out << c.what; }

class Commands : public TeamManager,
                 public testing::WithParamInterface<std::tuple<Case, FileKind, Disk>> {
 public:
  void SetUp() override { SetUpOn(std::get<Disk>(GetParam())); }
  bool database() const { return std::get<FileKind>(GetParam()) == FileKind::Database; }
  std::string Name(File file) const {
    const char* const names[] = {database() ? "people" : "abc", "personal", "fresh", "copy"};
    return KindFileName(std::get<FileKind>(GetParam()), names[static_cast<int>(file)]);
  }
  std::string Text(Question question) const {
    const char* const texts[][2] = {
        {"Database PEOPLE.BDB modified ! Save changes ?", "Team ABC.BTM modified ! Save changes ?"},
        {"Database PERSONAL.BDB already exists ! Overwrite ?",
         "Team PERSONAL.BTM already exists ! Overwrite ?"},
        {"Delete database : PEOPLE.BDB ? ", "Delete team : ABC.BTM ? "}};
    return texts[static_cast<int>(question)][database() ? 0 : 1];
  }
  void AddOne() {
    if (!database()) {
      tm().TmList.SetText("ABC.BTM");
      Pick(tm().DbContents, "DIXON");
      return tm().DbAdd.Click();
    }
    g.br_cp->Command3.Click();
    g.BR_DB->DbList.SetText("PEOPLE.BDB");
    g.BR_DB->DbAdd.Click();
    g.BR_FRM->tb_name.SetText("added");
    g.BR_FRM->tb_dob.SetText("01/01/2000");
    g.BR_FRM->Command1.Click();
  }
  ComboBox& List() const { return database() ? g.BR_DB->DbList : tm().TmList; }
  void Give(Command command) {
    const auto give = [&](auto& manager) {
      switch (command) {
        case New: return manager.DbNew.Click();
        case SaveAs: return manager.DbSaveAs.Click();
        case Save: return manager.DbSave.Click();
        case Remove: return manager.DbRemove.Click();
        case Close: return manager.DbClose.Click();
        case ClosePanel: g.br_cp->Unload(); return;
        case PickPersonal: List().SetText(Name(Personal));
      }
    };
    database() ? give(*g.BR_DB.get()) : give(tm());
  }
  std::string Holding(Holds holds, const std::map<File, std::string>& before, File file) const {
    switch (holds) {
      case Before: return before.at(file);
      case Addition:
        return before.at(Edited) +
               (database() ? "ADDED\r\n01/01/2000\r\n" : "DIXON\r\n04/04/1970\r\n");
      case NewEmpty: return database() ? "" : "PGA.BDB\r\n";
      case Nothing: break;
    }
    return "";
  }
};

INSTANTIATE_TEST_SUITE_P(
    BothManagers, Commands,
    testing::Combine(
        testing::Values(
            Case{"NewSaving", {"fresh", "pga"}, {OK}, New, {SaveEdited}, Fresh,
                 {{Edited, Addition}, {Fresh, NewEmpty}}},
            Case{"NewDiscardingThenNoName", {""}, {Cancel}, New, {SaveEdited}, Edited,
                 {{Edited, Before}}},
            Case{"NewKeepingExisting", {"personal"}, {Cancel, Cancel}, New,
                 {SaveEdited, OverwritePersonal}, Edited, {{Personal, Before}}},
            Case{"NewOverwriting", {"Personal", "pga"}, {Cancel, OK}, New,
                 {SaveEdited, OverwritePersonal}, Personal,
                 {{Personal, NewEmpty}, {Edited, Before}}},
            Case{"SaveAsNew", {"copy"}, {}, SaveAs, {}, Copy, {{Copy, Addition}, {Edited, Before}}},
            Case{"SaveAsOverwriting", {"personal"}, {OK}, SaveAs, {OverwritePersonal}, Personal,
                 {{Personal, Addition}, {Edited, Before}}},
            Case{"SaveAsKeepingExisting", {"personal"}, {Cancel}, SaveAs, {OverwritePersonal},
                 Edited, {{Personal, Before}}},
            Case{"SaveAsNoName", {}, {}, SaveAs, {}, Edited, {{Edited, Before}}},
            Case{"Save", {}, {}, Save, {}, Edited, {{Edited, Addition}}},
            Case{"RemoveCancelled", {}, {Cancel}, Remove, {DeleteEdited}, Edited,
                 {{Edited, Before}}},
            // The removed file's changes are dropped, never offered for saving over the personal
            // one.
            Case{"RemoveDroppingChanges", {}, {OK}, Remove, {DeleteEdited}, Personal,
                 {{Edited, Nothing}, {Personal, Before}}},
            Case{"PickSaving", {}, {OK}, PickPersonal, {SaveEdited}, Personal,
                 {{Edited, Addition}}},
            Case{"PickDiscarding", {}, {Cancel}, PickPersonal, {SaveEdited}, Personal,
                 {{Edited, Before}}},
            Case{"CloseSaving", {}, {OK}, Close, {SaveEdited}, Edited, {{Edited, Addition}}},
            Case{"CloseDiscarding", {}, {Cancel}, Close, {SaveEdited}, Edited, {{Edited, Before}}},
            Case{"PanelClosing", {}, {OK}, ClosePanel, {SaveEdited}, Edited, {{Edited, Addition}}},
            Case{"CloseOnAFullDisk", {}, {OK}, Close, {SaveEdited}, Edited, {{Edited, Before}},
                 true},
            Case{"PanelClosingOnAFullDisk", {}, {OK}, ClosePanel, {SaveEdited}, Edited,
                 {{Edited, Before}}, true},
            Case{"PickOnAFullDisk", {}, {OK}, PickPersonal, {SaveEdited}, Edited,
                 {{Edited, Before}}, true},
            Case{"NewOnAFullDisk", {"fresh", "pga"}, {OK}, New, {SaveEdited}, Edited,
                 {{Edited, Before}, {Fresh, Nothing}}, true}),
        testing::Values(FileKind::Database, FileKind::Team),
        testing::Values(Disk::CaseSensitive, Disk::CaseBlind)),
    [](const auto& info) {
      return std::string(std::get<Case>(info.param).what) +
             (std::get<FileKind>(info.param) == FileKind::Database ? "Database" : "Team") +
             DiskName(std::get<Disk>(info.param));
    });

TEST_P(Commands, AskAndKeepWhatTheAnswersSay) {
  const Case& c = std::get<Case>(GetParam());
  AddOne();
  std::map<File, std::string> before;
  for (const File file : {Edited, Personal, Fresh, Copy}) {
    if (folder.Has(Name(file))) before[file] = folder.Read(Name(file));
  }
  dialogs.inputs = c.inputs;
  dialogs.answers = c.answers;
  {
    std::optional<FileSizeLimit> full;
    if (c.diskFull) full.emplace(8);
    Give(c.command);
  }

  Names questions;
  for (const Question question : c.questions) questions.push_back(Text(question));
  // Nothing else is said, unless a save fails.
  EXPECT_EQ(c.diskFull ? dialogs.Questions() : dialogs.Texts(), questions);
  // The list shows the name as stored.
  EXPECT_THAT(List().Text(), StrCaseEq(Name(c.shown)));
  for (const auto& [file, holds] : c.files) {
    EXPECT_EQ(folder.Has(Name(file)), holds != Nothing) << Name(file);
    if (holds != Nothing) {
      EXPECT_EQ(folder.Read(Name(file)), Holding(holds, before, file)) << Name(file);
    }
  }
  if (c.diskFull) {
    ASSERT_TRUE(database() ? g.BR_DB.Loaded() : g.BR_TM.Loaded());
    EXPECT_FALSE(desktop.Ended());
    EXPECT_TRUE((database() ? g.BR_DB->DbSave : tm().DbSave).Visible());
    Give(Save);
    EXPECT_EQ(folder.Read(Name(Edited)), Holding(Addition, before, Edited));
  }
}

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

  dialogs.inputs = {"fresh", ""};  // no database named: no team made
  tm().DbNew.Click();
  EXPECT_FALSE(folder.Has("FRESH.BTM"));
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
