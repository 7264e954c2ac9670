#include "app/br_cp.h"

#include <algorithm>

#include "app/br_about.h"
#include "charts/br_grp.h"
#include "charts/br_ind.h"
#include "core/cycle_tables.h"
#include "people/br_db.h"
#include "platform/desktop.h"
#include "platform/files.h"
#include "teams/br_tm.h"

namespace {

constexpr int ButtonWidth = 1455;
constexpr int ButtonHeight = 375;
constexpr int ButtonTop = 132;

Rect ButtonAt(int left) { return Rect{left, ButtonTop, ButtonWidth, ButtonHeight}; }

}  // namespace

br_cp::br_cp(GLOBAL& g)
    : Form(g.platform.desktop, "br_cp", "Ondulix", 9495, 615),
      Command1(*this, "Command1", ButtonAt(120), "&Bio Calendar"),
      Command6(*this, "Command6", ButtonAt(1680), "&NFL"),
      Command7(*this, "Command7", ButtonAt(3240), "NB&A"),
      Command2(*this, "Command2", ButtonAt(4800), "&Team Manager"),
      Command3(*this, "Command3", ButtonAt(6360), "&Database"),
      Command4(*this, "Command4", ButtonAt(7920), "Ab&out"),
      g(g) {
  Command1.OnClick = [this] { Command1_Click(); };
  Command2.OnClick = [this] { Command2_Click(); };
  Command3.OnClick = [this] { Command3_Click(); };
  Command4.OnClick = [this] { Command4_Click(); };
  Command6.OnClick = [this] { Command6_Click(); };
  Command7.OnClick = [this] { Command7_Click(); };
}

// Out of line: destroying the window references needs the windows' classes.
br_cp::~br_cp() = default;

void br_cp::Form_Load() {
  const Desktop& screen = desktop();
  // Computed in single precision, centred across and 3000 twips above the middle.
  const float top = screen.ScreenHeight() / 2.0f - Height() / 2.0f - 3000.0f;
  const float left = screen.ScreenWidth() / 2.0f - Width() / 2.0f;
  Top = static_cast<int>(std::max(top, 0.0f));
  Left = static_cast<int>(std::max(left, 0.0f));

  InitGlobals(g, g.platform.dataFolder);
  // Saves cut short (the program killed, the machine stopped) leave their temporary files.
  files::RemoveStaleTemporaries(g.DataFolder);
  if (!LoadCycleTables(g)) {
    desktop().EndProgram();
    return;
  }
  Command4_Click();
}

void br_cp::Form_Unload() {
  // Unloading changes the list, so go through a copy of it.
  const std::vector<Form*> loaded = desktop().LoadedForms();
  for (Form* form : loaded) {
    // A window that keeps work the user wanted saved, and could not be, keeps the program.
    if (form != this && !form->Unload()) {
      CancelUnload();
      return;
    }
  }
  desktop().EndProgram();
}

void br_cp::Command1_Click() { br_ind.Open(g); }
void br_cp::Command2_Click() { BR_TM.Open(g); }
void br_cp::Command3_Click() { BR_DB.Open(g); }
void br_cp::Command4_Click() { BR_ABOUT.Open(g); }
void br_cp::Command6_Click() { OpenLeague("NFL"); }
void br_cp::Command7_Click() { OpenLeague("NBA"); }

void br_cp::OpenLeague(const char* preset) {
  g.LeaguePreset = preset;
  br_grp.Open(g);
}
