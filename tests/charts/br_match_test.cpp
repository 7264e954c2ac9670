// The compatibility window, opened from the individual window's Match button and driven through
// its controls.
#include "charts/br_match.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>

#include "charts/br_ind.h"
#include "app/br_cp.h"
#include "core/cycle_inks.h"
#include "support/world.h"

using testing::ElementsAre;
using testing::IsEmpty;

namespace {

struct BrMatch : testing::Test, World {};

// The window opens on the person's database with nobody picked, and ranks its best matches.
TEST_F(BrMatch, ShowsThePairPickedAndRanksTheBestMatches) {
  // In no order: the best matches of JUNE ONE are TWIN A and TWIN B (born the same day), NEAR
  // NED (a day later), YOUNG YU (born after the event date, before today) and SEPT TWO.
  folder.Write("PEOPLE.BDB",
               "JUNE ONE\r\n06/15/1990\r\nTWIN B\r\n06/15/1990\r\nSEPT TWO\r\n09/20/1992\r\n"
               "BAD DATE\r\n13/45/1990\r\nTWIN A\r\n6/15/1990\r\nLATE AL\r\n06/16/2005\r\n"
               "YOUNG YU\r\n03/03/2003\r\nNEAR NED\r\n06/16/1990\r\n");
  // Nobody of YOUNG.BDB is born yet.
  folder.Write("YOUNG.BDB", "LATE 0\r\n12/01/2005\r\nLATE 1\r\n12/02/2005\r\nLATE 2\r\n12/03/2005\r\n"
                            "LATE 3\r\n12/04/2005\r\nLATE 4\r\n12/05/2005\r\nLATE 5\r\n12/06/2005\r\n"
                            "LATE 6\r\n12/07/2005\r\n");
  panel.Open(g);
  // Compatibility does not depend on the event date.
  g.EventDate = "01/01/2000";
  br_ind& individual = OpenIndividual();
  ASSERT_TRUE(PickPerson(individual, "JUNE ONE"));
  individual.cb_Match.Click();
  br_match& window = *individual.br_match.get();
  EXPECT_EQ(window.Label1.Caption(), "Compatibility of JUNE ONE, born 06/15/1990");
  EXPECT_EQ(window.DbList.Text(), "PEOPLE.BDB");
  EXPECT_EQ(window.Pair.Caption(), "Pick a person to compare with");
  EXPECT_THAT(Painted(window.Bars).strokes, IsEmpty());
  EXPECT_EQ(window.Formula.Caption(),
            "Each cycle: 100 * |cos(pi * d / p)| percent, d the days between the dates of birth, p the "
            "cycle's length (23, 28 or 33 days). Overall: the mean of the three cycles.");
  // The charted person is no match of their own; equals keep the person list's order.
  EXPECT_THAT(Rows(window.BestMatches),
              ElementsAre(" 1  TWIN A                  06/15/1990  100.00",
                          " 2  TWIN B                  06/15/1990  100.00",
                          " 3  NEAR NED                06/16/1990   99.33",
                          " 4  YOUNG YU                03/03/2003   83.96",
                          " 5  SEPT TWO                09/20/1992   72.73"));
  EXPECT_THAT(dialogs.boxes,
              ElementsAre(ScriptedDialogs::Box{"Left out of the best matches, invalid dates of birth : "
                                               "BAD DATE(13/45/1990), LATE AL(06/16/2005) !",
                                               Buttons::OK, Icon::Exclamation, "Error"}));
  dialogs.boxes.clear();

  // Each bar runs as far along its track as its figure: with SEPT TWO, 100.00, 22.25 and 95.95.
  ASSERT_TRUE(PickRow(window.Contents, "SEPT TWO"));
  std::map<int, int> ends;  // cycle, right end of its bar
  for (const auto& stroke : Painted(window.Bars).strokes) {
    for (int cycle = 0; cycle < 3; ++cycle) {
      if (stroke.colour == CycleInks[cycle]) ends[cycle] = std::max(ends[cycle], stroke.points[1].X);
    }
  }
  ASSERT_EQ(ends.size(), 3u);
  const int left = 30, right = window.Bars.Place.Width - 30;
  EXPECT_EQ(ends[0], right);
  EXPECT_NEAR(static_cast<double>(ends[1] - left) / (right - left), 0.2225, 0.001);
  EXPECT_NEAR(static_cast<double>(ends[2] - left) / (right - left), 0.9595, 0.001);

  // Match again, with another person: the same window, the pair picked compared afresh.
  ASSERT_TRUE(PickPerson(individual, "NEAR NED"));
  individual.cb_Match.Click();
  EXPECT_EQ(individual.br_match.get(), &window);
  EXPECT_EQ(window.Label1.Caption(), "Compatibility of NEAR NED, born 06/16/1990");
  EXPECT_EQ(window.Pair.Caption(), "NEAR NED and SEPT TWO, born 09/20/1992, 827 days apart");
  EXPECT_THAT(dialogs.boxes, IsEmpty());

  // Picked in the person list, a refused person is named and compared with nobody.
  window.BestMatches.SetListIndex(3);
  ASSERT_TRUE(PickRow(window.Contents, "LATE AL"));
  EXPECT_EQ(dialogs.Last(), "Invalid date of birth : LATE AL(06/16/2005) !");
  EXPECT_EQ(window.Pair.Caption(), "Pick a person to compare with");
  for (const Label* figure : window.Figures()) EXPECT_EQ(figure->Caption(), "") << figure->Name();
  EXPECT_EQ(window.Contents.ListIndex(), -1);
  EXPECT_EQ(window.BestMatches.ListIndex(), -1);

  // Another database: the persons left out named in one message, and no match.
  dialogs.boxes.clear();
  ASSERT_TRUE(window.DbList.SetText("YOUNG.BDB"));
  EXPECT_EQ(window.BestMatches.ListCount(), 0);
  ASSERT_EQ(dialogs.boxes.size(), 1u);
  EXPECT_EQ(dialogs.Last(),
            "Left out of the best matches, invalid dates of birth : LATE 0(12/01/2005), LATE 1(12/02/2005), "
            "LATE 2(12/03/2005), LATE 3(12/04/2005), LATE 4(12/05/2005) and 2 more !");
  window.cb_close.Click();
  EXPECT_FALSE(individual.br_match.Loaded());
}

}  // namespace
