// The individual window, opened from the panel and driven through its controls, and the
// description file it reads.
#include "charts/br_ind.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "app/br_cp.h"
#include "charts/day_description.h"
#include "support/world.h"

using testing::IsEmpty;

namespace {

class BrInd : public testing::Test, public World {
 public:
  void SetUp() override {
    folder.Write("PEOPLE.BDB", "ZED ANN\r\n01/01/2000\r\nADAMS JOE\r\n12/09/1999\r\n");
    folder.Write("biodesc.ini", "[***]\r\nA day of new beginnings.\r\n[-**]\r\nLow.\r\n");
  }
  static std::vector<std::string> Lines(const br_ind& window) {
    return {window.Label5.Caption(), window.Label6.Caption(), window.Label7.Caption()};
  }
  // No chart, nobody picked, and nothing to graph or match.
  static bool Cleared(const br_ind& window) {
    return window.ChartName.empty() && window.Desc1.Text().empty() &&
           Lines(window) == std::vector<std::string>{"", "", ""} && window.Contents.ListIndex() == -1 &&
           !window.cb_Graph.Enabled() && !window.cb_Match.Enabled();
  }
};

// The window opens on the first database, its persons sorted, and charts the person picked with
// the positions and the description of the day: its section of the description file, up to the
// next one.
TEST_F(BrInd, OpensOnTheFirstDatabaseAndChartsThePersonPicked) {
  // An event date, a person, the cycle lines and the description.
  const std::tuple<const char*, const char*, std::vector<std::string>, std::string> cases[] = {
      // Born on the event date: day 1, position 1 and entry 2 of every table.
      {"01/01/2000", "ZED ANN", {"  Physical   1(*)", "  Emotional  1(*)", "  Intellect  1(*)"},
       "A day of new beginnings.\r\n"},
      // Day 24: physical position 1 of a new round, emotional 24, intellectual 24.
      {"01/01/2000", "ADAMS JOE", {"  Physical   1(*)", "  Emotional  24(-)", "  Intellect  24(-)"},
       NoDescription},
      // Day 391 = 17 * 23: physical position 0, the last day before a new rise, just under the line.
      {"01/02/2001", "ADAMS JOE", {"  Physical   0(-)", "  Emotional  27(-)", "  Intellect  28(-)"},
       NoDescription},
  };
  // The panel starts on today; the window opens on the event date.
  panel.Open(g);
  g.EventDate = "01/01/2000";
  br_ind& window = OpenIndividual();
  EXPECT_EQ(window.DbList.Text() + " " + window.EvDate.Text(), "PEOPLE.BDB 01/01/2000");
  ASSERT_EQ(window.Contents.ListCount(), 2);
  EXPECT_EQ(window.Contents.List(0), "ADAMS JOE               12/09/1999");
  EXPECT_TRUE(Cleared(window));
  for (const auto& [eventDate, name, lines, description] : cases) {
    SCOPED_TRACE(name);
    window.EvDate.SetText(eventDate);
    ASSERT_TRUE(PickPerson(window, name));
    EXPECT_EQ(Lines(window), lines);
    EXPECT_EQ(window.Desc1.Text(), description);
    EXPECT_EQ(window.ChartName, name);
    EXPECT_TRUE(window.cb_Graph.Enabled() && window.cb_Match.Enabled());
  }
  EXPECT_THAT(dialogs.boxes, IsEmpty());

  // A new date leaves no chart. A step counts from the last stepped date, the one the window
  // opened on, not from a typed one.
  window.EvDate.SetText("03/01/2000");
  EXPECT_EQ(g.EventDate, "03/01/2000");
  EXPECT_TRUE(Cleared(window));
  window.UpDate.Click();
  EXPECT_EQ(window.EvDate.Text(), "01/02/2000");
  window.DownDate.Click();
  // Without the description file a chart has no description.
  folder.Remove("biodesc.ini");
  ASSERT_TRUE(PickPerson(window, "ZED ANN"));
  EXPECT_EQ(window.Desc1.Text(), NoDescription);

  // With no database both lists stay empty.
  window.cb_close.Click();
  folder.Remove("PEOPLE.BDB");
  EXPECT_EQ(OpenIndividual().DbList.ListCount() + panel->br_ind->Contents.ListCount(), 0);
}

}  // namespace
