#include "teams/team_file.h"

#include <gtest/gtest.h>

#include "support/test_data.h"
#include "support/world.h"

namespace {

std::vector<std::string> Members(const TeamRecord& team) {
  std::vector<std::string> members;
  for (int i = 1; i <= team.Count; ++i) members.push_back(team.Members[i].Name + "|" + team.Members[i].Dob);
  return members;
}

TEST(LoadTeam, ReadsTheDatabaseLineThenPairs) {
  const struct {
    std::string contents;
    bool loaded;
    std::vector<std::string> members;
    std::vector<std::string> messages;  // boxes; {team}, {db}: the team's, the database's loading error
  } cases[] = {
      {"NFL.BDB\r\n", true, {}, {}},
      {"", false, {}, {"{team}"}},
      {"NFL.BDB\r\nADAMS JOE\r\n07/04/1970\r\nCOLE RAY\r\n", false, {"ADAMS JOE|07/04/1970"}, {"{team}"}},
      {"NBA.BDB\r\nADAMS JOE\r\n07/04/1970\r\n", false, {}, {"{db}", "{team}"}},
      {"NFL.BDB\r\n" + NumberedPersonLines(26, "01/01/1990"), true,
       NumberedPersonEntries(25, "01/01/1990"), {"Error: Team full : Team size cannot exceed 25."}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.contents.substr(0, 40));
    World world(false);
    world.folder.Write("NFL.BDB", "ADAMS JOE\r\n07/04/1970\r\n");
    world.folder.Write("bears off.btm", c.contents);
    TeamRecord team;
    EXPECT_EQ(LoadTeam(world.g, "Bears Off", team), c.loaded);
    EXPECT_EQ(team.FileName, "BEARS OFF.BTM");
    EXPECT_FALSE(team.Modified);
    EXPECT_EQ(Members(team), c.members);
    const std::string at = world.folder.path() + "/";
    std::vector<std::string> expected, shown;
    for (std::string message : c.messages) {
      if (message == "{team}") message = "Team Error: Error loading team : " + at + "BEARS OFF.BTM";
      if (message == "{db}") message = "Database Error: Error loading database : " + at + "NBA.BDB";
      expected.push_back(message);
    }
    for (const auto& box : world.dialogs.boxes) shown.push_back(box.title + ": " + box.text);
    EXPECT_EQ(shown, expected);
  }
}

TEST(SaveTeam, WritesTheDatabaseLineAsOneFileName) {
  World world(false);
  TeamRecord team;
  team.Database.FileName = "nfl";
  ASSERT_TRUE(SaveTeam(world.g, "A", team));
  EXPECT_EQ(world.folder.Read("A.BTM"), "NFL.BDB\r\n");
  EXPECT_EQ(team.Database.FileName, "NFL.BDB");
  EXPECT_FALSE(SaveTeam(world.g, "../ESCAPE", team));
  // Line 1 would read back as the database "NFL" and a member "NBA.BDB".
  team.Database.FileName = "NFL,NBA";
  EXPECT_FALSE(SaveTeam(world.g, "A", team));
  EXPECT_EQ(world.folder.Read("A.BTM"), "NFL.BDB\r\n");
  EXPECT_EQ(world.dialogs.Texts(),
            (std::vector<std::string>{"Error saving team : " + world.folder.path() + "/../ESCAPE",
                                      "Error saving team : " + world.folder.path() + "/A.BTM"}));
}

}  // namespace
