// The chemistry of the two teams of the comparison side by side: each team's mean compatibility
// over all pairs of its members, as figures and bars, with its most and least compatible pair.
#pragma once

#include <string>

#include "charts/compatibility.h"
#include "core/globals.h"
#include "platform/form.h"
#include "platform/picture_box.h"

class br_chem : public Form {
 public:
  explicit br_chem(GLOBAL& g);

  // Team 1 on the left.
  Label Team1;          // "Team 1 : " and its file
  Label Chemistry1;     // the team's chemistry, or why it has none
  Label Counted1;       // the members and pairs counted, and the members left out
  Label Physical1;      // each cycle's mean figure over the pairs, and the overall one
  Label Emotional1;
  Label Intellectual1;
  Label Overall1;
  PictureBox Bars1;     // the four figures as bars
  Label Best1;          // the most compatible pair
  Label Worst1;         // the least compatible pair
  // Team 2 on the right.
  Label Team2;
  Label Chemistry2;
  Label Counted2;
  Label Physical2;
  Label Emotional2;
  Label Intellectual2;
  Label Overall2;
  PictureBox Bars2;
  Label Best2;
  Label Worst2;
  Button cb_Print;
  Button cb_close;

  // The chemistry on show, as printed: the date the comparison charted, and each team's.
  std::string EventDate;
  TeamChemistry Shown1;
  TeamChemistry Shown2;

  // The chemistry of both teams, of the members the comparison charts on the event date.
  void ShowTeams(const TeamRecord& team1, const TeamRecord& team2, const std::string& eventDate);

  void cb_Print_Click();
  void cb_close_Click();

 private:
  // What one side of the window is made of.
  struct Side {
    const TeamChemistry& chemistry;
    Label& team;
    Label& summary;
    Label& counted;
    Label* figures[4];
    PictureBox& bars;
    Label& best;
    Label& worst;
  };
  Side Left();
  Side Right();
  static void ShowSide(const Side& side);

  GLOBAL& g;
};
