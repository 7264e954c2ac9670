#include "people/br_db.h"

#include <filesystem>
#include <limits>

#include "core/export_file.h"
#include "core/file_names.h"
#include "people/database_export.h"
#include "people/database_file.h"
#include "platform/dialogs.h"
#include "platform/files.h"

namespace {

constexpr int Margin = 120;
constexpr int LabelHeight = 255;
constexpr int ButtonWidth = 1215;
constexpr int ButtonHeight = 375;
constexpr int ButtonStep = 495;
// Wide enough for a listed person (24 characters of name, 10 of date) in 9-point Courier New,
// with room for the scroll bar.
constexpr int ContentsWidth = 4320;
constexpr int ContentsTop = 870;
constexpr int ContentsHeight = 3000;
constexpr int ColumnLeft = Margin + ContentsWidth + 160;
constexpr int BottomLabelTop = ContentsTop + ContentsHeight + 150;
constexpr int BottomRowTop = BottomLabelTop + LabelHeight + 30;
constexpr int WindowWidth = ColumnLeft + ButtonWidth + Margin;
constexpr int WindowHeight = BottomRowTop + ButtonHeight + Margin;

constexpr CommandWords DatabaseWords{"Enter then name of the database to create.", "Error", "",
                                     "Error"};
constexpr int MaxPersons = std::numeric_limits<std::int16_t>::max();

Rect ColumnButton(int place) {
  return Rect{ColumnLeft, ContentsTop + place * ButtonStep, ButtonWidth, ButtonHeight};
}

Rect BottomButton(int left) { return Rect{left, BottomRowTop, ButtonWidth, ButtonHeight}; }

}  // namespace

BR_DB::BR_DB(GLOBAL& g)
    : Form(g.platform.desktop, "BR_DB", "Database", WindowWidth, WindowHeight),
      Label2(*this, "Label2", Rect{Margin, 180, 1500, LabelHeight}, "Select Database "),
      DbList(*this, "DbList", Rect{1680, 120, 2760, 315}, true),
      Label1(*this, "Label1", Rect{Margin, ContentsTop - LabelHeight - 30, 1500, LabelHeight},
             "Contents"),
      Contents(*this, "Contents", Rect{Margin, ContentsTop, ContentsWidth, ContentsHeight}, true),
      DbAdd(*this, "DbAdd", ColumnButton(0), "&Add"),
      DbModify(*this, "DbModify", ColumnButton(1), "&Modify"),
      DbDelete(*this, "DbDelete", ColumnButton(2), "&Delete"),
      DbSave(*this, "DbSave", ColumnButton(3), "&Save"),
      DbImport(*this, "DbImport", ColumnButton(4), "&Import..."),
      DbExport(*this, "DbExport", ColumnButton(5), "E&xport..."),
      Label3(*this, "Label3", Rect{Margin, BottomLabelTop, 1500, LabelHeight}, "Database"),
      DbNew(*this, "DbNew", BottomButton(Margin), "&New "),
      DbRemove(*this, "DbRemove", BottomButton(Margin + ButtonWidth + 120), "&Remove"),
      DbSaveAs(*this, "DbSaveAs", BottomButton(Margin + 2 * (ButtonWidth + 120)), "Save &As"),
      DbClose(*this, "DbClose", BottomButton(ColumnLeft), "&Close"),
      g(g),
      db(g.ManagerDatabase),
      fileCommands_(g, FileKind::Database, DatabaseWords, db.FileName, db.Modified, DbList, DbSave,
                    *this) {
  Contents.TextFont = Font{"Courier New", 9, false};
  DbList.Buddy = &Label2;
  Contents.Buddy = &Label1;
  for (Button* button : {&DbAdd, &DbModify, &DbDelete, &DbSave, &DbImport, &DbExport, &DbNew,
                         &DbRemove, &DbSaveAs, &DbClose}) {
    button->BackColor = LightBlue;
  }
  DbClose.Cancel = true;
  DbExport.AccessibleName = "Export the database as CSV";

  DbList.OnClick = [this] { DbList_Click(); };
  DbAdd.OnClick = [this] { DbAdd_Click(); };
  DbModify.OnClick = [this] { DbModify_Click(); };
  DbDelete.OnClick = [this] { DbDelete_Click(); };
  DbSave.OnClick = [this] { DbSave_Click(); };
  DbImport.OnClick = [this] { DbImport_Click(); };
  DbExport.OnClick = [this] { DbExport_Click(); };
  DbNew.OnClick = [this] { DbNew_Click(); };
  DbRemove.OnClick = [this] { DbRemove_Click(); };
  DbSaveAs.OnClick = [this] { DbSaveAs_Click(); };
  DbClose.OnClick = [this] { DbClose_Click(); };
}

void BR_DB::Form_Load() { RefreshForm(); }

void BR_DB::Form_Unload() {
  if (!fileCommands_.OfferSave()) {
    CancelUnload();
    return;
  }
  // An entry left open has no window to go back to, nor an import not yet made.
  BR_FRM.Unload();
  import_.Unload();
}

void BR_DB::Entry(const std::string& name, const std::string& dob) {
  g.EntryName = name;
  g.EntryDob = dob;
  g.EntryAccepted = false;
  // However the dialog closes, this window takes input again and hears how it ended.
  BR_FRM.Open(g).OnClosed = [this] {
    SetEnabled(true);
    EntryReturn();
  };
  SetEnabled(false);
}

