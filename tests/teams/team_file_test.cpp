#include "teams/team_file.h"

#include <gtest/gtest.h>

#include "support/test_data.h"
#include "support/world.h"

namespace {

TEST(LoadTeam, ReadsTheDatabaseLineThenPairs) {
  World world(false);
  world.folder.Write("NFL.BDB", "ADAMS JOE\r\n07/04/1970\r\n");
  const std::string teamError = "Team Error: Error loading team : " + world.folder.path() + "/BEARS OFF.BTM";
  const std::string dbError = "Database Error: Error loading database : " + world.folder.path() + "/NBA.BDB";
  const struct {
    std::string contents;
    bool loaded;
    std::vector<std::string> members;
    std::vector<std::string> boxes;
  } cases[] = {
      {"NFL.BDB\r\n", true, {}, {}},
      {"", false, {}, {teamError}},
      {"NFL.BDB\r\nADAMS JOE\r\n07/04/1970\r\nCOLE RAY\r\n", false, {"ADAMS JOE|07/04/1970"}, {teamError}},
      {"NBA.BDB\r\nADAMS JOE\r\n07/04/1970\r\n", false, {}, {dbError, teamError}},
      {"NFL.BDB\r\n" + NumberedPersonLines(26, "01/01/1990"), true,
       NumberedPersonEntries(25, "01/01/1990"), {"Error: Team full : Team size cannot exceed 25."}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.contents.substr(0, 40));
    world.folder.Write("bears off.btm", c.contents);
    world.dialogs.boxes.clear();
    TeamRecord team;
    EXPECT_EQ(LoadTeam(world.g, "Bears Off", team), c.loaded);
    EXPECT_EQ(team.FileName, "BEARS OFF.BTM");
    EXPECT_FALSE(team.Modified);
    EXPECT_EQ(World::Entries(&team.Members[1], team.Count), c.members);
    EXPECT_EQ(world.dialogs.TitledTexts(), c.boxes);
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
