#include "charts/outlook_report.h"

#include "charts/br_outlook.h"
#include "charts/print_job.h"
#include "people/record_file.h"

namespace {

// Every printed line that is not blank starts at this margin, as in the team report.
const std::string M(6, ' ');

}  // namespace

void PrintOutlookReport(GLOBAL& g, br_outlook& window) {
  const TeamOutlook& outlook = window.Shown;
  if (outlook.Days.empty()) return;
  PrintReport(g, window, [&](PrintJob& job) {
    job.FontName("courier new");
    job.Style(12, true);
    job.Blank(5);
    job.Line(M + "Team Outlook");
    job.Line(M + "Event Date : " + WriteDate(outlook.Days.front().Day));
    job.Line(M + "Print Date : " + TodayText(g));
    job.Blank(1);
    job.Line(M + "Team 1 : " + UpperCase(outlook.Team1));
    job.Line(M + "Team 2 : " + UpperCase(outlook.Team2));
    job.Blank(1);
    job.Line(M + "Best day for team 1 : " + BestDayText(outlook.BestFor1()));
    job.Line(M + "Best day for team 2 : " + BestDayText(outlook.BestFor2()));
    job.Blank(1);
    job.Style(11, false);
    job.Line(M + OutlookHeading);
    for (const ItemList::Item& row : window.Days.Items()) job.Line(M + row.Text);
  });
}
