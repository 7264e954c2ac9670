#include "teams/br_tm.h"

#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "core/file_names.h"
#include "platform/dialogs.h"
#include "platform/files.h"
#include "teams/team_file.h"

namespace {

constexpr const char* PersonalTeam = "PERSONAL.BTM";
constexpr const char* CreateError = "Team Create Error";
const Font ListFont{"Courier New", 11.25, false};

// True when a team of that name is on disk and the user keeps it.
bool KeepsExistingTeam(GLOBAL& g, const std::string& name) {
  return FileExists(g, name) && !Confirm(g.platform.dialogs, "Team " + name + " already exists ! Overwrite ?");
}

}  // namespace

BR_TM::BR_TM(GLOBAL& g)
    : Form(g.platform.desktop, "BR_TM", "Team Manager", 7425, 5490),
      Label1(*this, "Label1", {120, 240, 1212, 372}, "Select Team"),
      TmList(*this, "TmList", {1440, 240, 3405, 360}, true),
      Label2(*this, "Label2", {120, 720, 852, 252}, "Contents"),
      Line4(*this, "Line4", 1080, 7080, 840),
      Label4(*this, "Label4", {120, 1080, 852, 252}, "Database"),
      DbLabel(*this, "DbLabel", {960, 1080, 1332, 252}),
      Label5(*this, "Label5", {4560, 1080, 2172, 252}, "Team "),
      DbContents(*this, "DbContents", {120, 1320, 3000, 2610}, true),
      DbAdd(*this, "DbAdd", {3230, 1440, 1000, 372}, "&Add "),
      DbDelete(*this, "DbDelete", {3230, 1920, 1000, 372}, "&Delete"),
      DbSave(*this, "DbSave", {3230, 2400, 1000, 372}, "&Save"),
      cmdUp(*this, "cmdUp", {3480, 2880, 400, 375}, "", Button::Picture::ArrowUp),
      cmdDown(*this, "cmdDown", {3480, 3240, 400, 375}, "", Button::Picture::ArrowDown),
      TmContents(*this, "TmContents", {4300, 1320, 3000, 2610}, false),
      Label3(*this, "Label3", {120, 4680, 732, 372}, "Team"),
      Line2(*this, "Line2", 840, 7080, 4800),
      DbNew(*this, "DbNew", {120, 5040, 1332, 372}, "&New "),
      DbRemove(*this, "DbRemove", {1680, 5040, 1332, 372}, "&Remove"),
      DbSaveAs(*this, "DbSaveAs", {3240, 5040, 1332, 372}, "Save &As"),
      DbClose(*this, "DbClose", {4800, 5040, 1452, 372}, "&Close"),
      g(g),
      team(g.ManagerTeam) {
  TmList.TextFont = Font{"Arial", 10.5, false};
  DbContents.TextFont = ListFont;
  TmContents.TextFont = ListFont;
  TmList.Buddy = &Label1;
  DbContents.Buddy = &Label4;
  TmContents.Buddy = &Label5;
  cmdUp.AccessibleName = "Move up";
  cmdDown.AccessibleName = "Move down";
  for (Control* control : std::initializer_list<Control*>{
           &TmList, &DbContents, &DbAdd, &DbDelete, &DbSave, &cmdUp, &cmdDown, &TmContents,
           &DbNew, &DbRemove, &DbSaveAs, &DbClose}) {
    control->BackColor = LightBlue;
  }
  DbContents.DragSource = true;

  TmList.OnClick = [this] { TmList_Click(); };
  DbAdd.OnClick = [this] { DbAdd_Click(); };
  DbDelete.OnClick = [this] { DbDelete_Click(); };
  DbSave.OnClick = [this] { DbSave_Click(); };
  cmdUp.OnClick = [this] { cmdUp_Click(); };
  cmdDown.OnClick = [this] { cmdDown_Click(); };
  TmContents.OnClick = [this] { TmContents_Click(); };
  TmContents.OnDragDrop = [this](Control& source, int row) { TmContents_DragDrop(source, row); };
  DbNew.OnClick = [this] { DbNew_Click(); };
  DbRemove.OnClick = [this] { DbRemove_Click(); };
  DbSaveAs.OnClick = [this] { DbSaveAs_Click(); };
  DbClose.OnClick = [this] { DbClose_Click(); };
}

void BR_TM::Form_Load() {
  ClearMemberSelection();
  RefreshTmForm();
  g.InsertRow = static_cast<std::int16_t>(TmContents.ListCount());
}

void BR_TM::Form_Unload() {
  if (!OfferTeamSave()) CancelUnload();
}

void BR_TM::Form_Click() { ClearMemberSelection(); }

