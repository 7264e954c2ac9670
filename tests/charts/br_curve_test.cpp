// The curve window, opened from the individual window's Graph button and driven through its
// controls; its picture recorded as drawn.
#include "charts/br_curve.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "app/br_cp.h"
#include "charts/br_ind.h"
#include "charts/curve_export.h"
#include "core/cycle_tables.h"
#include "support/exported.h"
#include "support/world.h"

using testing::IsEmpty;

namespace {

class BrCurve : public testing::Test, public World {
 public:
  void SetUp() override {
    folder.Write("PEOPLE.BDB",
                 "ADAMS JOE\r\n01/01/2000\r\nNEW ANN\r\n02/09/2005\r\nOLD BEN\r\n07/04/1950\r\n");
    panel.Open(g);
  }
  // The person's chart in the individual window, opened afresh on the event date, then Graph.
  br_curve& Graph(const std::string& name, const char* eventDate) {
    if (panel->br_ind.Loaded()) panel->br_ind->cb_close.Click();
    g.EventDate = eventDate;
    br_ind& individual = OpenIndividual();
    EXPECT_TRUE(PickPerson(individual, name)) << name;
    individual.cb_Graph.Click();
    return *individual.br_curve.get();
  }
  // On every day of this and the next periods each curve stands above the middle line in the
  // middle of the day where the cycle's table says "+" (or another up symbol), below it where
  // it says "-" (or "X"), and touches or crosses it within the day otherwise, "*" included;
  // before the day of birth there is no curve.
  void ExpectCurvesAgreeWithTheTables(br_curve& window, int periods) {
    for (int period = 0; period < periods; ++period) {
      const RecordingDrawing drawing = Painted(window.Chart);
      const DayPlot plot = CurvePlot(window.Curves, window.Chart.Place.Width, window.Chart.Place.Height);
      for (int day = 0; day < CurveDays; ++day) {
        const Date date = AddDays(window.Curves.First, day);
        for (int cycle = 0; cycle < 3; ++cycle) {
          const std::string where = WriteDate(date) + " " + CycleNames[cycle];
          if (DaysBetween(window.Curves.Dob, date) < 0) {
            EXPECT_THAT(CurveIn(drawing, plot, cycle, day, false), IsEmpty()) << where;
            continue;
          }
          const std::vector<int> heights = CurveIn(drawing, plot, cycle, day);
          ASSERT_FALSE(heights.empty()) << where;
          const char symbol = StateOn(g, window.Curves.Dob, date).StateKey()[cycle];
          const bool up = std::string("+H#").find(symbol) != std::string::npos;
          const bool down = symbol == '-' || symbol == 'X';
          const auto [low, high] = std::minmax_element(heights.begin(), heights.end());
          EXPECT_TRUE(up ? heights[0] > 0 : down ? heights[0] < 0 : *low <= 0 && *high >= 0)
              << where << " " << symbol << " " << heights[0];
        }
      }
      window.cb_Later.Click();
    }
  }
  // The heights above the middle line of the points of the cycle's curve in the day's column,
  // with or without its edges: the one in its middle first, then the others.
  static std::vector<int> CurveIn(const RecordingDrawing& drawing, const DayPlot& plot, int cycle,
                                  int day, bool edges = true) {
    std::vector<int> heights;
    const int left = plot.X(day - 0.5), right = plot.X(day + 0.5);
    for (const auto& line : drawing.Polylines(CycleInks[cycle])) {
      for (const Point& point : line) {
        if (point.X < left || point.X > right || (!edges && (point.X == left || point.X == right))) continue;
        const int height = plot.Y(0) - point.Y;
        heights.insert(point.X == plot.X(day) ? heights.begin() : heights.end(), height);
      }
    }
    return heights;
  }
};

// Each critical day is listed with its cycles, double and triple, and marked under the day in
// the colour of each cycle; Export holds the days listed, and Graph again shows another person
// in the same window.
TEST_F(BrCurve, ListsMarksAndExportsEachCriticalDay) {
  // A person, an event date and the critical days listed.
  const std::tuple<const char*, const char*, std::vector<std::string>> cases[] = {
      // Born on the event date: the day of birth is critical in all three cycles.
      {"ADAMS JOE", "01/01/2000",
       {"01/01/2000  Physical + Emotional + Intellectual (triple)", "01/12/2000  Physical",
        "01/15/2000  Emotional", "01/17/2000  Intellectual", "01/24/2000  Physical",
        "01/29/2000  Emotional"}},
      // Day 127 is day 12 of a physical cycle and day 15 of an emotional one.
      {"NEW ANN", "06/15/2005",
       {"06/15/2005  Physical + Emotional (double)", "06/21/2005  Intellectual", "06/27/2005  Physical",
        "06/29/2005  Emotional", "07/07/2005  Intellectual", "07/08/2005  Physical",
        "07/13/2005  Emotional"}},
  };
  for (const auto& [name, eventDate, rows] : cases) {
    br_curve& window = Graph(name, eventDate);
    EXPECT_EQ(Rows(window.CriticalDays), rows) << name;
    const DayPlot plot = CurvePlot(window.Curves, window.Chart.Place.Width, window.Chart.Place.Height);
    const int x = plot.X(static_cast<int>(DaysBetween(window.Curves.First, window.Curves.Event)));
    std::set<std::pair<long, bool>> marks;  // (cycle, row) of the marks under the event date
    for (const auto& stroke : Painted(window.Chart).strokes) {
      const long cycle = std::find(CycleInks, CycleInks + 3, stroke.colour) - CycleInks;
      const bool under =
          stroke.points.size() == 2 && stroke.points[0].X == x && stroke.points[0].Y >= plot.MarkY(0);
      if (cycle < 3 && under) {
        marks.insert({cycle, stroke.points[0].Y >= plot.MarkY(1)});
      }
    }
    EXPECT_EQ(marks.size(), rows[0].find("triple") != std::string::npos ? 3u : 2u) << name;
  }
  br_curve& window = *panel->br_ind->br_curve.get();
  // The legend, and the first, the event and the last date under the days.
  EXPECT_THAT(Painted(window.Chart).Texts(),
              testing::IsSupersetOf({"Physical", "Emotional", "Intellectual", "06/08/2005", "06/15/2005",
                                     "07/13/2005"}));
  dialogs.files = {folder.path() + "/days.csv"};
  window.cb_Export.Click();
  ASSERT_EQ(dialogs.fileQuestions.size(), 1u);
  EXPECT_EQ(dialogs.fileQuestions[0].title, "Export Critical Days");
  EXPECT_EQ(dialogs.fileQuestions[0].suggestedName, "NEW ANN critical days 2005-06-08.csv");
  EXPECT_EQ(ReadCsv(folder.Read("days.csv")),
            (std::vector<Fields>{{"Date", "Cycles", "Double or triple"},
                                 {"2005-06-15", "Physical + Emotional", "double"},
                                 {"2005-06-21", "Intellectual", ""}, {"2005-06-27", "Physical", ""},
                                 {"2005-06-29", "Emotional", ""}, {"2005-07-07", "Intellectual", ""},
                                 {"2005-07-08", "Physical", ""}, {"2005-07-13", "Emotional", ""}}));
  dialogs.boxes.clear();  // where the file went

  br_ind& individual = *panel->br_ind.get();
  individual.EvDate.SetText("06/16/2005");
  ASSERT_TRUE(PickPerson(individual, "OLD BEN"));
  individual.cb_Graph.Click();
  EXPECT_EQ(individual.br_curve.get(), &window);
  EXPECT_EQ(window.Caption() + " | " + window.Label1.Caption(),
            "Biorhythm Curves | Biorhythm Curves for OLD BEN, born 07/04/1950");
  EXPECT_EQ(WriteDate(window.Curves.Event), "06/16/2005");
  EXPECT_THAT(dialogs.boxes, IsEmpty());
  window.cb_close.Click();
  EXPECT_FALSE(individual.br_curve.Loaded());
}

TEST_F(BrCurve, CurvesAgreeWithTheTablesOnEveryDayAndStepByTheWeek) {
  // Five periods a week apart cover every entry of every shipped table more than once.
  ExpectCurvesAgreeWithTheTables(Graph("OLD BEN", "06/15/2005"), 5);
  // Born the day before the event date: the curves start on the day of birth. Later stepped a
  // week; a week back the period starts before the day of birth, and there is nothing earlier.
  br_curve& born = Graph("NEW ANN", "02/10/2005");
  ExpectCurvesAgreeWithTheTables(born, 1);
  EXPECT_EQ(WriteDate(born.Curves.First), "02/10/2005");
  born.cb_Earlier.Click();
  EXPECT_EQ(WriteDate(born.Curves.First), "02/03/2005");
  EXPECT_FALSE(born.cb_Earlier.Enabled());
  EXPECT_EQ(Rows(born.CriticalDays).front(), "02/09/2005  Physical + Emotional + Intellectual (triple)");
  // The last period ends on the last day a date box can show: Later steps less than a week to it.
  br_curve& last = Graph("NEW ANN", "11/22/9999");
  last.cb_Later.Click();
  last.cb_Later.Click();
  EXPECT_EQ(WriteDate(last.Curves.First), "11/26/9999");
  EXPECT_FALSE(last.cb_Later.Enabled());
  EXPECT_THAT(Painted(last.Chart).Texts(), testing::Not(testing::Contains(testing::HasSubstr("/10000"))));
  // Up and down symbols of every kind, scale values that are zero or of the other sign, and
  // symbols that count nowhere.
  folder.Write("BR_PHY.SYM", "+H#X- h*+-+-+-+-+-+-+-+");
  folder.Write("BR_PHY.SCA", "0,-5,0,7,3,2,2,0,0,9,-9,1,1,1,1,1,1,1,1,1,1,1,1");
  folder.Write("BR_EMO.SYM", "*+++---+*-+*-+*-+*-+*-+*-+*-");
  folder.Write("BR_EMO.SCA", std::string(27, ',') + "0");
  ASSERT_TRUE(LoadCycleTables(g));
  ExpectCurvesAgreeWithTheTables(Graph("OLD BEN", "06/15/2005"), 2);
}

// The calendar holds an all-day event for each critical day of the year from today, whatever
// period the window shows, named as the window lists the day. Exported again, each day keeps its
// event's identity.
TEST_F(BrCurve, CalendarHoldsTheCriticalDaysOfTheComingYear) {
  br_curve& window = Graph("OLD BEN", "06/22/2005");  // the period starts today
  std::map<std::string, std::string> listed;         // summary by date
  for (int week = 0; week * 7 < CalendarDays; ++week, window.cb_Later.Click()) {
    for (const std::string& row : Rows(window.CriticalDays)) {
      const Date day = *ReadDate(row.substr(0, 10));
      if (DaysBetween(TestToday, day) >= CalendarDays) continue;
      listed[WriteIsoDate(day)] = "Critical day for OLD BEN: " + row.substr(12);
    }
  }
  // The events by date of the calendar of the person shown.
  const auto exported = [this] {
    dialogs.files = {folder.path() + "/days.ics"};
    panel->br_ind->br_curve->cb_Calendar.Click();
    const ParsedCalendar calendar = ParseCalendar(folder.path() + "/days.ics");
    EXPECT_THAT(calendar.errors, IsEmpty());
    std::map<std::string, CalendarEvent> events;
    for (const CalendarEvent& event : calendar.events) events[event.start] = event;
    return events;
  };
  const std::map<std::string, CalendarEvent> events = exported();
  EXPECT_EQ(dialogs.fileQuestions.back().suggestedName, "OLD BEN critical days.ics");
  EXPECT_EQ(dialogs.fileQuestions.back().filter, "iCalendar files (*.ics)");
  const auto again = exported();
  std::map<std::string, std::string> marked;
  for (const auto& [date, event] : events) {
    marked[date] = event.summary;
    EXPECT_TRUE(event.allDay && event.end == WriteIsoDate(AddDays(*ReadDate(ShownDate(date)), 1))) << date;
    EXPECT_EQ(again.at(date).uid, event.uid) << date;
  }
  EXPECT_EQ(marked, listed);
  // Another person's events never take the identity of this one's.
  std::set<std::string> uids;
  for (const auto& [date, event] : events) uids.insert(event.uid);
  Graph("ADAMS JOE", "06/22/2005");
  for (const auto& [date, event] : exported()) EXPECT_FALSE(uids.contains(event.uid)) << date;
}

}  // namespace
