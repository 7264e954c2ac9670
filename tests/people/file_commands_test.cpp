// The file commands the database manager and the team manager share, run through each
// manager's controls with scripted answers.
#include "people/file_commands.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>
#include <deque>
#include <map>
#include <optional>

#include "app/br_cp.h"
#include "people/br_db.h"
#include "people/br_frm.h"
#include "support/file_size_limit.h"
#include "support/team_manager.h"

using testing::ElementsAre;
using testing::StartsWith;
using testing::StrCaseEq;

namespace {

const Answer OK = Answer::OK, Cancel = Answer::Cancel;
// Longer than a file name may be: nothing is written under it.
const std::string TooLong(300, 'L');

// Each command given on each manager with its file open and one addition unsaved: PEOPLE.BDB
// (DIXON, CLARK, BROWN, ADAMS) gaining ADDED in the database manager, ABC.BTM gaining DIXON in
// the team manager; on an ordinary disk, and on one that ignores letter case with the files
// stored in lower case. SaveLetGo is Save pressed after New was answered Cancel at the save
// question and given no name; RemoveMissing is Remove once the edited file has left the folder.
enum class Command { New, SaveAs, Save, SaveLetGo, Remove, RemoveMissing, PickPersonal, Close, ClosePanel };
enum class File { Edited, Personal, Fresh, Copy };
enum class Question { SaveEdited, OverwritePersonal, DeleteEdited };
// What a file holds afterwards. A new team's file holds its database, PGA.BDB.
enum class Holds { Nothing, Before, Addition, NewEmpty };
// What the command tells in a box of its own. A record not saved stays shown with its changes
// for another try; a new file not written leaves the record shown as it was.
enum class Error { NoError, PersonalRefused, EditedMissing, NameRefused, NotSaved, NotCreated };
using enum Command;
using enum File;
using enum Question;
using enum Holds;
using enum Error;

struct Case {
  const char* what;
  std::deque<std::string> inputs;  // a new team's name, then its database's
  std::deque<Answer> answers;
  Command command;
  std::vector<Question> questions;
  File shown;
  std::map<File, Holds> files;
  Error error = NoError;
  // No file can be written.
  bool diskFull = false;
  // The name the record carries at the command, spelt as a caller may leave it: the
  // database's, the team's; none: its file's own.
  std::array<const char*, 2> named{};
};

void PrintTo(const Case& c, std::ostream* out) { *out << c.what; }

class Commands : public TeamManager, public testing::WithParamInterface<std::tuple<Case, FileKind, Disk>> {
 public:
  void SetUp() override { SetUpOn(std::get<Disk>(GetParam())); }
  bool database() const { return std::get<FileKind>(GetParam()) == FileKind::Database; }
  int kind() const { return database() ? 0 : 1; }
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
    return texts[static_cast<int>(question)][kind()];
  }
  // The error box's title and how its text begins.
  std::string Text(Error error, const Case& c) const {
    const char* const texts[][2] = {
        {"", ""},
        {"Error: Cannot remove personal database : ", "Error: Cannot remove personal team : "},
        {"Error: Error removing database : PEOPLE.BDB not found ! ",
         "Error: Error removing team : ABC.BTM not found ! "},
        {"Error: Cannot create database : ../EVIL ! A database name may not hold / or \\",
         "Team Create Error: Cannot create team : ../EVIL ! A team name may not hold / or \\"},
        {"Database Error: Error saving database : ", "Team Error: Error saving team : "},
        {"Database Error: Error saving database : ", "Team Error: Error saving team : "}};
    return texts[static_cast<int>(error)][kind()] +
           std::string(error == PersonalRefused ? c.named[kind()] : "");
  }
  // The input box the command shows at that turn: its title, then its prompt.
  std::string Prompt(const Case& c, size_t turn) const {
    if (c.command == SaveAs) {
      return database() ? "Save Database As: Save PEOPLE.BDB As" : "Save Team As: Save ABC.BTM As ";
    }
    if (c.command != New && c.command != SaveLetGo) return "no input box";
    if (turn == 0) {
      return database() ? "New Database: Enter then name of the database to create."
                        : "New Team: Enter the name of the new team.";
    }
    return "New Team: Enter the database name for team " + TeamFileName(c.inputs.front()) +
           " (e.g. NFL, PGA, etc.)";
  }
  void AddOne() {
    if (!database()) {
      tm().TmList.SetText("ABC.BTM");
      Pick(tm().DbContents, "DIXON");
      return tm().DbAdd.Click();
    }
    panel->Command3.Click();
    panel->BR_DB->DbList.SetText("PEOPLE.BDB");
    panel->BR_DB->DbAdd.Click();
    panel->BR_DB->BR_FRM->tb_name.SetText("added");
    panel->BR_DB->BR_FRM->tb_dob.SetText("01/01/2000");
    panel->BR_DB->BR_FRM->Command1.Click();
  }
  ComboBox& List() const { return database() ? panel->BR_DB->DbList : tm().TmList; }
  // What the window shows of its record: the database's persons; the team's members and its
  // database.
  Names Shown() const {
    if (database()) return Rows(panel->BR_DB->Contents);
    Names shown = Rows(tm().TmContents);
    shown.push_back(tm().DbLabel.Caption());
    return shown;
  }
  void Give(Command command) {
    const auto give = [&](auto& manager) {
      switch (command) {
        case New: return manager.DbNew.Click();
        case SaveAs: return manager.DbSaveAs.Click();
        case Save: return manager.DbSave.Click();
        case SaveLetGo:
          manager.DbNew.Click();
          return manager.DbSave.Click();
        case Remove: return manager.DbRemove.Click();
        case RemoveMissing:
          folder.Remove(Name(Edited));
          return manager.DbRemove.Click();
        case Close: return manager.DbClose.Click();
        case ClosePanel: panel->Unload(); return;
        case PickPersonal: List().SetText(Name(Personal));
      }
    };
    database() ? give(*panel->BR_DB.get()) : give(tm());
  }
  std::string Holding(Holds holds, const std::map<File, std::string>& before, File file) const {
    switch (holds) {
      case Before: return before.at(file);
      case Addition:
        return before.at(Edited) + (database() ? "ADDED\r\n01/01/2000\r\n" : "DIXON\r\n04/04/1970\r\n");
      case NewEmpty: return database() ? "" : "PGA.BDB\r\n";
      case Nothing: break;
    }
    return "";
  }
};

