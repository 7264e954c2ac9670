// Every printed report, call for call on the recording printer: fonts, lines and the end of the
// document, and what a failing printer leaves behind.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>

#include "app/br_cp.h"
#include "charts/br_chem.h"
#include "charts/br_curve.h"
#include "charts/br_match.h"
#include "charts/br_outlook.h"
#include "support/world.h"

using testing::ElementsAre;
using testing::IsEmpty;
using Calls = std::vector<std::string>;

namespace {

// The expected calls of a report, written the way the report reads.
struct Expected {
  Calls calls;
  Expected& Font(const std::string& name) { return Add("font " + name); }
  Expected& Style(int points, bool bold) {
    Add("size " + std::to_string(points));
    return Add(bold ? "bold 1" : "bold 0");
  }
  Expected& Line(const std::string& text) { return Add("line " + text); }
  Expected& Blank(int count) {
    for (int k = 0; k < count; ++k) Line("");
    return *this;
  }
  Expected& End() { return Add("end"); }
  Expected& Add(const std::string& call) {
    calls.push_back(call);
    return *this;
  }
};

const std::string M(6, ' ');

struct Reports : testing::Test, World {};

// Team 1 of the test on 01/01/2000: ADAMS JOE is born that day, COLE RAY is ten years on.
Calls TeamReport(const br_grp& w) {
  Expected e;
  e.Font("courier new").Style(12, true).Blank(5);
  e.Line(M + "Event Date : 01/01/2000").Line(M + "Print Date : 06/15/2005").Blank(1);
  e.Style(12, true).Line(M + "Biorhythm for team : BLUE OFF.BTM").Blank(1).Style(11, false);
  e.Line(M + "     ADAMS JOE            * * *").Line(M + "     COLE RAY             + + -");
  e.Blank(1).Style(12, true).Line(M + "Team Totals : 1 0 =  1 ").Blank(1).Style(11, false);
  e.Line(M + "   Phy = 10    Emo = 8    Intellect = -6").Line(M + "   Double pluses  = 1");
  e.Blank(2).Style(12, true).Line(M + "Biorhythm for team : RED DEF.BTM").Blank(1);
  e.Style(11, false).Line(M + "       COLE RAY             + + -").Blank(1);
  e.Style(12, true).Line(M + "Team Totals : 1 0 =  1 ").Blank(1).Style(11, false);
  e.Line(M + "  " + w.Label6.Caption()).Line(M + " " + w.Label9.Caption()).Blank(1);
  return e.Style(20, true).Line(M + "Grand Totals : 2").End().calls;
}

Calls IndividualReport(const br_ind& w) {
  Expected e;
  e.Font("Courier").Style(18, true).Blank(7).Line("Biorhythm for ADAMS JOE").Style(11, false).Blank(3);
  e.Line("Born on    : 01/01/2000").Line("Event Date : 01/01/2000").Line("Print Date : 06/15/2005");
  e.Blank(3).Line(w.Label5.Caption()).Line(w.Label6.Caption()).Line(w.Label7.Caption());
  e.Blank(2).Line("Description").Blank(1);
  // The description's closing line break leaves one empty line at the end.
  return e.Line("A day of new beginnings.").Line("Rest early.").Blank(1).End().calls;
}

Calls CurveReport(const br_curve& w) {
  Expected e;
  e.Font("Courier").Style(16, true).Blank(2).Line("Biorhythm Curves for ADAMS JOE").Style(11, false).Blank(2);
  e.Line("Born on    : 01/01/2000").Line("Event Date : 01/01/2000");
  e.Line("Period     : 12/25/1999 - 01/29/2000").Line("Print Date : 06/15/2005").Blank(2);
  e.Add("picture 10800 5400").Blank(2).Line("Critical Days").Blank(1);
  for (const std::string& row : World::Rows(w.CriticalDays)) e.Line(row);
  return e.End().calls;
}

Calls OutlookReport(const br_outlook& w) {
  Expected e;
  e.Font("courier new").Style(12, true).Blank(5).Line(M + "Team Outlook").Line(M + "Event Date : 01/01/2000");
  e.Line(M + "Print Date : 06/15/2005").Blank(1).Line(M + "Team 1 : BLUE OFF.BTM");
  e.Line(M + "Team 2 : RED DEF.BTM").Blank(1).Line(M + w.Label3.Caption()).Line(M + w.Label4.Caption());
  e.Blank(1).Style(11, false).Line(M + OutlookHeading);
  for (const std::string& row : World::Rows(w.Days)) e.Line(M + row);
  return e.End().calls;
}

// The pair on show with its figures and bars.
Calls MatchReport(br_match& w) {
  Expected e;
  e.Font("Courier").Style(16, true).Blank(2).Line("Compatibility of ADAMS JOE").Style(11, false).Blank(2);
  e.Line("Born on    : 01/01/2000").Line("Print Date : 06/15/2005").Blank(2).Line(w.Pair.Caption()).Blank(1);
  for (const Label* figure : w.Figures()) e.Line(figure->Caption());
  e.Blank(1).Add("picture 7780 1320").Blank(1);
  e.Line("Each cycle: 100 * |cos(pi * d / p)| percent, d the days between");
  e.Line("the dates of birth, p the cycle's length (23, 28 or 33 days).");
  e.Line("Overall: the mean of the three cycles.").Blank(2).Line("Best matches in PEOPLE.BDB").Blank(1);
  for (const std::string& row : World::Rows(w.BestMatches)) e.Line(row);
  return e.End().calls;
}

// Each team's side of the window, the lines that hold something.
Calls ChemistryReport(const br_chem& w) {
  Expected e;
  e.Font("courier new").Style(12, true).Blank(5).Line(M + "Team Chemistry");
  e.Line(M + "Event Date : 01/01/2000").Line(M + "Print Date : 06/15/2005").Blank(2);
  e.Style(12, true).Line(M + "Team 1 : BLUE OFF.BTM").Blank(1).Style(11, false);
  for (const Label* line : {&w.Chemistry1, &w.Counted1, &w.Physical1, &w.Emotional1, &w.Intellectual1,
                            &w.Overall1, &w.Best1, &w.Worst1}) {
    e.Line(M + line->Caption());
  }
  e.Blank(2).Style(12, true).Line(M + "Team 2 : RED DEF.BTM").Blank(1).Style(11, false);
  e.Line(M + "No chemistry : fewer than two members counted").Line(M + "1 of 1 member counted, 0 pairs");
  return e.End().calls;
}

// Every report prints what its window shows, pictures as drawn there, under the busy pointer;
// the individual report only while a chart is on show.
// The printer failing at once, in the middle, on a picture or refusing the finished job drops
// the document, says so and leaves the window as it was; the next report starts clean.
TEST_F(Reports, EachReportPrintsItsWindowAndAFailedOneIsDropped) {
  folder.Write("PEOPLE.BDB", "ADAMS JOE\r\n01/01/2000\r\nCOLE RAY\r\n03/01/1990\r\n");
  folder.Write("BLUE OFF.BTM", "PEOPLE.BDB\r\nADAMS JOE\r\n01/01/2000\r\nCOLE RAY\r\n03/01/1990\r\n");
  folder.Write("RED DEF.BTM", "PEOPLE.BDB\r\nCOLE RAY\r\n03/01/1990\r\n");
  folder.Write("biodesc.ini", "[***]\r\nA day of new beginnings.\r\nRest early.\r\n[++-]\r\nLow.");
  panel.Open(g);
  g.EventDate = "01/01/2000";
  // Team 2 is remembered in other letter case than its file's name: the file is picked all the same.
  br_grp& teams = OpenComparison("BLUE OFF.BTM", "red def.btm");
  // A step without Compute reaches neither the dates nor the lines of the team report.
  teams.UpDate.Click();
  teams.cb_Outlook.Click();
  teams.cb_Chemistry.Click();
  br_ind& person = OpenIndividual();
  person.cb_Print.Click();  // no chart on show, nothing to print
  EXPECT_THAT(printer.calls, IsEmpty());
  // Without a closing line break the description's last line ends the report.
  ASSERT_TRUE(PickPerson(person, "COLE RAY"));
  person.cb_Print.Click();
  ASSERT_GE(printer.calls.size(), 3u);
  EXPECT_EQ(Calls(printer.calls.end() - 3, printer.calls.end()), (Calls{"line ", "line Low.", "end"}));
  ASSERT_TRUE(PickPerson(person, "ADAMS JOE"));
  person.cb_Graph.Click();
  person.cb_Match.Click();
  br_curve& curves = *person.br_curve.get();
  br_outlook& outlook = *teams.br_outlook.get();
  br_chem& chemistry = *teams.br_chem.get();
  br_match& match = *person.br_match.get();
  ASSERT_TRUE(PickRow(match.Contents, "COLE RAY"));
  const struct {
    Form& window;
    Button& print;
    Calls expected;
    const PictureBox* picture;
  } reports[] = {{teams, teams.Command3, TeamReport(teams), nullptr},
                 {person, person.cb_Print, IndividualReport(person), nullptr},
                 {curves, curves.cb_Print, CurveReport(curves), &curves.Chart},
                 {outlook, outlook.cb_Print, OutlookReport(outlook), nullptr},
                 {match, match.cb_Print, MatchReport(match), &match.Bars},
                 {chemistry, chemistry.cb_Print, ChemistryReport(chemistry), nullptr}};
  std::vector<Form::Pointer> pointers;
  const auto print = [&](Button& button, int failFrom) {
    printer.calls.clear();
    printer.pictures.clear();
    dialogs.boxes.clear();
    pointers.clear();
    printer.failFrom = failFrom;
    button.Click();
  };
  for (const auto& report : reports) {
    SCOPED_TRACE(report.window.Name());
    printer.onCall = [&] { pointers.push_back(report.window.MousePointer()); };
    print(report.print, -1);
    EXPECT_EQ(printer.calls, report.expected);
    EXPECT_THAT(dialogs.boxes, IsEmpty());
    EXPECT_THAT(pointers, testing::Each(Form::Pointer::Busy));
    EXPECT_EQ(report.window.MousePointer(), Form::Pointer::Default);
    ASSERT_EQ(printer.pictures.size(), report.picture ? 1u : 0u);
    if (report.picture) {
      const RecordingDrawing& paper = printer.pictures[0];
      const RecordingDrawing screen = Painted(*report.picture);
      EXPECT_EQ(paper.Texts(), screen.Texts());
      EXPECT_EQ(paper.strokes.size(), screen.strokes.size());
      for (const Colour& ink : CycleInks) EXPECT_EQ(paper.Polylines(ink), screen.Polylines(ink));
    }
    const Calls& whole = report.expected;
    std::set<size_t> failures = {0, whole.size() / 2, whole.size() - 1};
    const auto picture =
        std::find_if(whole.begin(), whole.end(), [](auto& call) { return call.starts_with("picture"); });
    if (picture != whole.end()) failures.insert(picture - whole.begin());
    for (const size_t failAt : failures) {
      SCOPED_TRACE(failAt);
      print(report.print, static_cast<int>(failAt));
      // Nothing reaches the printer after the failed call but the discard of the document.
      ASSERT_EQ(printer.calls.size(), failAt + 2);
      EXPECT_EQ(printer.calls.back(), "discard");
      EXPECT_THAT(dialogs.boxes, ElementsAre(ScriptedDialogs::Box{"Error Printing ...", Buttons::OK,
                                                                  Icon::Exclamation, "Printer"}));
      EXPECT_EQ(report.window.MousePointer(), Form::Pointer::Default);
    }
    print(report.print, -1);
    EXPECT_EQ(printer.calls, whole);
  }
  EXPECT_EQ(person.ChartName, "ADAMS JOE");
}

}  // namespace
