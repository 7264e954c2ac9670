// Building the member list of a team: adding by button and by drop, deleting, moving.
#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include "support/team_manager.h"

namespace {

const Names Abc{"ADAMS", "BROWN", "CLARK"};

// Each edit starts on ABC.BTM with the given member row current; a delete asks first and is
// given the answer.
struct Edit {
  const char* what;
  const char* member;
  std::function<void(BR_TM&)> act;
  Names members;
  const char* current;  // the current member row afterwards
  bool modified;
  std::optional<Answer> answer = std::nullopt;
};

void PrintTo(const Edit& e, std::ostream* out) { *out << e.what; }

class Edits : public TeamManager, public testing::WithParamInterface<Edit> {};

// The person picked in the team's database, then added with the button.
std::function<void(BR_TM&)> Add(const char* person) {
  return [=](BR_TM& tm) {
    TeamManager::Pick(tm.DbContents, person);
    tm.DbAdd.Click();
  };
}
// The person picked, then a row of the list given dropped on the first member.
std::function<void(BR_TM&)> Drop(const char* person, ListBox BR_TM::*from) {
  return [=](BR_TM& tm) {
    TeamManager::Pick(tm.DbContents, person);
    tm.TmContents.DragDrop(tm.*from, 0);
  };
}
std::function<void(BR_TM&)> Press(Button BR_TM::*button, int times = 1) {
  return [=](BR_TM& tm) {
    for (int k = 0; k < times; ++k) (tm.*button).Click();
  };
}

const Edit AllEdits[] = {
    // DIXON, the first person of the database, is the last row of the sorted list.
    {"AddBeforeCurrent", "CLARK", Add("DIXON"), {"ADAMS", "BROWN", "DIXON", "CLARK"}, "", true},
    {"AddLast", "", Add("DIXON"), {"ADAMS", "BROWN", "CLARK", "DIXON"}, "", true},
    {"AddWithoutPerson", "BROWN", Press(&BR_TM::DbAdd), Abc, "", false},
    {"DropBeforeCurrent", "BROWN", Drop("DIXON", &BR_TM::DbContents), {"ADAMS", "DIXON", "BROWN", "CLARK"},
     "", true},
    {"DropFromElsewhere", "BROWN", Drop("DIXON", &BR_TM::TmContents), Abc, "BROWN", false},
    {"DeleteConfirmed", "BROWN", Press(&BR_TM::DbDelete), {"ADAMS", "CLARK"}, "", true, Answer::OK},
    {"DeleteCancelled", "BROWN", Press(&BR_TM::DbDelete), Abc, "", false, Answer::Cancel},
    {"DeleteWithoutMember", "", Press(&BR_TM::DbDelete), Abc, "", false},
    {"DownOnce", "ADAMS", Press(&BR_TM::cmdDown), {"BROWN", "ADAMS", "CLARK"}, "ADAMS", true},
    {"DownPastTheLast", "ADAMS", Press(&BR_TM::cmdDown, 3), {"BROWN", "CLARK", "ADAMS"}, "ADAMS", true},
    // Up leaves current the row the member left.
    {"UpOnce", "CLARK", Press(&BR_TM::cmdUp), {"ADAMS", "CLARK", "BROWN"}, "BROWN", true},
    {"UpTwice", "CLARK", Press(&BR_TM::cmdUp, 2), Abc, "CLARK", true},
};

INSTANTIATE_TEST_SUITE_P(EveryEdit, Edits, testing::ValuesIn(AllEdits),
                         [](const auto& info) { return std::string(info.param.what); });

TEST_P(Edits, ChangeTheTeamInMemoryOnly) {
  const Edit& e = GetParam();
  tm().TmList.SetText("ABC.BTM");
  const std::string saved = folder.Read("ABC.BTM");
  Pick(tm().TmContents, e.member);
  if (e.answer) dialogs.answers = {*e.answer};
  e.act(tm());

  EXPECT_EQ(dialogs.Questions(), e.answer ? Names{"Are you sure you want to delete  BROWN ? "} : Names{});
  EXPECT_EQ(Members(), e.members);
  EXPECT_EQ(Rows(tm().TmContents), e.members);
  EXPECT_EQ(Current(tm().TmContents), e.current);
  EXPECT_EQ(g.ManagerTeam.Modified, e.modified);
  EXPECT_EQ(tm().DbSave.Visible(), e.modified);
  EXPECT_EQ(folder.Read("ABC.BTM"), saved);
}

}  // namespace