void BR_DB::EntryReturn() {
  if (!g.EntryAccepted) return;
  g.EntryAccepted = false;
  if (ApplyEntry()) MarkChanged();
}

bool BR_DB::ApplyEntry() {
  if (g.EntryMode == 1) return AddPerson(g.EntryName, g.EntryDob, db);
  if (g.EntryIndex < 1 || g.EntryIndex > db.Count) return false;
  // The changed person is cleaned and reformatted exactly as an added one, then put in place.
  PeopleDatabase entry;
  if (!AddPerson(g.EntryName, g.EntryDob, entry)) return false;
  db.Persons[static_cast<size_t>(g.EntryIndex - 1)] = entry.Persons.front();
  return true;
}

void BR_DB::RefreshForm() {
  DbList.Clear();
  Contents.Clear();
  // The persons shown go with the list; nothing is left that could be saved over the database
  // opened next.
  db.Persons.clear();
  db.Count = 0;
  db.Modified = false;
  partlyRead_.clear();
  DbSave.SetVisible(false);
  for (std::string& name : files::List(g.DataFolder, "*.BDB")) DbList.AddItem(std::move(name), 0);
  // A database kept under another extension is not listed, but it is still the one shown:
  // showing it empty would let the next save write only what was added since.
  if (!DbList.SetText(db.FileName) && FileExists(g, db.FileName)) fileCommands_.Open(db.FileName);
}

void BR_DB::FillContents() {
  Contents.Clear();
  for (int k = 1; k <= db.Count; ++k) {
    Contents.AddItem(PersonListEntry(db.Persons[static_cast<size_t>(k - 1)]), k);
  }
}

void BR_DB::MarkChanged() {
  db.Modified = true;
  DbSave.SetVisible(true);
  FillContents();
}

void BR_DB::ReadFile(const std::string& fileName) {
  const bool whole = LoadDatabase(g, fileName, db);
  partlyRead_ = whole || !FileExists(g, db.FileName) ? "" : db.FileName;
  FillContents();
}

bool BR_DB::WriteFile(const std::string& fileName) {
  const std::string file = DatabaseFileName(fileName);
  // A file cut short at loading (more persons than a database holds, a broken end) keeps what
  // could not be read unless the user agrees to lose it.
  if (file == partlyRead_ &&
      !Confirm(g.platform.dialogs,
               "Database " + file + " could not be read whole ! Saving keeps only the " +
                   std::to_string(db.Count) + " persons shown. Save anyway ?")) {
    return false;
  }
  if (!SaveDatabase(g, fileName, db)) return false;
  if (file == partlyRead_) partlyRead_.clear();
  return true;
}

bool BR_DB::CreateFile(const std::string& fileName) {
  PeopleDatabase created;
  return SaveDatabase(g, fileName, created);
}

std::optional<int> BR_DB::SelectedPerson() const {
  if (Contents.ListIndex() < 0) return std::nullopt;
  return Contents.ItemData(Contents.ListIndex());
}

void BR_DB::DbList_Click() { fileCommands_.OpenPicked(); }

void BR_DB::DbAdd_Click() {
  if (db.Count >= MaxPersons) {
    g.platform.dialogs.Error("Database full : Database size cannot exceed " +
                                 std::to_string(MaxPersons) + ".",
                             "Error");
    return;
  }
  g.EntryMode = 1;
  Entry("", "");
}

void BR_DB::DbModify_Click() {
  const auto k = SelectedPerson();
  if (!k) return;
  const Person& person = db.Persons[static_cast<size_t>(*k - 1)];
  g.EntryMode = 2;
  g.EntryIndex = static_cast<std::int16_t>(*k);
  Entry(person.Name, person.Dob);
}

void BR_DB::DbDelete_Click() {
  const auto k = SelectedPerson();
  if (!k) return;
  const auto at = db.Persons.begin() + (*k - 1);
  if (!Confirm(g.platform.dialogs, "Are you sure you want to delete  " + at->Name + " ? ")) return;
  db.Persons.erase(at);
  --db.Count;
  MarkChanged();
}

void BR_DB::DbExport_Click() {
  ExportFile(g, "Export Database", WithoutExtension(db.FileName) + ".csv", CsvFiles,
             DatabaseCsv(db));
}

void BR_DB::DbSave_Click() { fileCommands_.Save(); }

void BR_DB::DbImport_Click() {
  const std::string chosen = g.platform.dialogs.OpenFileName("Import People", "CSV files (*.csv *.txt)");
  if (chosen.empty()) return;
  const std::filesystem::path path(chosen);
  auto bytes = files::Read(path.parent_path().string(), path.filename().string());
  if (!bytes) {
    g.platform.dialogs.Error("Cannot read file : " + chosen, "Error");
    return;
  }
  if (bytes->size() > LargestImportFile) {
    g.platform.dialogs.Error("Cannot import file : " + chosen + " holds far more than a database can.", "Error");
    return;
  }
  BR_IMP& window = import_.Open(g, db);
  window.OnClosed = [this](bool imported) {
    SetEnabled(true);
    if (imported) MarkChanged();
  };
  window.ShowFile(path.filename().string(), std::move(*bytes));
  SetEnabled(false);
}

void BR_DB::DbNew_Click() { fileCommands_.New(); }

void BR_DB::DbSaveAs_Click() { fileCommands_.SaveAs(); }

void BR_DB::DbRemove_Click() { fileCommands_.Remove(); }

void BR_DB::DbClose_Click() { Unload(); }
