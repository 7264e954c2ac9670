// Editing the member list of the open team: adding persons of the team's database by button or
// by drop, deleting members and moving them up and down. Edits stay in memory until saved.
#include <algorithm>

#include "platform/dialogs.h"
#include "teams/br_tm.h"
#include "teams/team_file.h"

void BR_TM::ClearMemberSelection() {
  TmContents.SetListIndex(-1);
  cmdUp.SetEnabled(false);
  cmdDown.SetEnabled(false);
}

void BR_TM::FillMembers() {
  TmContents.Clear();
  for (int n = 1; n <= team.Count; ++n) TmContents.AddItem(team.Members[n].Name, n);
  DbLabel.SetCaption(team.Database.FileName);
}

void BR_TM::FillLists() {
  FillMembers();
  DbContents.Clear();
  const PeopleDatabase& database = team.Database;
  for (int k = 1; k <= database.Count; ++k) {
    DbContents.AddItem(database.Persons[static_cast<size_t>(k - 1)].Name, k);
  }
}

void BR_TM::MarkModified() {
  team.Modified = true;
  DbSave.SetVisible(true);
}

bool BR_TM::AddCurrentPerson() {
  const int d = DbContents.ListIndex();
  const int t = TmContents.ListIndex();
  ClearMemberSelection();
  if (d < 0) return false;
  const Person& person = team.Database.Persons[static_cast<size_t>(DbContents.ItemData(d) - 1)];
  const int pos = t >= 0 ? TmContents.ItemData(t) : -1;
  if (!AddMember(g, person.Name, person.Dob, team)) return false;
  if (pos > 0) {
    // The new member, added last, goes before the member of the current row.
    const auto first = team.Members.begin();
    std::rotate(first + pos, first + team.Count, first + team.Count + 1);
  }
  return true;
}

void BR_TM::DbAdd_Click() {
  if (!AddCurrentPerson()) return;
  FillLists();
  MarkModified();
}

void BR_TM::TmContents_DragDrop(Control& source, int) {
  // Only persons of the team's database join the team.
  if (&source != &DbContents) return;
  if (AddCurrentPerson()) {
    FillLists();
  } else {
    FillMembers();
  }
  MarkModified();
  g.InsertRow = -1;
}

void BR_TM::DbDelete_Click() {
  const int t = TmContents.ListIndex();
  if (t < 0) return;
  ClearMemberSelection();
  const int n = TmContents.ItemData(t);
  if (!Confirm(g.platform.dialogs, "Are you sure you want to delete  " + team.Members[n].Name + " ? ")) return;
  const auto first = team.Members.begin();
  std::move(first + n + 1, first + team.Count + 1, first + n);
  --team.Count;
  FillLists();
  MarkModified();
}

void BR_TM::cmdUp_Click() { MoveMember(-1); }
void BR_TM::cmdDown_Click() { MoveMember(+1); }

void BR_TM::MoveMember(int step) {
  const int rows = TmContents.ListCount();
  const int r = TmContents.ListIndex();
  if (r >= 0 && r + step >= 0 && r + step < rows) {
    std::swap(team.Members[TmContents.ItemData(r)], team.Members[TmContents.ItemData(r + step)]);
  }
  FillLists();
  MarkModified();
  // Down keeps the moved member current, so that pressing again moves it further; up makes
  // current the row the member left.
  TmContents.SetListIndex(step > 0 ? std::min(g.InsertRow + 1, rows - 1) : g.InsertRow);
}

void BR_TM::TmContents_Click() {
  g.InsertRow = static_cast<std::int16_t>(TmContents.ListIndex());
  cmdUp.SetEnabled(true);
  cmdDown.SetEnabled(true);
}
