// The database manager: creates, opens, saves, saves under another name and removes people
// databases, and adds, changes and deletes their persons through the details dialog.
#pragma once

#include <optional>
#include <string>

#include "core/globals.h"
#include "people/br_frm.h"
#include "platform/form.h"

class BR_DB : public Form {
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
  void DbNew_Click();
  void DbRemove_Click();
  void DbSaveAs_Click();
  void DbClose_Click();

 protected:
  void Form_Load() override;
  void Form_Unload() override;

 private:
  void FillContents();
  // Offers to save unsaved changes; false when the user wanted them saved and they could not
  // be, so that what would drop them does not go on.
  bool OfferSave();
  // Saves under the name; false when the save failed or the user would not replace a file read
  // only in part with what was read of it. A database that is not saved keeps its name, its
  // changes and the Save button.
  bool SaveUnderName(const std::string& name);
  void SelectDatabase(const std::string& name);
  // The database list shows the database in memory again, after another pick was refused.
  void ShowCurrentInList();
  // Saves under the name and, once saved, shows the database list with it.
  void SaveAndRefresh(const std::string& name);
  // Puts the accepted entry into the database; false when there was nothing to put.
  bool ApplyEntry();
  void MarkChanged();
  // The person number of the selected row; nothing when no row is selected.
  std::optional<int> SelectedPerson() const;
  // Asks for a database name and gives its file name; nothing when the user gave none, when
  // no database may be saved under it (told with the refusal text), or when the user keeps the
  // file of that name.
  std::optional<std::string> AskNewName(const std::string& prompt, const std::string& title,
                                        const std::string& refusal);

  GLOBAL& g;
  PeopleDatabase& db;
  // The file of the database shown when it could be read only in part; empty otherwise.
  std::string partlyRead_;
  // Set while the list is made to show the database in memory, which is no pick of the user's.
  bool reselecting_ = false;
};