const Case AllCases[] = {
    {"NewSaving", {"fresh", "pga"}, {OK}, New, {SaveEdited}, Fresh, {{Edited, Addition}, {Fresh, NewEmpty}}},
    {"NewDiscardingThenNoName", {""}, {Cancel}, New, {SaveEdited}, Edited, {{Edited, Before}}},
    {"NewKeepingExisting", {"personal"}, {Cancel, Cancel}, New, {SaveEdited, OverwritePersonal}, Edited,
     {{Personal, Before}}},
    {"NewOverwriting", {"Personal", "pga"}, {Cancel, OK}, New, {SaveEdited, OverwritePersonal}, Personal,
     {{Personal, NewEmpty}, {Edited, Before}}},
    {"NewRefusedName", {"../evil"}, {Cancel}, New, {SaveEdited}, Edited, {{Edited, Before}}, NameRefused},
    {"NewNameTooLong", {TooLong, "pga"}, {OK}, New, {SaveEdited}, Edited, {{Edited, Addition}}, NotCreated},
    {"SaveAsNew", {"copy"}, {}, SaveAs, {}, Copy, {{Copy, Addition}, {Edited, Before}}},
    {"SaveAsOverwriting", {"personal"}, {OK}, SaveAs, {OverwritePersonal}, Personal,
     {{Personal, Addition}, {Edited, Before}}},
    {"SaveAsUnderANameTooLong", {TooLong}, {}, SaveAs, {}, Edited, {{Edited, Before}}, NotSaved},
    {"RemoveCancelled", {}, {Cancel}, Remove, {DeleteEdited}, Edited, {{Edited, Before}}},
    // The removed file's changes are dropped, never offered for saving over the personal one.
    {"RemoveDropping", {}, {OK}, Remove, {DeleteEdited}, Personal, {{Edited, Nothing}, {Personal, Before}}},
    {"RemoveMissing", {}, {}, RemoveMissing, {}, Edited, {{Edited, Nothing}}, EditedMissing},
    // The personal file is never removed, however a caller spells its name.
    {"RemovePersonal", {}, {}, Remove, {}, Edited, {{Personal, Before}}, PersonalRefused, false,
     {"PERSONAL.BDB", "PERSONAL.BTM"}},
    {"RemovePersonalNoExtension", {}, {}, Remove, {}, Edited, {{Personal, Before}}, PersonalRefused, false,
     {"personal", "personal"}},
    {"PickSaving", {}, {OK}, PickPersonal, {SaveEdited}, Personal, {{Edited, Addition}}},
    {"PanelClosing", {}, {OK}, ClosePanel, {SaveEdited}, Edited, {{Edited, Addition}}},
    {"CloseOnAFullDisk", {}, {OK}, Close, {SaveEdited}, Edited, {{Edited, Before}}, NotSaved, true},
    {"PanelCloseOnAFullDisk", {}, {OK}, ClosePanel, {SaveEdited}, Edited, {{Edited, Before}}, NotSaved, true},
    {"PickOnAFullDisk", {}, {OK}, PickPersonal, {SaveEdited}, Edited, {{Edited, Before}}, NotSaved, true},
    {"NewOnAFullDisk", {"fresh", "pga"}, {OK}, New, {SaveEdited}, Edited,
     {{Edited, Before}, {Fresh, Nothing}}, NotSaved, true},
    // Changes let go but still shown are kept when the save asked for fails.
    {"SaveLetGoOnAFullDisk", {""}, {Cancel}, SaveLetGo, {SaveEdited}, Edited, {{Edited, Before}}, NotSaved,
     true},
};

