// One person's biorhythm on the event date: a line for each cycle and the description of the
// day, for a person picked from a people database, and the printed chart.
#pragma once

#include <string>

#include "charts/br_curve.h"
#include "charts/br_match.h"
#include "core/globals.h"
#include "platform/form.h"

class br_ind : public Form {
 public:
  explicit br_ind(GLOBAL& g);

  Label Label3;    // "Event Date"
  TextBox EvDate;
  Button UpDate;
  Button DownDate;
  Label Label1;    // "Database "
  ComboBox DbList; // the .BDB files of the data folder
  ListBox Contents;  // one row per person, carrying the person's number
  Label Label4;    // "Biorhythm"
  Label Label5;    // the physical line
  Label Label6;    // the emotional line
  Label Label7;    // the intellectual line
  TextBox Desc1;   // the description of the day
  Button cb_Match;  // enabled while a chart is shown
  Button cb_Graph;  // enabled while a chart is shown
  Button cb_Print;
  Button cb_close;

  // The curves and the matches of the person charted; both close with this window.
  WindowRef<::br_curve> br_curve;
  WindowRef<::br_match> br_match;

  // The chart on show, as printed; ChartName is empty while no chart is shown.
  std::string ChartName;
  std::string ChartDob;
  std::string ChartEventDate;
  std::string ChartDescription;
  std::string ChartPhysicalLine;
  std::string ChartEmotionalLine;
  std::string ChartIntellectLine;

  // Clears the chart and the selection.
  void ResetForm();
  // Lists the databases again and opens the first one.
  void RefreshForm();

  void DbList_Click();
  void Contents_Click();
  void EvDate_Change();
  void UpDate_Click();
  void DownDate_Click();
  void cb_Match_Click();
  void cb_Graph_Click();
  void cb_Print_Click();
  void cb_close_Click();

 protected:
  void Form_Load() override;
  void Form_Unload() override;

 private:
  void ShowChart();
  void OpenDatabase(const std::string& name);

  GLOBAL& g;
};
