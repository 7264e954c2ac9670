// The team comparison window, opened from the panel's league buttons and driven through its
// controls.
#include "charts/br_grp.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "app/br_cp.h"
#include "support/exported.h"
#include "support/world.h"

using testing::ElementsAre;
using testing::IsEmpty;
using Texts = std::vector<std::string>;

namespace {

class BrGrp : public testing::Test, public World {
 public:
  void SetUp() override {
    folder.Write("PEOPLE.BDB", "ADAMS JOE\r\n01/01/2000\r\nCOLE RAY\r\n03/01/1990\r\n");
    panel.Open(g);
    g.EventDate = "01/01/2000";
  }
  br_grp& Open(const char* league) {
    (std::string(league) == "NFL" ? panel->Command6 : panel->Command7).Click();
    return *panel->br_grp.get();
  }
};

// Each league offers its own team files, and the window picks the teams picked last time. With
// no team of the league nothing is charted: nothing to look ahead from, to pair up or to export.
TEST_F(BrGrp, EachLeagueOffersItsOwnTeamFiles) {
  br_grp& none = Open("NFL");
  EXPECT_EQ(none.TmList1.ListCount() + none.TmContents1.ListCount(), 0);
  EXPECT_EQ(none.Label12.Caption(), "");
  EXPECT_TRUE(none.compute.Visible());
  for (Button* button : {&none.cb_Outlook, &none.cb_Chemistry, &none.cb_Export}) {
    EXPECT_FALSE(button->Enabled()) << button->Name();
    button->Click();
  }
  EXPECT_FALSE(none.br_outlook.Loaded() || none.br_chem.Loaded());
  EXPECT_THAT(dialogs.fileQuestions, IsEmpty());
  none.Command4.Click();
  for (const char* file : {"DALOFF.BTM", "DALDEF.BTM", "PERSONAL.BTM", "hawksoff.btm"}) {
    folder.Write(file, "PEOPLE.BDB\r\n");
  }
  // A league, the team files offered, the one picked, and whether the grand total shows.
  const std::tuple<const char*, Texts, const char*, bool> cases[] = {
      // The remembered PERSONAL.BTM is not offered, so the first sorted file is picked.
      {"NFL", {"DALDEF.BTM", "DALOFF.BTM"}, "DALDEF.BTM", true},
      // The search is for upper-case letters: a lower-case "off" does not count.
      {"NBA", {"hawksoff.btm", "PERSONAL.BTM"}, "PERSONAL.BTM", false},
  };
  for (const auto& [league, offered, selected, grandTotal] : cases) {
    SCOPED_TRACE(league);
    g.GroupTeam1.FileName = g.GroupTeam2.FileName = "PERSONAL.BTM";
    br_grp& window = Open(league);
    for (const ComboBox* list : {&window.TmList1, &window.TmList2})
      EXPECT_EQ(std::pair(Rows(*list), list->Text()), std::pair(offered, std::string(selected)));
    EXPECT_EQ(window.Label12.Visible(), grandTotal);
    window.Command4.Click();
  }
  Open("NFL").TmList1.SetText("DALOFF.BTM");
  panel->br_grp->Command4.Click();
  EXPECT_EQ(Open("NFL").TmList1.Text() + " " + panel->br_grp->TmList2.Text(), "DALOFF.BTM DALDEF.BTM");
}

TEST_F(BrGrp, StepsAndTypingWaitForCompute) {
  folder.Write("BLUE OFF.BTM", "PEOPLE.BDB\r\nADAMS JOE\r\n01/01/2000\r\n");
  br_grp& window = Open("NFL");
  const Texts computed = Rows(window.TmContents1);
  window.UpDate.Click();
  window.UpDate.Click();
  EXPECT_EQ(window.EvDate.Text(), "01/03/2000");
  EXPECT_TRUE(window.compute.Visible());
  EXPECT_EQ(Rows(window.TmContents1), computed);
  EXPECT_EQ(g.EventDate, "01/01/2000");

  window.compute.Click();
  EXPECT_EQ(g.EventDate, "01/03/2000");
  // Two days after birth every cycle is up.
  EXPECT_THAT(Rows(window.TmContents1), ElementsAre("ADAMS JOE            + + +"));
  EXPECT_FALSE(window.compute.Visible());

  window.EvDate.SetText("3-1-2004");
  window.compute.Click();
  EXPECT_EQ(g.EventDate, "03/01/2004");
  // Steps count from the last computed date, by calendar days.
  window.DownDate.Click();
  EXPECT_EQ(window.EvDate.Text(), "02/29/2004");

  // A date that is no date is replaced by today, and today is charted.
  window.EvDate.SetText("13/45/2000");
  window.compute.Click();
  EXPECT_THAT(dialogs.Texts(), ElementsAre("13/45/2000 is not a valid date !"));
  EXPECT_EQ(window.EvDate.Text() + " " + g.EventDate, "06/15/2005 06/15/2005");
  EXPECT_EQ(window.TmContents1.ListCount(), 1);
}

// The window charts the members that pass the date checks, names cut to fit, and tells of the
// others each time it charts (team 1 twice while the window opens). The export holds the last
// computation, full names included, the grand total in every league.
TEST_F(BrGrp, MembersThatFailTheDateChecksAreLeftOutAndTheExportHoldsTheLastComparison) {
  folder.Write("BLUE.BTM", "PEOPLE.BDB\r\nADAMS JOE\r\n01/01/2000\r\nBARTHOLOMEW FITZWILLIAM\r\n"
                           "03/01/1990\r\nLATE AL\r\n02/01/2000\r\n");
  folder.Write("RED.BTM", "PEOPLE.BDB\r\n");
  g.GroupTeam1.FileName = "BLUE.BTM";
  g.GroupTeam2.FileName = "RED.BTM";
  br_grp& window = Open("NBA");
  EXPECT_THAT(Rows(window.TmContents1),
              ElementsAre("ADAMS JOE            * * *", "BARTHOLOMEW FITZWIL  + + -"));
  EXPECT_EQ(window.Label10.Caption() + "|" + window.Label11.Caption() + "|" + window.Label12.Caption(),
            "   1  0  =  1|   0  0  =  0|  Total = 1");
  EXPECT_FALSE(window.Label12.Visible());
  const std::string late = "LATE AL(02/01/2000) was born after the event date (01/01/2000) !";
  EXPECT_THAT(dialogs.Texts(), ElementsAre(late, late));
  // Typed but not computed: not what the window shows.
  window.EvDate.SetText("01/05/2000");
  dialogs.files = {folder.path() + "/comparison.csv"};
  window.cb_Export.Click();
  ASSERT_EQ(dialogs.fileQuestions.size(), 1u);
  EXPECT_EQ(dialogs.fileQuestions[0].title, "Export Comparison");
  EXPECT_EQ(dialogs.fileQuestions[0].suggestedName, "BLUE - RED 2000-01-01.csv");
  const std::string day = "2000-01-01", blue = "BLUE.BTM", red = "RED.BTM";
  const std::vector<Fields> expected = {
      {"Event date", "Team", "Member", "Physical", "Emotional", "Intellectual", "Count"},
      {day, blue, "ADAMS JOE", "*", "*", "*", ""}, {day, blue, "BARTHOLOMEW FITZWILLIAM", "+", "+", "-", ""},
      {day, blue, "Scale sums", "10", "8", "-6", ""}, {day, blue, "Double pluses", "", "", "", "1"},
      {day, blue, "Emotional ups", "", "", "", "1"}, {day, blue, "Emotional downs", "", "", "", "0"},
      {day, blue, "Emotional balance", "", "", "", "1"}, {day, red, "Scale sums", "", "", "", ""},
      {day, red, "Double pluses", "", "", "", "0"}, {day, red, "Emotional ups", "", "", "", "0"},
      {day, red, "Emotional downs", "", "", "", "0"}, {day, red, "Emotional balance", "", "", "", "0"},
      {day, "", "Grand total", "", "", "", "1"}};
  EXPECT_EQ(ReadCsv(folder.Read("comparison.csv")), expected);
}

}  // namespace
