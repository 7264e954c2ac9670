#include "charts/individual_report.h"

#include <string_view>

#include "charts/br_ind.h"
#include "charts/print_job.h"
#include "people/record_file.h"

namespace {

// Each line break of the description starts a new printed line; one at the very end leaves
// an empty line after the text.
void PrintParagraphs(PrintJob& job, std::string_view text) {
  while (true) {
    const size_t end = text.find_first_of("\r\n");
    job.Line(std::string(text.substr(0, end)));
    if (end == std::string_view::npos) return;
    const bool crlf = text.compare(end, 2, "\r\n") == 0;
    text.remove_prefix(end + (crlf ? 2 : 1));
  }
}

}  // namespace

void PrintIndividualReport(GLOBAL& g, br_ind& window) {
  if (window.ChartName.empty()) return;
  PrintReport(g, window, [&g, &window](PrintJob& job) {
    job.FontName("Courier");
    job.Style(18, true);
    job.Blank(7);
    job.Line("Biorhythm for " + UpperCase(window.ChartName));
    job.Style(11, false);
    job.Blank(3);
    job.Line("Born on    : " + window.ChartDob);
    job.Line("Event Date : " + window.ChartEventDate);
    job.Line("Print Date : " + TodayText(g));
    job.Blank(3);
    job.Line(window.ChartPhysicalLine);
    job.Line(window.ChartEmotionalLine);
    job.Line(window.ChartIntellectLine);
    job.Blank(2);
    job.Line("Description");
    job.Blank(1);
    PrintParagraphs(job, window.ChartDescription);
  });
}
