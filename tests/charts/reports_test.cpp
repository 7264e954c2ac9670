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

using testing::Contains;
using testing::ElementsAre;
using testing::ElementsAreArray;
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

class Reports : public testing::Test, public World {
 public:
  void SetUp() override {
    folder.Write("PEOPLE.BDB", "ADAMS JOE\r\n01/01/2000\r\nCOLE RAY\r\n03/01/1990\r\n");
    folder.Write("BLUE OFF.BTM", "PEOPLE.BDB\r\nADAMS JOE\r\n01/01/2000\r\nCOLE RAY\r\n03/01/1990\r\n");
    folder.Write("RED DEF.BTM", "PEOPLE.BDB\r\nCOLE RAY\r\n03/01/1990\r\n");
    folder.Write("biodesc.ini", "[***]\r\nA day of new beginnings.\r\nRest early.\r\n[++-]\r\nLow.");
    panel.Open(g);
    g.EventDate = "01/01/2000";
  }
  br_grp& OpenTeams() { return OpenComparison("BLUE OFF.BTM", "RED DEF.BTM"); }
  br_ind& OpenPerson(const std::string& name) {
    br_ind& window = OpenIndividual();
    PickPerson(window, name);
    return window;
  }
  // Nothing reaches the printer after the failed call but the discard of the document.
  void ExpectPrintFailure(const Form& window, size_t failAt) {
    ASSERT_EQ(printer.calls.size(), failAt + 2);
    EXPECT_EQ(printer.calls.back(), "discard");
    EXPECT_THAT(dialogs.boxes,
                ElementsAre(ScriptedDialogs::Box{"Error Printing ...", Buttons::OK, Icon::Exclamation, "Printer"}));
    EXPECT_EQ(window.MousePointer(), Form::Pointer::Default);
  }
};

// Team 1 of the fixture on 01/01/2000: ADAMS JOE is born that day, COLE RAY is ten years on.
Expected TeamReport(const br_grp& w) {
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
  return e.Style(20, true).Line(M + "Grand Totals : 2").End();
}

TEST_F(Reports, TeamReportPrintsTheComparisonAsShown) {
  br_grp& window = OpenTeams();
  // A step without Compute reaches neither the dates nor the lines of the report.
  window.UpDate.Click();
  window.Command3.Click();
  EXPECT_THAT(printer.calls, ElementsAreArray(TeamReport(window).calls));
  EXPECT_THAT(dialogs.boxes, IsEmpty());
}

// The individual report prints the chart on show; with none on show it prints nothing.
TEST_F(Reports, IndividualReportPrintsTheChartOnShow) {
  br_ind& window = OpenPerson("NOBODY");
  window.cb_Print.Click();
  window.Contents.SetListIndex(0);
  window.UpDate.Click();  // a new date clears the chart
  window.cb_Print.Click();
  EXPECT_THAT(printer.calls, IsEmpty());
  window.DownDate.Click();
  ASSERT_TRUE(PickPerson(window, "ADAMS JOE"));
  window.cb_Print.Click();
  Expected e;
  e.Font("Courier").Style(18, true).Blank(7).Line("Biorhythm for ADAMS JOE");
  e.Style(11, false).Blank(3);
  e.Line("Born on    : 01/01/2000").Line("Event Date : 01/01/2000").Line("Print Date : 06/15/2005");
  e.Blank(3).Line(window.Label5.Caption()).Line(window.Label6.Caption());
  e.Line(window.Label7.Caption()).Blank(2).Line("Description").Blank(1);
  // The description's closing line break leaves one empty line at the end.
  e.Line("A day of new beginnings.").Line("Rest early.").Blank(1).End();
  EXPECT_THAT(printer.calls, ElementsAreArray(e.calls));
  EXPECT_THAT(dialogs.boxes, IsEmpty());
}

