// The team manager: creates, opens, saves, saves under another name and removes teams, and
// builds the member list of the open team from the persons of the team's database.
#pragma once

#include <string>

#include "core/globals.h"
#include "people/file_commands.h"
#include "platform/form.h"

class BR_TM : public Form, private FileCommands::Window {
 public:
  explicit BR_TM(GLOBAL& g);

  Label Label1;        // "Select Team"
  ComboBox TmList;     // the .BTM files of the data folder
  Label Label2;        // "Contents"
  Line Line4;
  Label Label4;        // "Database"
  Label DbLabel;       // the file name of the team's database
  Label Label5;        // "Team "
  ListBox DbContents;  // the persons of the team's database; rows are dragged from here
  Button DbAdd;
  Button DbDelete;
  Button DbSave;  // shown only while the team has unsaved changes
  Button cmdUp;
  Button cmdDown;
  ListBox TmContents;  // the members in team order; persons are dropped here
  Label Label3;        // "Team"
  Line Line2;
  Button DbNew;
  Button DbRemove;
  Button DbSaveAs;
  Button DbClose;

  // Lists the teams again and reopens the current one from its file.
  void RefreshTmForm();

  void Form_Click() override;
  void TmList_Click();
  void DbNew_Click();
  void DbSave_Click();
  void DbSaveAs_Click();
  void DbRemove_Click();
  void DbClose_Click();

  void DbAdd_Click();
  void DbDelete_Click();
  void cmdUp_Click();
  void cmdDown_Click();
  void TmContents_Click();
  // Something was dropped on the member list; the member of the current row, not the row
  // under the pointer, says where the person goes.
  void TmContents_DragDrop(Control& source, int row);

 protected:
  void Form_Load() override;
  void Form_Unload() override;

 private:
  // How the file commands read, write and create a team, and list them again.
  void ReadFile(const std::string& fileName) override;
  bool WriteFile(const std::string& fileName) override;
  // Asks for the new team's database, which must exist.
  bool CreateFile(const std::string& fileName) override;
  void ListFiles() override { RefreshTmForm(); }

  void FillLists();
  void FillMembers();
  void ClearMemberSelection();

  // Puts the person of the current database row before the member of the current member row
  // (or last); false when there was no person or the team is full.
  bool AddCurrentPerson();
  // Exchanges the current member with the one a step away (-1 above, +1 below).
  void MoveMember(int step);
  void MarkModified();

  GLOBAL& g;
  TeamRecord& team;
  FileCommands fileCommands_;
};
