// The outlook of the two teams of the comparison over the four weeks from its event date:
// a row per day, the balances and the edge drawn, and each team's best day named.
#pragma once

#include <string>

#include "charts/team_outlook.h"
#include "core/globals.h"
#include "platform/form.h"
#include "platform/picture_box.h"

class br_outlook : public Form {
 public:
  explicit br_outlook(GLOBAL& g);

  Label Label1;      // "Team 1 : " and its file
  Label Label2;      // "Team 2 : " and its file
  Label Label3;      // team 1's best day
  Label Label4;      // team 2's best day
  Label Label5;      // what the chart shows
  PictureBox Chart;  // both balances and the edge over the period
  Label Label6;      // the headings of the day rows
  ListBox Days;      // one row per day
  Button cb_Export;
  Button cb_Print;
  Button cb_close;

  // The outlook on show, as printed.
  TeamOutlook Shown;

  // Charts the two teams from the event date, a date the comparison has charted.
  void ShowTeams(const TeamRecord& team1, const TeamRecord& team2, const std::string& eventDate);

  void cb_Export_Click();
  void cb_Print_Click();
  void cb_close_Click();

 private:
  GLOBAL& g;
};
