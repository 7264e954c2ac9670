#include "platform/files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "support/test_data.h"

namespace {

TEST(Files, ListMatchesThePatternWithoutRegardToCase) {
  TempFolder folder;
  for (const char* name : {"DALOFF.BTM", "daloff2.btm", "NFL.BDB", "README"}) folder.Write(name, "");
  std::vector<std::string> teams = files::List(folder.path(), "*.BTM");
  std::sort(teams.begin(), teams.end());
  EXPECT_EQ(teams, (std::vector<std::string>{"DALOFF.BTM", "daloff2.btm"}));
}

TEST(Files, ReadFindsALowerCaseFile) {
  TempFolder folder;
  folder.Write("nfl.bdb", "ADAMS JOE\r\n07/04/1970\r\n");
  EXPECT_EQ(files::Read(folder.path(), "NFL.BDB"), "ADAMS JOE\r\n07/04/1970\r\n");
  EXPECT_FALSE(files::Read(folder.path(), "NBA.BDB").has_value());
}

TEST(Files, ReadTellsAnEmptyFileFromOneThatCannotBeRead) {
  TempFolder folder;
  folder.Write("EMPTY.BDB", "");
  folder.Write("LARGE.BDB", std::string(100000, 'x'));
  std::filesystem::create_directory(std::filesystem::path(folder.path()) / "FOLDER.BDB");
  EXPECT_EQ(files::Read(folder.path(), "EMPTY.BDB"), "");
  EXPECT_EQ(files::Read(folder.path(), "LARGE.BDB"), std::string(100000, 'x'));
  EXPECT_FALSE(files::Read(folder.path(), "FOLDER.BDB").has_value());
}

TEST(Files, ReplaceWritesTheNewContentsUnderTheUpperCaseName) {
  TempFolder folder;
  folder.Write("nfl.bdb", "old");
  ASSERT_TRUE(files::Replace(folder.path(), "NFL.BDB", "new"));
  EXPECT_EQ(folder.Read("NFL.BDB"), "new");
  EXPECT_FALSE(folder.Has("nfl.bdb"));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()),
                          std::filesystem::directory_iterator()),
            1);
}

TEST(Files, AFailedReplaceKeepsTheOldFile) {
  TempFolder folder;
  folder.Write("NFL.BDB", "old");
  // A folder in the way of the rename makes the save fail after the new contents were written.
  std::filesystem::create_directory(std::filesystem::path(folder.path()) / "NBA.BDB");
  EXPECT_FALSE(files::Replace(folder.path(), "NBA.BDB", "new"));
  EXPECT_FALSE(files::Replace(folder.path() + "/missing", "NFL.BDB", "new"));
  EXPECT_EQ(folder.Read("NFL.BDB"), "old");
}

TEST(Files, RemoveFindsTheFileWithoutRegardToCase) {
  TempFolder folder;
  folder.Write("pga.btm", "");
  EXPECT_TRUE(files::Remove(folder.path(), "PGA.BTM"));
  EXPECT_FALSE(folder.Has("pga.btm"));
  EXPECT_FALSE(files::Remove(folder.path(), "PGA.BTM"));
}

}  // namespace
