// The team comparison: two teams side by side for one event date, each member's day in the
// three cycles, the teams' totals and the grand total, and the printed comparison.
#pragma once

#include <cstdint>
#include <string>

#include "charts/br_chem.h"
#include "charts/br_outlook.h"
#include "charts/comparison_export.h"
#include "core/globals.h"
#include "platform/form.h"

class br_grp : public Form {
 public:
  explicit br_grp(GLOBAL& g);

  Label Label1;           // "Team 1"
  ComboBox TmList1;       // the team files offered for team 1
  Label Label2;           // "Team 2"
  ComboBox TmList2;       // the team files offered for team 2
  Label Label5;           // " P   E   I" over team 1's symbols
  Label Label3;           // " P   E   I" over team 2's symbols
  ListBox TmContents1;    // team 1's chart lines
  ListBox TmContents2;    // team 2's chart lines
  Label Label4;           // team 1's scale sums
  Label Label6;           // team 2's scale sums
  Label Label8;           // team 1's double pluses
  Label Label9;           // team 2's double pluses
  Label Label7;           // "Event Date"
  TextBox EvDate;
  Button UpDate;
  Button DownDate;
  Button compute;         // shown while the date has changed since the last computation
  Button Command3;        // "&Print"
  Button cb_Outlook;      // the four weeks from the date last charted; enabled once one was
  Button cb_Chemistry;    // both teams' chemistry on the date last charted; enabled likewise
  Button cb_Export;       // the comparison last charted, as a table; enabled likewise
  Button Command4;        // "&Close"
  Label Label10;          // team 1's emotional balance
  Label Label12;          // the grand total; shown in the "NFL" league only
  Label Label11;          // team 2's emotional balance

  // The outlook and the chemistry of the teams charted; both close with this window.
  WindowRef<::br_outlook> br_outlook;
  WindowRef<::br_chem> br_chem;

  // Charts both teams for the date in the box; a text that fails the date check is replaced
  // by today, in the box too. The step buttons then count from the date the box held, when it
  // held one.
  void CompareTeams();

  void TmList1_Click();
  void TmList2_Click();
  void EvDate_Change();
  void compute_Click();
  void UpDate_Click();
  void DownDate_Click();
  void Command3_Click();
  void cb_Outlook_Click();
  void cb_Chemistry_Click();
  void cb_Export_Click();
  void Command4_Click();

 protected:
  void Form_Load() override;
  void Form_Unload() override;

 private:
  // EventDate from the box, checked; a text that fails the check is replaced by today, in the
  // box too.
  void TakeEventDate();
  // What one side of the comparison is made of.
  struct Side {
    TeamRecord& team;
    ComboBox& picker;
    ListBox& lines;
    Label& sums;
    Label& pluses;
    Label& balance;
    std::int16_t& emoUp;
    std::int16_t& emoDown;
    ChartedTeam& charted;
  };
  Side Team1();
  Side Team2();

  void FillTeamLists();
  // Shows the side's remembered team, or the first offered when the list lacks it.
  static void SelectTeam(const Side& side);
  void PickTeam(const Side& side);
  void ChartTeam(const Side& side);

  GLOBAL& g;
  // The event date of the last computation, and what it charted on each side.
  std::string chartedDate_;
  ChartedTeam charted1_, charted2_;
};
