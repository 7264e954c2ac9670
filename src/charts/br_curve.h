// One person's three cycles drawn as curves from a week before the event date to four weeks
// after it, with the critical days of that period, stepped a week at a time and printed.
#pragma once

#include <string>

#include "charts/cycle_curves.h"
#include "core/globals.h"
#include "platform/form.h"
#include "platform/picture_box.h"

class br_curve : public Form {
 public:
  explicit br_curve(GLOBAL& g);

  Label Label1;           // whose curves: the name and the date of birth
  PictureBox Chart;       // the three curves over the period
  Label Label2;           // "Critical Days"
  ListBox CriticalDays;   // one row per critical day of the period
  Button cb_Earlier;
  Button cb_Later;
  Button cb_Export;    // the critical days listed, as a table
  Button cb_Calendar;  // the critical days of the coming year, as a calendar to import
  Button cb_Print;
  Button cb_close;

  // The person charted and the period shown, as printed.
  std::string ChartName;
  CycleCurves Curves;

  // Charts the person around the event date; the dates have passed CheckDates.
  void ShowPerson(const std::string& name, const std::string& dob, const std::string& eventDate);

  void cb_Earlier_Click();
  void cb_Later_Click();
  void cb_Export_Click();
  void cb_Calendar_Click();
  void cb_Print_Click();
  void cb_close_Click();

 private:
  // Shows the period that starts on the day, or the one that ends on the last day a date can be
  // written when it would pass it; the steps stop at the day of birth and at that last day.
  void ShowPeriod(Date first);

  GLOBAL& g;
};
