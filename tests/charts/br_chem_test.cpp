// The team chemistry, opened from the comparison's Chemistry button and read from its labels.
#include "charts/br_chem.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "charts/br_grp.h"
#include "app/br_cp.h"
#include "support/world.h"

using testing::ElementsAre;
using testing::IsEmpty;

namespace {

std::vector<std::string> Captions(std::initializer_list<Label*> labels) {
  std::vector<std::string> captions;
  for (const Label* label : labels) captions.push_back(label->Caption());
  return captions;
}

struct BrChem : testing::Test, World {};

TEST_F(BrChem, ShowsBothTeamsLeavingOutTheMembersTheComparisonRefused) {
  // AL and BO are born on one day, CY 14 days later (half an emotional cycle), KID KAY in 2003.
  folder.Write("PEOPLE.BDB", "");
  folder.Write("BLUE OFF.BTM", "PEOPLE.BDB\r\nAL\r\n01/01/1980\r\nLATE LU\r\n06/16/2005\r\n"
                               "BO\r\n01/01/1980\r\nCY\r\n01/15/1980\r\n");
  folder.Write("RED DEF.BTM", "PEOPLE.BDB\r\nKID KAY\r\n03/03/2003\r\nAL\r\n01/01/1980\r\n");
  panel.Open(g);
  g.EventDate = "06/15/2005";
  br_grp& comparison = OpenComparison("BLUE OFF.BTM", "RED DEF.BTM");
  const size_t told = dialogs.boxes.size();
  ASSERT_GT(told, 0u);  // LATE LU, born after today
  comparison.cb_Chemistry.Click();
  br_chem& w = *panel->br_grp->br_chem.get();
  EXPECT_EQ(w.Caption(), "Team Chemistry");
  EXPECT_EQ(dialogs.boxes.size(), told);
  // Each side top to bottom: the chemistry, what was counted, the four figures, the best and the
  // worst pair.
  const auto left = {&w.Chemistry1, &w.Counted1, &w.Physical1, &w.Emotional1, &w.Intellectual1, &w.Overall1,
                     &w.Best1, &w.Worst1};
  const auto right = {&w.Chemistry2, &w.Counted2, &w.Physical2, &w.Emotional2, &w.Intellectual2, &w.Overall2,
                      &w.Best2, &w.Worst2};
  // The pairs: AL-BO in step, AL-CY and BO-CY 14 days apart, the first of these the worst.
  EXPECT_THAT(Captions(left),
              ElementsAre("Chemistry : 46.01", "3 of 4 members counted, 3 pairs. Left out : LATE LU",
                          "Physical        55.66", "Emotional       33.33", "Intellectual    49.05",
                          "Overall         46.01", "Most compatible : AL and BO, 100.00",
                          "Least compatible : AL and CY, 19.02"));
  EXPECT_EQ(w.Counted2.Caption() + " | " + w.Worst2.Caption(),
            "2 of 2 members counted, 1 pair | Least compatible : KID KAY and AL, 66.02");
  EXPECT_THAT(Painted(w.Bars1).strokes, testing::Not(IsEmpty()));

  // On a date before KID KAY was born, team 2 has one member left: no chemistry, in words.
  comparison.EvDate.SetText("01/01/2000");
  comparison.compute.Click();
  comparison.cb_Chemistry.Click();
  EXPECT_EQ(panel->br_grp->br_chem.get(), &w);
  EXPECT_THAT(Captions(right),
              ElementsAre("No chemistry : fewer than two members counted",
                          "1 of 2 members counted, 0 pairs. Left out : KID KAY", "", "", "", "", "", ""));
  EXPECT_THAT(Painted(w.Bars2).strokes, IsEmpty());
  w.cb_close.Click();
  EXPECT_FALSE(panel->br_grp->br_chem.Loaded());
}

}  // namespace
