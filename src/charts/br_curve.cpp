#include "charts/br_curve.h"

#include "charts/curve_export.h"
#include "charts/curve_report.h"
#include "charts/picture_window.h"
#include "core/export_file.h"

namespace {

using namespace picture_window;

constexpr int ChartHeight = 5400;
constexpr int ChartTop = 480;
constexpr int ListTitleTop = ChartTop + ChartHeight + 150;
constexpr int ListTop = ListTitleTop + 270;
constexpr int ListHeight = 1800;
constexpr int ButtonTop = ListTop + ListHeight + 150;
constexpr int WindowHeight = ButtonTop + RowHeight + Margin;

constexpr int Week = 7;
// The latest period ends on the last day a date can be written.
constexpr Date LatestFirst{std::chrono::sys_days{LastDate} - std::chrono::days{CurveDays - 1}};

}  // namespace

br_curve::br_curve(GLOBAL& g)
    : Form(g.platform.desktop, "br_curve", "Biorhythm Curves", WindowWidth, WindowHeight),
      Label1(*this, "Label1", Rect{Margin, 150, PictureWidth, 270}),
      Chart(*this, "Chart", Rect{Margin, ChartTop, PictureWidth, ChartHeight}),
      Label2(*this, "Label2", Rect{Margin, ListTitleTop, 3000, 270}, "Critical Days"),
      CriticalDays(*this, "CriticalDays", Rect{Margin, ListTop, PictureWidth, ListHeight}, false),
      cb_Earlier(*this, "cb_Earlier", ButtonFromLeft(0, ButtonTop), "&Earlier"),
      cb_Later(*this, "cb_Later", ButtonFromLeft(1, ButtonTop), "&Later"),
      cb_Export(*this, "cb_Export", ButtonFromRight(3, ButtonTop), "E&xport..."),
      cb_Calendar(*this, "cb_Calendar", ButtonFromRight(2, ButtonTop), "Calen&dar..."),
      cb_Print(*this, "cb_Print", ButtonFromRight(1, ButtonTop), "&Print"),
      cb_close(*this, "cb_close", ButtonFromRight(0, ButtonTop), "&Close"),
      g(g) {
  Label1.TextFont.Bold = true;
  Label2.TextFont.Bold = true;
  CriticalDays.TextFont = Font{"Courier New", 9.75, false};
  cb_close.Cancel = true;
  Chart.Buddy = &Label1;
  CriticalDays.Buddy = &Label2;
  cb_Export.AccessibleName = "Export the critical days as CSV";
  cb_Calendar.AccessibleName = "Calendar of the critical days of the coming year";

  Chart.OnPaint = [this](Drawing& drawing, int width, int height) {
    if (!ChartName.empty()) DrawCycles(drawing, Curves, width, height);
  };
  cb_Earlier.OnClick = [this] { cb_Earlier_Click(); };
  cb_Later.OnClick = [this] { cb_Later_Click(); };
  cb_Export.OnClick = [this] { cb_Export_Click(); };
  cb_Calendar.OnClick = [this] { cb_Calendar_Click(); };
  cb_Print.OnClick = [this] { cb_Print_Click(); };
  cb_close.OnClick = [this] { cb_close_Click(); };
}

void br_curve::ShowPerson(const std::string& name, const std::string& dob,
                          const std::string& eventDate) {
  const auto birth = ReadDate(dob);
  const auto event = ReadDate(eventDate);
  if (!birth || !event) return;
  ChartName = name;
  Curves.Dob = *birth;
  Curves.Event = *event;
  Label1.SetCaption("Biorhythm Curves for " + name + ", born " + dob);
  ShowPeriod(AddDays(*event, -DaysBeforeEvent));
}

void br_curve::ShowPeriod(Date first) {
  // A period that would run past the last day ends on it instead, as the date boxes stop on it:
  // the picture keeps its days and the event date stays in it, near its right edge.
  if (DaysBetween(LatestFirst, first) > 0) first = LatestFirst;
  Curves = ChartCycles(g, Curves.Dob, Curves.Event, first);
  CriticalDays.Clear();
  for (const std::string& row : CriticalDayRows(Curves)) CriticalDays.AddItem(row, 0);
  cb_Earlier.SetEnabled(DaysBetween(Curves.Dob, first) > 0);
  cb_Later.SetEnabled(DaysBetween(first, LatestFirst) > 0);
  Chart.Repaint();
}

void br_curve::cb_Earlier_Click() { ShowPeriod(AddDays(Curves.First, -Week)); }
void br_curve::cb_Later_Click() { ShowPeriod(AddDays(Curves.First, Week)); }
void br_curve::cb_Export_Click() {
  ExportFile(g, "Export Critical Days",
             ChartName + " critical days " + WriteIsoDate(Curves.First) + ".csv", CsvFiles,
             CriticalDaysCsv(Curves));
}

void br_curve::cb_Calendar_Click() {
  ExportFile(g, "Critical Days of the Coming Year", ChartName + " critical days.ics",
             CalendarFiles, CriticalDaysCalendar(g, ChartName, Curves.Dob));
}

void br_curve::cb_Print_Click() { PrintCurveReport(g, *this); }
void br_curve::cb_close_Click() { Unload(); }
