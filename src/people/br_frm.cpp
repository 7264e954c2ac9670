#include "people/br_frm.h"

#include "core/dates.h"
#include "people/database_file.h"
#include "platform/dialogs.h"

namespace {

constexpr int LabelLeft = 120;
constexpr int BoxLeft = 780;
constexpr int ButtonLeft = 4260;
constexpr int FirstRow = 120;
constexpr int SecondRow = 615;

// A name the database would keep as nothing: no character of it can be written to its file.
bool KeepsNothing(const std::string& name) {
  PeopleDatabase probe;
  return !AddPerson(name, "", probe);
}

}  // namespace

BR_FRM::BR_FRM(GLOBAL& g)
    : Form(g.platform.desktop, "BR_FRM", "Individual Details", 5535, 1110),
      Label2(*this, "Label2", Rect{LabelLeft, FirstRow + 60, 600, 255}, "Name"),
      tb_name(*this, "tb_name", Rect{BoxLeft, FirstRow, 3300, 345}),
      Label3(*this, "Label3", Rect{LabelLeft, SecondRow + 60, 600, 255}, "Born"),
      tb_dob(*this, "tb_dob", Rect{BoxLeft, SecondRow, 1500, 345}),
      Command1(*this, "Command1", Rect{ButtonLeft, FirstRow, 1155, 375}, "&OK"),
      cb_close(*this, "cb_close", Rect{ButtonLeft, SecondRow, 1155, 375}, "&Cancel"),
      g(g) {
  IsDialog = true;
  tb_name.Buddy = &Label2;
  tb_dob.Buddy = &Label3;
  cb_close.Cancel = true;
  Command1.OnClick = [this] { Command1_Click(); };
  cb_close.OnClick = [this] { cb_close_Click(); };
}

void BR_FRM::Form_Load() {
  tb_name.SetText(g.EntryName);
  tb_dob.SetText(g.EntryDob);
  g.EntryAccepted = false;
}

void BR_FRM::Form_Unload() {
  if (OnClosed) OnClosed();
}

bool BR_FRM::NameAccepted() {
  if (g.EntryName.empty()) {
    g.platform.dialogs.Error("Name must be filled in.", "Error");
  } else if (KeepsNothing(g.EntryName)) {
    g.platform.dialogs.Error("Name must hold at least one plain letter (A to Z), digit or sign.",
                             "Error");
  } else {
    return true;
  }
  return false;
}

void BR_FRM::Command1_Click() {
  g.EntryName = tb_name.Text();
  if (!NameAccepted()) return;
  std::string dob = tb_dob.Text();
  if (!CheckDates(g, g.EntryName, dob, TodayText(g))) return;
  g.EntryDob = tb_dob.Text();
  g.EntryAccepted = true;
  Unload();
}

void BR_FRM::cb_close_Click() {
  g.EntryAccepted = false;
  Unload();
}
