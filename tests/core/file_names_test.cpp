#include "core/file_names.h"

#include <gtest/gtest.h>

#include "support/world.h"

namespace {

// How names are made, and which lie in the data folder, is asserted through the managers' words
// (their tables of typed names); here the rules they share.
TEST(FileNames, NamesThatLeaveTheFolderAreUnsafeAndLetterCaseNeverCounts) {
  for (const char* name : {"../X.BDB", "A/B.BDB", "A\\B.BDB", ".", "..", "TAB\t.BDB"}) {
    EXPECT_FALSE(SafeFileName(name)) << name;
  }
  for (const char* name : {"NFL.BDB", "BLUE TEAM.BTM", "J.DOE", "J..DOE", "..BDB", "WHAT?.BDB"}) {
    EXPECT_TRUE(SafeFileName(name)) << name;
  }
  World world(false);
  world.folder.Write("nfl.bdb", "");
  EXPECT_TRUE(FileExists(world.g, "NFL.BDB"));
  EXPECT_FALSE(FileExists(world.g, "NBA.BDB"));
  EXPECT_EQ(DatabaseFileName("J.Doe"), "J.DOE");
  EXPECT_EQ(TeamPath(world.g, "pga"), world.folder.path() + "/PGA.BTM");
}

}  // namespace
