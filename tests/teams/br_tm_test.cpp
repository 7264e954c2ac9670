// The team manager's own part of its team commands, driven through its controls with scripted
// answers. The commands it shares with the database manager are run through both managers with
// the file commands' tests.
#include "teams/br_tm.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "app/br_cp.h"
#include "core/file_names.h"
#include "support/team_manager.h"

using testing::ElementsAre;
using testing::IsEmpty;

namespace {

TEST_F(TeamManager, OpensThePersonalTeamElseTheFirstListed) {
  const struct {
    const char* personal;  // what PERSONAL.BTM holds; none: no such file
    bool abc;              // ABC.BTM is there
    const char* shown;
    const char* database;
    Names persons;
    size_t boxes;
  } cases[] = {
      {nullptr, true, "ABC.BTM", "PEOPLE.BDB", {"ADAMS", "BROWN", "CLARK", "DIXON"}, 0},
      {nullptr, false, "", "PERSONAL.BDB", {}, 0},
      // Told once each: the missing database, then the team that needs it.
      {"GONE.BDB\r\n", false, "PERSONAL.BTM", "GONE.BDB", {}, 2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.shown);
    tm().DbClose.Click();
    InitTeam(g.ManagerTeam);  // the team as after start-up
    c.personal ? folder.Write("PERSONAL.BTM", c.personal) : folder.Remove("PERSONAL.BTM");
    if (!c.abc) folder.Remove("ABC.BTM");
    dialogs.boxes.clear();
    panel->Command2.Click();

    EXPECT_EQ(tm().TmList.Text(), c.shown);
    EXPECT_EQ(tm().DbLabel.Caption(), c.database);
    EXPECT_EQ(Rows(tm().DbContents), c.persons);
    EXPECT_FALSE(tm().DbSave.Visible() || tm().cmdUp.Enabled() || tm().cmdDown.Enabled());
    ASSERT_EQ(dialogs.boxes.size(), c.boxes);
    if (c.boxes > 0) {
      EXPECT_EQ(dialogs.Last(), "Error loading team : " + TeamPath(g, c.shown));
    }
  }
}

TEST_F(TeamManager, NewRefusesADatabaseItCannotUseThenOpensANewTeamEmptyWithItsDatabase) {
  // The third team is given no database: no team is made.
  dialogs.inputs = {"ok", "../x", "ok", "nowhere", "fresh", ""};
  for (int k = 0; k < 3; ++k) tm().DbNew.Click();
  EXPECT_THAT(dialogs.Texts(), ElementsAre("Cannot create team : ../X ! A database name may not hold / or \\",
                                           "Database NOWHERE.BDB not found !"));
  for (const auto& box : dialogs.boxes) EXPECT_EQ(box.title, "Team Create Error") << box.text;
  EXPECT_EQ(g.ManagerTeam.FileName, "PERSONAL.BTM");
  EXPECT_THAT(Rows(tm().TmList), ElementsAre("ABC.BTM", "PERSONAL.BTM"));

  // The new team's file as the file commands' tests check it; its database shown.
  dialogs.inputs = {"pga", "pga"};
  tm().DbNew.Click();
  EXPECT_THAT(Rows(tm().TmContents), IsEmpty());
  EXPECT_THAT(Rows(tm().DbContents), ElementsAre("PALMER"));
  EXPECT_EQ(tm().DbLabel.Caption(), "PGA.BDB");
}

TEST_F(TeamManager, ReopeningShowsTheTeamAsLastSaved) {
  tm().TmList.SetText("ABC.BTM");
  Pick(tm().DbContents, "DIXON");
  tm().DbAdd.Click();
  dialogs.answers = {Answer::Cancel};
  tm().DbClose.Click();
  panel->Command2.Click();
  EXPECT_EQ(tm().TmList.Text(), "ABC.BTM");
  EXPECT_THAT(Rows(tm().TmContents), ElementsAre("ADAMS", "BROWN", "CLARK"));
}

}  // namespace