// The curves and the outlook print what their windows show, the curves' picture as drawn there.
TEST_F(Reports, CurveAndOutlookReportsPrintWhatTheirWindowsShow) {
  br_ind& person = OpenPerson("ADAMS JOE");
  person.cb_Graph.Click();
  br_curve& curves = *person.br_curve.get();
  curves.cb_Print.Click();
  Expected e;
  e.Font("Courier").Style(16, true).Blank(2).Line("Biorhythm Curves for ADAMS JOE").Style(11, false).Blank(2);
  e.Line("Born on    : 01/01/2000").Line("Event Date : 01/01/2000").Line("Period     : 12/25/1999 - 01/29/2000");
  e.Line("Print Date : 06/15/2005").Blank(2).Add("picture 10800 5400").Blank(2).Line("Critical Days").Blank(1);
  for (const std::string& row : Rows(curves.CriticalDays)) e.Line(row);
  EXPECT_THAT(printer.calls, ElementsAreArray(e.End().calls));
  ASSERT_EQ(printer.pictures.size(), 1u);
  const RecordingDrawing screen = Painted(curves.Chart);
  EXPECT_EQ(printer.pictures[0].Texts(), screen.Texts());
  for (const Colour& ink : CycleInks) EXPECT_EQ(printer.pictures[0].Polylines(ink), screen.Polylines(ink));

  printer.calls.clear();
  br_grp& teams = OpenTeams();
  teams.cb_Outlook.Click();
  br_outlook& outlook = *teams.br_outlook.get();
  outlook.cb_Print.Click();
  Expected o;
  o.Font("courier new").Style(12, true).Blank(5).Line(M + "Team Outlook").Line(M + "Event Date : 01/01/2000");
  o.Line(M + "Print Date : 06/15/2005").Blank(1).Line(M + "Team 1 : BLUE OFF.BTM").Line(M + "Team 2 : RED DEF.BTM");
  o.Blank(1).Line(M + outlook.Label3.Caption()).Line(M + outlook.Label4.Caption()).Blank(1);
  o.Style(11, false).Line(M + OutlookHeading);
  for (const std::string& row : Rows(outlook.Days)) o.Line(M + row);
  EXPECT_THAT(printer.calls, ElementsAreArray(o.End().calls));
  EXPECT_THAT(dialogs.boxes, IsEmpty());
}

// The compatibility prints the pair on show, when there is one, with its bars as drawn.
TEST_F(Reports, CompatibilityReportPrintsThePairAndTheBestMatches) {
  OpenPerson("ADAMS JOE").cb_Match.Click();
  br_match& window = *panel->br_ind->br_match.get();
  const auto report = [&] {
    Expected e;
    e.Font("Courier").Style(16, true).Blank(2).Line("Compatibility of ADAMS JOE").Style(11, false).Blank(2);
    e.Line("Born on    : 01/01/2000").Line("Print Date : 06/15/2005").Blank(2).Line(window.Pair.Caption());
    if (window.Shown) {
      e.Blank(1);
      for (const Label* figure : window.Figures()) e.Line(figure->Caption());
      e.Blank(1).Add("picture 7780 1320");
    }
    e.Blank(1).Line("Each cycle: 100 * |cos(pi * d / p)| percent, d the days between");
    e.Line("the dates of birth, p the cycle's length (23, 28 or 33 days).");
    e.Line("Overall: the mean of the three cycles.").Blank(2).Line("Best matches in PEOPLE.BDB").Blank(1);
    for (const std::string& row : Rows(window.BestMatches)) e.Line(row);
    return e.End().calls;
  };
  window.cb_Print.Click();
  EXPECT_THAT(printer.calls, ElementsAreArray(report()));
  EXPECT_THAT(printer.pictures, IsEmpty());

  printer.calls.clear();
  ASSERT_TRUE(PickRow(window.Contents, "COLE RAY"));
  window.cb_Print.Click();
  EXPECT_THAT(printer.calls, ElementsAreArray(report()));
  EXPECT_THAT(printer.calls, Contains("line Overall         74.54"));
  ASSERT_EQ(printer.pictures.size(), 1u);
  const RecordingDrawing screen = Painted(window.Bars);
  for (const Colour& ink : CycleInks) EXPECT_EQ(printer.pictures[0].Polylines(ink), screen.Polylines(ink));
  EXPECT_EQ(printer.pictures[0].strokes.size(), screen.strokes.size());
  EXPECT_THAT(dialogs.boxes, IsEmpty());
}