INSTANTIATE_TEST_SUITE_P(
    BothManagers, Commands,
    testing::Combine(
        testing::ValuesIn(AllCases),
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
  const std::map<File, std::string> before{{Edited, folder.Read(Name(Edited))},
                                           {Personal, folder.Read(Name(Personal))}};
  if (const char* named = c.named[kind()]) {
    (database() ? g.ManagerDatabase.FileName : g.ManagerTeam.FileName) = named;
  }
  const Names shown = Shown();
  dialogs.inputs = c.inputs;
  dialogs.answers = c.answers;
  dialogs.boxes.clear();
  dialogs.prompts.clear();
  {
    std::optional<FileSizeLimit> full;
    if (c.diskFull) full.emplace(8);
    Give(c.command);
  }

  // The questions asked, then the error box if any: its text goes on with the system's reason.
  std::vector<testing::Matcher<std::string>> told;
  for (const Question question : c.questions) told.push_back("Confirm: " + Text(question));
  if (c.error != NoError) told.push_back(StartsWith(Text(c.error, c)));
  EXPECT_THAT(dialogs.TitledTexts(), testing::ElementsAreArray(told));
  for (size_t turn = 0; turn < dialogs.prompts.size(); ++turn) {
    const auto& prompt = dialogs.prompts[turn];
    EXPECT_EQ(prompt.title + ": " + prompt.text, Prompt(c, turn));
  }
  // The list shows the name as stored.
  EXPECT_THAT(List().Text(), StrCaseEq(Name(c.shown)));
  for (const auto& [file, holds] : c.files) {
    EXPECT_EQ(folder.Has(Name(file)), holds != Nothing) << Name(file);
    if (holds != Nothing) {
      EXPECT_EQ(folder.Read(Name(file)), Holding(holds, before, file)) << Name(file);
    }
  }
  if (c.error == NoError) return;
  // A command that failed leaves the window open on what it showed.
  ASSERT_TRUE(database() ? panel->BR_DB.Loaded() : panel->BR_TM.Loaded());
  EXPECT_EQ(Shown(), shown);
  if (c.error == NotSaved) {
    EXPECT_FALSE(desktop.Ended());
    EXPECT_TRUE(database() ? g.ManagerDatabase.Modified : g.ManagerTeam.Modified);
    Give(Save);  // pressed only when shown
    EXPECT_EQ(folder.Read(Name(Edited)), Holding(Addition, before, Edited));
  }
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

const SaveAsName AllNames[] = {
    {"what?", Saved(), Saved()}, {"j..doe", Saved(), Saved()}, {std::string(246, 'L'), Saved(), Saved()},
    {"people.bdb", Saved(), " ! A team name may not end in .BDB, which marks a database file"},
    {"abc.btm", " ! A database name may not end in .BTM, which marks a team file", Saved()},
    Refused("br_emo.sca", "be BR_EMO.SCA, one of the program's own files"),
    Refused("Biodesc.ini", "be BIODESC.INI, one of the program's own files"),
    Refused(".hidden", "begin with ."), Refused("..", "begin with ."), Refused("sub/dir", "hold / or \\"),
    Refused("back\\slash", "hold / or \\"), Refused("tab\tname", "hold a control character"),
};

INSTANTIATE_TEST_SUITE_P(BothManagers, SaveAsNames,
                         testing::Combine(testing::ValuesIn(AllNames),
                                          testing::Values(FileKind::Database, FileKind::Team)));

TEST_P(SaveAsNames, AreSavedUnderOrRefusedInTheCommandsWords) {
  const auto& [c, kind] = GetParam();
  const bool database = kind == FileKind::Database;
  // The program's own files, and the file of the other kind that a name may look like.
  const auto others = [&] {
    return std::vector{folder.Read("BR_EMO.SCA"), folder.Read("BR_PHY.SYM"), folder.Read("biodesc.ini"),
                       folder.Read(database ? "ABC.BTM" : "PEOPLE.BDB")};
  };
  const auto before = others();
  if (database) panel->Command3.Click();
  const std::optional<std::string>& fault = database ? c.database : c.team;
  const std::string& shown = database ? g.ManagerDatabase.FileName : g.ManagerTeam.FileName;
  const std::string name = KindFileName(kind, c.typed), opened = shown;
  const bool existed = folder.Has(name);
  dialogs.inputs = {c.typed};
  dialogs.boxes.clear();
  (database ? panel->BR_DB->DbSaveAs : tm().DbSaveAs).Click();

  EXPECT_EQ(others(), before);
  if (fault) {
    const std::string refusal =
        database ? "Error: Cannot save database as : " : "Team Error: Cannot save team as : ";
    EXPECT_THAT(dialogs.TitledTexts(), ElementsAre(refusal + name + *fault));
    EXPECT_EQ(shown, opened);
    EXPECT_EQ(folder.Has(name), existed) << name;
    return;
  }
  // Asked at most whether to overwrite a file of its own kind; nothing failed. The file saved
  // stays the one shown, listed or not, with all it holds: a later Save writes it whole.
  for (const auto& box : dialogs.boxes) EXPECT_EQ(box.title, "Confirm") << box.text;
  EXPECT_EQ(shown, name);
  EXPECT_EQ(folder.Read(name), database ? "ZED\r\n05/05/1950\r\n" : "PERSONAL.BDB\r\n");
  EXPECT_THAT(Rows(database ? panel->BR_DB->Contents : tm().DbContents), ElementsAre(StartsWith("ZED")));
}

}  // namespace