void BR_TM::RefreshTmForm() {
  g.InsertRow = -1;
  TmContents.Clear();
  const std::vector<std::string> names = files::List(g.DataFolder, "*.BTM");
  if (team.FileName.empty() && !names.empty()) team.FileName = names.front();
  listing_ = true;
  TmList.Clear();
  for (const std::string& name : names) TmList.AddItem(name, 0);
  const bool listed = TmList.SetText(team.FileName);
  // A team kept under another extension is not listed, but it is still the one shown, as a
  // team saved under such a name is the one the user goes on with.
  const bool unlisted = !listed && FileExists(g, team.FileName);
  if (!listed && !unlisted && TmList.ListCount() > 0) TmList.SetListIndex(0);
  listing_ = false;
  SelectTeam(unlisted ? team.FileName : TmList.Text());
}

bool BR_TM::OfferTeamSave() {
  if (team.Modified && Confirm(g.platform.dialogs, "Team " + team.FileName + " modified ! Save changes ?") &&
      !SaveTeamUnderName(team.FileName)) {
    return false;
  }
  team.Modified = false;
  return true;
}

bool BR_TM::SaveTeamUnderName(const std::string& name) {
  const std::string previous = team.FileName;
  team.FileName = name;
  const bool saved = SaveTeam(g, name, team);
  if (!saved) team.FileName = previous;
  team.Modified = team.Modified && !saved;
  DbSave.SetVisible(team.Modified);
  return saved;
}

void BR_TM::SelectTeam(const std::string& name) {
  if (!OfferTeamSave()) {
    ShowCurrentInList();
    return;
  }
  DbSave.SetVisible(false);
  LoadTeam(g, name, team);
  FillLists();
}

void BR_TM::ShowCurrentInList() {
  listing_ = true;
  if (!TmList.SetText(team.FileName)) TmList.SetListIndex(-1);
  listing_ = false;
}

void BR_TM::TmList_Click() {
  if (!listing_) SelectTeam(TmList.Text());
}

void BR_TM::DbNew_Click() {
  ClearMemberSelection();
  if (!OfferTeamSave()) return;
  const auto name = AskFileName(g, FileKind::Team, "Enter the name of the new team.", "New Team",
                                "Cannot create team : ", CreateError);
  if (!name || KeepsExistingTeam(g, *name)) return;
  const auto database = AskFileName(
      g, FileKind::Database, "Enter the database name for team " + *name + " (e.g. NFL, PGA, etc.)",
      "New Team", "Cannot create team : ", CreateError);
  if (!database) return;
  if (!FileExists(g, *database)) {
    g.platform.dialogs.Error("Database " + *database + " not found !", CreateError);
    return;
  }
  // The new team is written before it replaces the one shown, which stays as it is when the
  // new file cannot be written.
  TeamRecord created;
  InitTeam(created);
  created.Database.FileName = *database;
  if (!SaveTeam(g, *name, created)) return;
  team.FileName = *name;
  RefreshTmForm();
}

void BR_TM::DbSave_Click() {
  ClearMemberSelection();
  // The team shown is saved where it came from, also when its file is not in the list (its
  // name does not end in ".BTM").
  if (SaveTeamUnderName(team.FileName)) RefreshTmForm();
}

void BR_TM::DbSaveAs_Click() {
  ClearMemberSelection();
  const auto name = AskFileName(g, FileKind::Team, "Save " + team.FileName + " As ",
                                "Save Team As", "Cannot save team as : ", "Team Error");
  if (name && !KeepsExistingTeam(g, *name) && SaveTeamUnderName(*name)) RefreshTmForm();
}

void BR_TM::DbRemove_Click() {
  ClearMemberSelection();
  Dialogs& dialogs = g.platform.dialogs;
  if (team.FileName == PersonalTeam) {
    dialogs.Error("Cannot remove personal team : " + team.FileName, "Error");
    return;
  }
  const std::string name = TeamFileName(team.FileName);
  if (!FileExists(g, name)) {
    dialogs.Error("Error removing team : " + name + " not found ! ", "Error");
    return;
  }
  if (!Confirm(g.platform.dialogs, "Delete team : " + name + " ? ")) return;
  if (!files::Remove(g.DataFolder, name)) {
    dialogs.Error("Error removing team : " + team.FileName, "Error");
    return;
  }
  // The removed team's unsaved changes go with it: offered under the personal team's name
  // they would overwrite the personal team with the removed team's members.
  team.Modified = false;
  team.FileName = PersonalTeam;
  RefreshTmForm();
}

void BR_TM::DbClose_Click() {
  ClearMemberSelection();
  Unload();
}