// The chemistry prints each team's side of the window, the lines that hold something.
TEST_F(Reports, ChemistryReportPrintsBothTeams) {
  OpenTeams().cb_Chemistry.Click();
  br_chem& window = *panel->br_grp->br_chem.get();
  window.cb_Print.Click();
  Expected e;
  e.Font("courier new").Style(12, true).Blank(5).Line(M + "Team Chemistry").Line(M + "Event Date : 01/01/2000");
  e.Line(M + "Print Date : 06/15/2005").Blank(2);
  e.Style(12, true).Line(M + "Team 1 : BLUE OFF.BTM").Blank(1).Style(11, false);
  for (const Label* line : {&window.Chemistry1, &window.Counted1, &window.Physical1, &window.Emotional1,
                            &window.Intellectual1, &window.Overall1, &window.Best1, &window.Worst1}) {
    e.Line(M + line->Caption());
  }
  e.Blank(2).Style(12, true).Line(M + "Team 2 : RED DEF.BTM").Blank(1).Style(11, false);
  e.Line(M + "No chemistry : fewer than two members counted").Line(M + "1 of 1 member counted, 0 pairs");
  EXPECT_THAT(printer.calls, ElementsAreArray(e.End().calls));
  EXPECT_EQ(window.Chemistry1.Caption(), "Chemistry : 74.54");
  EXPECT_THAT(dialogs.boxes, IsEmpty());
}

TEST_F(Reports, IndividualReportEndsOnTheLastDescriptionLine) {
  const struct {
    const char* descriptions;
    const char* last;
  } cases[] = {
      {"[***]\r\nA day.\r\n[++-]\r\nLow.", "Low."},
      // A state without a section prints what the window shows.
      {"[***]\r\nA day.\r\n", "No description available"},
  };
  for (const auto& c : cases) {
    folder.Write("biodesc.ini", c.descriptions);
    printer.calls.clear();
    br_ind& window = OpenPerson("COLE RAY");
    window.cb_Print.Click();
    ASSERT_EQ(window.ChartDescription, c.last);
    EXPECT_THAT(Calls(printer.calls.end() - 4, printer.calls.end()),
                ElementsAre("line Description", "line ", std::string("line ") + c.last, "end"));
    window.cb_close.Click();
  }
}

// Every report, the curves, the outlook, the compatibility and the chemistry too, prints under the busy pointer. The printer
// failing at once, in the middle, or refusing the finished job drops the document, says so and
// leaves the window as it was; the next report starts clean.
TEST_F(Reports, AFailedReportIsDroppedAndTheNextStartsClean) {
  br_grp& teams = OpenTeams();
  teams.cb_Outlook.Click();
  teams.cb_Chemistry.Click();
  br_ind& person = OpenPerson("ADAMS JOE");
  person.cb_Graph.Click();
  person.cb_Match.Click();
  const struct {
    Form& window;
    Button& print;
  } reports[] = {{teams, teams.Command3},
                 {person, person.cb_Print},
                 {*person.br_curve.get(), person.br_curve->cb_Print},
                 {*teams.br_outlook.get(), teams.br_outlook->cb_Print},
                 {*person.br_match.get(), person.br_match->cb_Print},
                 {*teams.br_chem.get(), teams.br_chem->cb_Print}};
  std::vector<Form::Pointer> pointers;
  for (const auto& report : reports) {
    SCOPED_TRACE(report.window.Name());
    pointers.clear();
    printer.onCall = [&] { pointers.push_back(report.window.MousePointer()); };
    printer.failFrom = -1;
    printer.calls.clear();
    report.print.Click();
    const Calls whole = printer.calls;
    ASSERT_GT(whole.size(), 3u);
    EXPECT_THAT(pointers, testing::Each(Form::Pointer::Busy));
    EXPECT_EQ(report.window.MousePointer(), Form::Pointer::Default);
    std::set<size_t> failures = {0, whole.size() / 2, whole.size() - 1};
    // A picture the printer refuses stops the report as a line would.
    const auto picture = std::find_if(whole.begin(), whole.end(), [](auto& call) { return call.starts_with("picture"); });
    if (picture != whole.end()) failures.insert(picture - whole.begin());
    for (const size_t failAt : failures) {
      SCOPED_TRACE(failAt);
      printer.calls.clear();
      dialogs.boxes.clear();
      printer.failFrom = static_cast<int>(failAt);
      report.print.Click();
      ExpectPrintFailure(report.window, failAt);
    }
    printer.failFrom = -1;
    printer.calls.clear();
    report.print.Click();
    EXPECT_EQ(printer.calls, whole);
  }
  EXPECT_EQ(person.ChartName, "ADAMS JOE");
}

}  // namespace
