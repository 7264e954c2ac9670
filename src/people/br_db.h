// The database manager: creates, opens, saves, saves under another name and removes people
// databases, and adds, changes and deletes their persons through the details dialog.
#pragma once

#include <optional>
#include <string>

#include "core/globals.h"
#include "people/br_frm.h"
#include "people/br_imp.h"
#include "people/file_commands.h"
#include "platform/form.h"

class BR_DB : public Form, private FileCommands::Window {
 public:
  explicit BR_DB(GLOBAL& g);

  Label Label2;      // "Select Database "
  ComboBox DbList;   // the .BDB files of the data folder
  Label Label1;      // "Contents"
  ListBox Contents;  // one row per person, carrying the person's number
  Button DbAdd;
  Button DbModify;
  Button DbDelete;
  Button DbSave;  // shown only while there are unsaved changes
  Button DbImport;  // people from a spreadsheet, added as changes not yet saved
  Button DbExport;  // the database shown, as a table for spreadsheets
  Label Label3;   // "Database"
  Button DbNew;
  Button DbRemove;
  Button DbSaveAs;
  Button DbClose;

  // The details dialog this window opens; it closes with this window.
  WindowRef<::BR_FRM> BR_FRM;

  // Opens the details dialog on these values and keeps this window disabled until it closes.
  // The caller sets EntryMode (and EntryIndex) first.
  void Entry(const std::string& name, const std::string& dob);
  // The details dialog has closed: applies the entry when it was accepted.
  void EntryReturn();
  // Lists the databases again and opens the current one, dropping what was shown.
  void RefreshForm();

  void DbList_Click();
  void DbAdd_Click();
  void DbModify_Click();
  void DbDelete_Click();
  void DbSave_Click();
  void DbImport_Click();
  void DbExport_Click();
  void DbNew_Click();
  void DbRemove_Click();
  void DbSaveAs_Click();
  void DbClose_Click();

 protected:
  void Form_Load() override;
  void Form_Unload() override;

 private:
  // How the file commands read, write and create a database, and list them again.
  void ReadFile(const std::string& fileName) override;
  // False also when the user would not replace a file read only in part with what was read of
  // it.
  bool WriteFile(const std::string& fileName) override;
  bool CreateFile(const std::string& fileName) override;
  void ListFiles() override { RefreshForm(); }

  void FillContents();
  // Puts the accepted entry into the database; false when there was nothing to put.
  bool ApplyEntry();
  void MarkChanged();
  // The person number of the selected row; nothing when no row is selected.
  std::optional<int> SelectedPerson() const;

  GLOBAL& g;
  PeopleDatabase& db;
  FileCommands fileCommands_;
  // The import window, open while it adds people to the database shown.
  WindowRef<BR_IMP> import_;
  // The file of the database shown when it could be read only in part; empty otherwise.
  std::string partlyRead_;
};
