#include "charts/chemistry_report.h"

#include "charts/br_chem.h"
#include "charts/print_job.h"
#include "people/record_file.h"

namespace {

// Every printed line that is not blank starts at this margin, as in the team report.
const std::string M(6, ' ');

// One team's part: its heading, then the lines of its side of the window that hold something.
void PrintTeam(PrintJob& job, const std::string& heading, std::initializer_list<const Label*> side) {
  job.Style(12, true);
  job.Line(M + heading);
  job.Blank(1);
  job.Style(11, false);
  for (const Label* label : side) {
    if (!label->Caption().empty()) job.Line(M + label->Caption());
  }
}

}  // namespace

void PrintChemistryReport(GLOBAL& g, br_chem& w) {
  PrintReport(g, w, [&](PrintJob& job) {
    job.FontName("courier new");
    job.Style(12, true);
    job.Blank(5);
    job.Line(M + "Team Chemistry");
    job.Line(M + "Event Date : " + w.EventDate);
    job.Line(M + "Print Date : " + TodayText(g));
    job.Blank(2);
    PrintTeam(job, "Team 1 : " + UpperCase(w.Shown1.Team),
              {&w.Chemistry1, &w.Counted1, &w.Physical1, &w.Emotional1, &w.Intellectual1,
               &w.Overall1, &w.Best1, &w.Worst1});
    job.Blank(2);
    PrintTeam(job, "Team 2 : " + UpperCase(w.Shown2.Team),
              {&w.Chemistry2, &w.Counted2, &w.Physical2, &w.Emotional2, &w.Intellectual2,
               &w.Overall2, &w.Best2, &w.Worst2});
  });
}
