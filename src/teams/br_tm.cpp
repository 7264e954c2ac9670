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

constexpr const char* CreateError = "Team Create Error";
constexpr CommandWords TeamWords{"Enter the name of the new team.", CreateError, " ", "Team Error"};
const Font ListFont{"Courier New", 11.25, false};

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
      team(g.ManagerTeam),
      fileCommands_(g, FileKind::Team, TeamWords, team.FileName, team.Modified, TmList, DbSave,
                    *this) {
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
  if (!fileCommands_.OfferSave()) CancelUnload();
}

void BR_TM::Form_Click() { ClearMemberSelection(); }

void BR_TM::RefreshTmForm() {
  g.InsertRow = -1;
  TmContents.Clear();
  const std::vector<std::string> names = files::List(g.DataFolder, "*.BTM");
  if (team.FileName.empty() && !names.empty()) team.FileName = names.front();
  TmList.Clear();
  for (const std::string& name : names) TmList.AddItem(name, 0);
  const bool listed = fileCommands_.ShowInList(team.FileName);
  // A team kept under another extension is not listed, but it is still the one shown, as a
  // team saved under such a name is the one the user goes on with.
  const bool unlisted = !listed && FileExists(g, team.FileName);
  if (!listed && !unlisted && TmList.ListCount() > 0) fileCommands_.ShowInList(TmList.List(0));
  fileCommands_.Open(unlisted ? team.FileName : TmList.Text());
}

void BR_TM::ReadFile(const std::string& fileName) {
  LoadTeam(g, fileName, team);
  FillLists();
}

bool BR_TM::WriteFile(const std::string& fileName) { return SaveTeam(g, fileName, team); }

bool BR_TM::CreateFile(const std::string& fileName) {
  const auto database =
      AskFileName(g, FileKind::Database,
                  "Enter the database name for team " + fileName + " (e.g. NFL, PGA, etc.)",
                  "New Team", "Cannot create team : ", CreateError);
  if (!database) return false;
  if (!FileExists(g, *database)) {
    g.platform.dialogs.Error("Database " + *database + " not found !", CreateError);
    return false;
  }
  TeamRecord created;
  InitTeam(created);
  created.Database.FileName = *database;
  return SaveTeam(g, fileName, created);
}

void BR_TM::TmList_Click() { fileCommands_.OpenPicked(); }

void BR_TM::DbNew_Click() {
  ClearMemberSelection();
  fileCommands_.New();
}

void BR_TM::DbSave_Click() {
  ClearMemberSelection();
  fileCommands_.Save();
}

void BR_TM::DbSaveAs_Click() {
  ClearMemberSelection();
  fileCommands_.SaveAs();
}

void BR_TM::DbRemove_Click() {
  ClearMemberSelection();
  fileCommands_.Remove();
}

void BR_TM::DbClose_Click() {
  ClearMemberSelection();
  Unload();
}
