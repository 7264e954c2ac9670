// Building the member list of a team: adding by button and by drop, deleting, moving.
#include <gtest/gtest.h>

#include <deque>
#include <functional>

#include "support/team_manager.h"
#include "support/test_data.h"

namespace {

const Names Abc{"ADAMS", "BROWN", "CLARK"};
const Answer OK = Answer::OK, Cancel = Answer::Cancel;

class Roster : public TeamManager {
 public:
  void SetUp() override {
    TeamManager::SetUp();
    tm().TmList.SetText("ABC.BTM");
  }
};

// Each edit starts on ABC.BTM with the given member row current.
struct Edit {
  const char* what;
  const char* member;
  std::function<void(BR_TM&)> act;
  std::deque<Answer> answers;
  Names questions;
  Names members;
  const char* current;  // the current member row afterwards
  bool modified;
};

void PrintTo(const Edit& e, std::ostream* out) { *out << e.what; }

class Edits : public Roster, public testing::WithParamInterface<Edit> {};

std::function<void(BR_TM&)> WithPerson(const char* person, std::function<void(BR_TM&)> act) {
  return [=](BR_TM& tm) {
    TeamManager::Pick(tm.DbContents, person);
    act(tm);
  };
}
std::function<void(BR_TM&)> Press(Button BR_TM::*button, int times = 1) {
  return [=](BR_TM& tm) {
    for (int k = 0; k < times; ++k) (tm.*button).Click();
  };
}
void DropOnMembers(BR_TM& tm) { tm.TmContents.DragDrop(tm.DbContents, 0); }
void DropMemberOnItself(BR_TM& tm) { tm.TmContents.DragDrop(tm.TmContents, 0); }

const std::string DeleteBrown = "Are you sure you want to delete  BROWN ? ";

INSTANTIATE_TEST_SUITE_P(
    EveryEdit, Edits,
    testing::Values(
        Edit{"AddBeforeCurrent", "CLARK", WithPerson("DIXON", Press(&BR_TM::DbAdd)), {}, {},
             {"ADAMS", "BROWN", "DIXON", "CLARK"}, "", true},
        Edit{"AddLast", "", WithPerson("DIXON", Press(&BR_TM::DbAdd)), {}, {},
             {"ADAMS", "BROWN", "CLARK", "DIXON"}, "", true},
        // The first row of the sorted list is ADAMS, the last person of the database.
        Edit{"AddFirstRowAgain", "", WithPerson("ADAMS", Press(&BR_TM::DbAdd)), {}, {},
             {"ADAMS", "BROWN", "CLARK", "ADAMS"}, "", true},
        Edit{"AddWithoutPerson", "BROWN", Press(&BR_TM::DbAdd), {}, {}, Abc, "", false},
        Edit{"DropBeforeCurrent", "BROWN", WithPerson("DIXON", DropOnMembers), {}, {},
             {"ADAMS", "DIXON", "BROWN", "CLARK"}, "", true},
        Edit{"DropFromElsewhere", "BROWN", WithPerson("DIXON", DropMemberOnItself), {}, {}, Abc,
             "BROWN", false},
        Edit{"DeleteConfirmed", "BROWN", Press(&BR_TM::DbDelete), {OK}, {DeleteBrown},
             {"ADAMS", "CLARK"}, "", true},
        Edit{"DeleteCancelled", "BROWN", Press(&BR_TM::DbDelete), {Cancel}, {DeleteBrown}, Abc,
             "", false},
        Edit{"DeleteWithoutMember", "", Press(&BR_TM::DbDelete), {}, {}, Abc, "", false},
        Edit{"DownOnce", "ADAMS", Press(&BR_TM::cmdDown), {}, {}, {"BROWN", "ADAMS", "CLARK"},
             "ADAMS", true},
        Edit{"DownPastTheLast", "ADAMS", Press(&BR_TM::cmdDown, 3), {}, {},
             {"BROWN", "CLARK", "ADAMS"}, "ADAMS", true},
        // Up leaves current the row the member left.
        Edit{"UpOnce", "CLARK", Press(&BR_TM::cmdUp), {}, {}, {"ADAMS", "CLARK", "BROWN"},
             "BROWN", true},
        Edit{"UpTwice", "CLARK", Press(&BR_TM::cmdUp, 2), {}, {}, Abc, "CLARK", true}),
    [](const auto& info) { return std::string(info.param.what); });

TEST_P(Edits, ChangeTheTeamInMemoryOnly) {
  const Edit& e = GetParam();
  Pick(tm().TmContents, e.member);
  dialogs.answers = e.answers;
  e.act(tm());

  EXPECT_EQ(dialogs.Questions(), e.questions);
  EXPECT_EQ(Members(), e.members);
  EXPECT_EQ(Rows(tm().TmContents), e.members);
  EXPECT_EQ(Current(tm().TmContents), e.current);
  EXPECT_EQ(g.ManagerTeam.Modified, e.modified);
  EXPECT_EQ(tm().DbSave.Visible(), e.modified);
  EXPECT_EQ(Saved("ABC.BTM"), Names({"PEOPLE.BDB", "ADAMS", "BROWN", "CLARK"}));
}

TEST_F(Roster, AFullTeamRefusesTheButtonAndTheDrop) {
  folder.Write("FULL.BTM", "PEOPLE.BDB\r\n" + NumberedPersonLines(25, "03/03/1970"));
  tm().RefreshTmForm();
  tm().TmList.SetText("FULL.BTM");
  for (const bool drop : {false, true}) {
    Pick(tm().DbContents, "DIXON");
    drop ? DropOnMembers(tm()) : tm().DbAdd.Click();
    EXPECT_EQ(dialogs.Last(), "Team full : Team size cannot exceed 25.");
    EXPECT_EQ(dialogs.boxes.back().title, "Error");
    EXPECT_EQ(g.ManagerTeam.Count, 25);
    EXPECT_EQ(tm().TmContents.ListCount(), 25);
    // A refused drop still counts as an edit.
    EXPECT_EQ(g.ManagerTeam.Modified, drop);
    EXPECT_EQ(tm().DbSave.Visible(), drop);
  }
  EXPECT_EQ(g.InsertRow, -1);
}

}  // namespace
