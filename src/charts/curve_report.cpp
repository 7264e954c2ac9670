#include "charts/curve_report.h"

#include "charts/br_curve.h"
#include "charts/print_job.h"
#include "people/record_file.h"

void PrintCurveReport(GLOBAL& g, br_curve& window) {
  if (window.ChartName.empty()) return;
  const CycleCurves& curves = window.Curves;
  PrintReport(g, window, [&](PrintJob& job) {
    job.FontName("Courier");
    job.Style(16, true);
    job.Blank(2);
    job.Line("Biorhythm Curves for " + UpperCase(window.ChartName));
    job.Style(11, false);
    job.Blank(2);
    job.Line("Born on    : " + WriteDate(curves.Dob));
    job.Line("Event Date : " + WriteDate(curves.Event));
    job.Line("Period     : " + WriteDate(curves.First) + " - " +
             WriteDate(AddDays(curves.First, CurveDays - 1)));
    job.Line("Print Date : " + TodayText(g));
    job.Blank(2);
    // The picture the window shows, at its size on the screen.
    job.Picture(window.Chart.Place.Width, window.Chart.Place.Height, window.Chart.OnPaint);
    job.Blank(2);
    job.Line("Critical Days");
    job.Blank(1);
    for (const ItemList::Item& row : window.CriticalDays.Items()) job.Line(row.Text);
  });
}
