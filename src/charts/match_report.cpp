#include "charts/match_report.h"

#include "charts/br_match.h"
#include "charts/print_job.h"
#include "people/record_file.h"

void PrintMatchReport(GLOBAL& g, br_match& window) {
  PrintReport(g, window, [&](PrintJob& job) {
    job.FontName("Courier");
    job.Style(16, true);
    job.Blank(2);
    job.Line("Compatibility of " + UpperCase(window.ChartName));
    job.Style(11, false);
    job.Blank(2);
    job.Line("Born on    : " + window.ChartDob);
    job.Line("Print Date : " + TodayText(g));
    job.Blank(2);
    job.Line(window.Pair.Caption());
    if (window.Shown) {
      job.Blank(1);
      for (const Label* figure : window.Figures()) job.Line(figure->Caption());
      job.Blank(1);
      // The bars the window shows, at their size on the screen.
      job.Picture(window.Bars.Place.Width, window.Bars.Place.Height, window.Bars.OnPaint);
    }
    job.Blank(1);
    for (const char* line : CompatibilityFormulaLines) job.Line(line);
    job.Blank(2);
    job.Line("Best matches in " + UpperCase(window.Database.FileName));
    job.Blank(1);
    for (const ItemList::Item& row : window.BestMatches.Items()) job.Line(row.Text);
  });
}
