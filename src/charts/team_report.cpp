#include "charts/team_report.h"

#include <string>

#include "charts/br_grp.h"
#include "charts/print_job.h"
#include "people/record_file.h"
#include "platform/printer.h"

namespace {

// Every printed line that is not blank starts at this margin.
const std::string M(6, ' ');

void Heading(PrintJob& job) { job.Style(12, true); }
void Body(PrintJob& job) { job.Style(11, false); }

// One team's part of the report; the rows of team 2 stand two blanks further in.
void PrintTeam(PrintJob& job, const TeamRecord& team, const ListBox& lines, int indent,
               int up, int down, const Label& sums, const Label& pluses) {
  Heading(job);
  job.Line(M + "Biorhythm for team : " + UpperCase(team.FileName));
  job.Blank(1);
  Body(job);
  for (const ItemList::Item& row : lines.Items()) job.Line(M + std::string(indent, ' ') + row.Text);
  job.Blank(1);
  Heading(job);
  job.Line(M + "Team Totals : " + std::to_string(up) + " " + std::to_string(down) + " = " +
           PrintItem(up + down));
  job.Blank(1);
  Body(job);
  job.Line(M + "  " + sums.Caption());
  job.Line(M + " " + pluses.Caption());
}

}  // namespace

void PrintTeamReport(GLOBAL& g, br_grp& window) {
  PrintReport(g, window, [&g, &window](PrintJob& job) {
    job.FontName("courier new");
    Heading(job);
    job.Blank(5);
    job.Line(M + "Event Date : " + g.EventDate);
    job.Line(M + "Print Date : " + TodayText(g));
    job.Blank(1);
    PrintTeam(job, g.GroupTeam1, window.TmContents1, 5, g.GroupEmoUp1, g.GroupEmoDown1,
              window.Label4, window.Label8);
    job.Blank(2);
    PrintTeam(job, g.GroupTeam2, window.TmContents2, 7, g.GroupEmoUp2, g.GroupEmoDown2,
              window.Label6, window.Label9);
    job.Blank(1);
    job.Style(20, true);
    job.Line(M + "Grand Totals : " +
             std::to_string(g.GroupEmoUp1 + g.GroupEmoDown1 + g.GroupEmoUp2 + g.GroupEmoDown2));
  });
}
