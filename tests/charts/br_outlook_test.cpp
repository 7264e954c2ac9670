// The team outlook, opened from the comparison's Outlook button on the sample teams and driven
// through its controls.
#include "charts/br_outlook.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>

#include "app/br_cp.h"
#include "charts/br_grp.h"
#include "support/exported.h"
#include "support/world.h"

namespace {

// A day's row read back: the date, then balance 1, pluses 1, balance 2, pluses 2, total, edge.
struct Row {
  std::string date;
  int numbers[6];
};
enum Column { Balance1 = 0, Balance2 = 2, Edge = 5 };

std::vector<Row> Table(const br_outlook& window) {
  std::vector<Row> rows;
  for (const std::string& text : World::Rows(window.Days)) {
    Row& row = rows.emplace_back();
    std::istringstream in(text);
    in >> row.date;
    for (int& number : row.numbers) in >> number;
    EXPECT_TRUE(in) << text;
    // The row stands under the heading's columns.
    EXPECT_EQ(text.size(), std::string(OutlookHeading).size()) << text;
  }
  return rows;
}

// The number a comparison label ends with.
int LastNumber(const Label& label) {
  return std::stoi(label.Caption().substr(label.Caption().rfind(' ') + 1));
}

// On the shipped samples.
struct BrOutlook : testing::Test, World {
  BrOutlook() : World(true, true) {}
};

// The outlook looks ahead from the date last computed. Each day is what the comparison charts for
// that day, members it refuses left out without a word; the window names the best days, draws
// every day and exports each day as it lists it.
TEST_F(BrOutlook, EachDayIsWhatTheComparisonChartsForThatDay) {
  // LATE AL, born after today, is refused on every day; the comparison tells of him each time.
  folder.Write("HARBOR OFF.BTM", folder.Read("HARBOR OFF.BTM") + "LATE AL\r\n12/01/2005\r\n");
  panel.Open(g);
  g.EventDate = "06/15/2005";
  br_grp& comparison = OpenComparison("HARBOR OFF.BTM", "SUMMIT DEF.BTM");
  comparison.EvDate.SetText("07/01/2005");  // typed, not computed
  const size_t told = dialogs.boxes.size();
  ASSERT_GT(told, 0u);
  comparison.cb_Outlook.Click();
  br_outlook& window = *comparison.br_outlook.get();
  EXPECT_EQ(dialogs.boxes.size(), told);
  EXPECT_EQ(window.Caption() + " | " + window.Label1.Caption() + " | " + window.Label2.Caption(),
            "Team Outlook | Team 1 : HARBOR OFF.BTM | Team 2 : SUMMIT DEF.BTM");
  const std::vector<Row> rows = Table(window);
  ASSERT_EQ(rows.size(), static_cast<size_t>(OutlookDays));

  // The best days: the first day of the highest edge for team 1, of the lowest for team 2 (the
  // sample teams have equal days at both ends).
  const auto edge = [](const Row& a, const Row& b) { return a.numbers[Edge] < b.numbers[Edge]; };
  const Row best1 = *std::max_element(rows.begin(), rows.end(), edge);
  const Row best2 = *std::min_element(rows.begin(), rows.end(), edge);
  EXPECT_EQ(window.Label3.Caption(),
            "Best day for team 1 : " + best1.date + " (edge " + std::to_string(best1.numbers[Edge]) + ")");
  EXPECT_EQ(window.Label4.Caption(),
            "Best day for team 2 : " + best2.date + " (edge " + std::to_string(best2.numbers[Edge]) + ")");

  // Both balances and the edge, in that order; of any two days, the one with the larger value
  // stands higher.
  const RecordingDrawing drawing = Painted(window.Chart);
  std::vector<std::vector<Point>> series;
  for (const auto& stroke : drawing.strokes) {
    if (stroke.points.size() > 2) series.push_back(stroke.points);
  }
  ASSERT_EQ(series.size(), 3u);
  const Column columns[] = {Balance1, Balance2, Edge};
  for (size_t s = 0; s < 3; ++s) {
    ASSERT_EQ(series[s].size(), static_cast<size_t>(OutlookDays));
    for (int a = 0; a < OutlookDays; ++a) {
      for (int b = 0; b < OutlookDays; ++b) {
        const bool larger = rows[a].numbers[columns[s]] > rows[b].numbers[columns[s]];
        EXPECT_EQ(larger, series[s][a].Y < series[s][b].Y) << columns[s] << " " << a << " " << b;
      }
    }
  }
  EXPECT_THAT(drawing.Texts(), testing::IsSupersetOf({"Balance of HARBOR OFF.BTM", "Edge", "06/15/2005",
                                                      "Balance of SUMMIT DEF.BTM", "07/06/2005"}));

  dialogs.files = {folder.path() + "/outlook.csv"};
  window.cb_Export.Click();
  ASSERT_EQ(dialogs.fileQuestions.size(), 1u);
  EXPECT_EQ(dialogs.fileQuestions[0].title, "Export Outlook");
  EXPECT_EQ(dialogs.fileQuestions[0].suggestedName, "HARBOR OFF - SUMMIT DEF outlook 2005-06-15.csv");
  const std::vector<Fields> csv = ReadCsv(folder.Read("outlook.csv"));
  ASSERT_EQ(csv.size(), rows.size() + 1);
  EXPECT_THAT(csv[0], testing::ElementsAre("Date", "Team 1", "Balance 1", "Pluses 1", "Team 2",
                                           "Balance 2", "Pluses 2", "Total", "Edge"));

  // Each day exported as listed, and listed as the comparison charts it.
  for (int day = 0; day < OutlookDays; ++day) {
    const Row& row = rows[day];
    const auto n = [&row](int column) { return std::to_string(row.numbers[column]); };
    EXPECT_EQ(csv[day + 1], Fields({WriteIsoDate(*ReadDate(row.date)), "HARBOR OFF.BTM", n(0), n(1),
                                    "SUMMIT DEF.BTM", n(2), n(3), n(4), n(5)}));
    ASSERT_EQ(row.date, WriteDate(AddDays(*ReadDate("06/15/2005"), day)));
    comparison.EvDate.SetText(row.date);
    comparison.compute.Click();
    const int balance1 = LastNumber(comparison.Label10), balance2 = LastNumber(comparison.Label11);
    const int expected[6] = {balance1, LastNumber(comparison.Label8), balance2, LastNumber(comparison.Label9),
                             LastNumber(comparison.Label12), balance1 - balance2};
    EXPECT_THAT(row.numbers, testing::ElementsAreArray(expected)) << row.date;
  }

  // At the last day a date box can show, the same window holds fewer days, none past it; only the
  // computation tells of LATE AL.
  dialogs.boxes.clear();
  comparison.EvDate.SetText("12/28/9999");
  comparison.compute.Click();
  comparison.cb_Outlook.Click();
  ASSERT_EQ(comparison.br_outlook.get(), &window);
  const std::vector<Row> last = Table(window);
  ASSERT_EQ(last.size(), 4u);
  EXPECT_EQ(last.back().date, "12/31/9999");
  EXPECT_THAT(Painted(window.Chart).Texts(), testing::Not(testing::Contains(testing::HasSubstr("/10000"))));
  EXPECT_THAT(dialogs.Texts(), testing::ElementsAre("Invalid date of birth : LATE AL(12/01/2005) !"));
  window.cb_close.Click();
  EXPECT_FALSE(comparison.br_outlook.Loaded());
}

}  // namespace
