#include "platform/files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <optional>

#include "support/case_blind_folder.h"
#include "support/test_data.h"

namespace fs = std::filesystem;

namespace {

// Every case runs on an ordinary folder and on one that ignores letter case.
class Files : public testing::TestWithParam<Disk> {
 protected:
  void SetUp() override {
    if (GetParam() == Disk::CaseBlind) blind.emplace(folder.path());
  }

  TempFolder folder;
  std::optional<CaseBlindFolder> blind;
};

INSTANTIATE_TEST_SUITE_P(BothDisks, Files, testing::Values(Disk::CaseSensitive, Disk::CaseBlind),
                         [](const auto& info) { return DiskName(info.param); });

// Letter case never counts, but "*" and "?" in a name are characters like any other; an empty
// file reads as empty, one that cannot be read as nothing.
TEST_P(Files, ReadListAndRemoveIgnoreLetterCaseAndTakeANameAsItIs) {
  for (const char* name : {"DALOFF.BTM", "daloff2.btm", "README"}) folder.Write(name, "");
  folder.Write("nfl.bdb", "ADAMS JOE\r\n07/04/1970\r\n");
  fs::create_directory(fs::path(folder.path()) / "FOLDER.BDB");
  EXPECT_EQ(files::Read(folder.path(), "NFL.BDB"), "ADAMS JOE\r\n07/04/1970\r\n");
  EXPECT_EQ(files::Read(folder.path(), "DALOFF.BTM"), "");
  EXPECT_FALSE(files::Read(folder.path(), "NBA.BDB").has_value());
  EXPECT_FALSE(files::Read(folder.path(), "FOLDER.BDB").has_value());

  std::vector<std::string> teams = files::List(folder.path(), "*.BTM");
  std::sort(teams.begin(), teams.end());
  EXPECT_EQ(teams, (std::vector<std::string>{"DALOFF.BTM", "daloff2.btm"}));
  EXPECT_TRUE(files::Remove(folder.path(), "DALOFF2.BTM"));
  EXPECT_FALSE(folder.Has("daloff2.btm"));
  EXPECT_FALSE(files::Remove(folder.path(), "DALOFF2.BTM"));

  folder.Write("KEEP1.BDB", "one");
  ASSERT_TRUE(files::Replace(folder.path(), "KEEP?.BDB", "literal"));
  EXPECT_EQ(files::Read(folder.path(), "keep?.bdb"), "literal");
  EXPECT_TRUE(files::Remove(folder.path(), "KEEP?.BDB"));
  EXPECT_EQ(folder.Read("KEEP1.BDB"), "one");
}

// The old file, found whatever its letter case, gives way to the new one under the upper-case
// name, keeping its permissions; on a folder that ignores case the old name is the new file.
// A save that fails leaves the old file as it was and nothing beside it.
TEST_P(Files, ReplaceWritesUnderTheUpperCaseNameKeepingTheOldFilesPermissions) {
  folder.Write("team.btm", "old");
  fs::permissions(folder.path() + "/team.btm", fs::perms(0640));
  ASSERT_TRUE(files::Replace(folder.path(), "TEAM.BTM", "new"));
  EXPECT_EQ(folder.Names(), std::vector<std::string>{"TEAM.BTM"});
  EXPECT_EQ(folder.Read("TEAM.BTM"), "new");
  EXPECT_EQ(fs::status(folder.path() + "/TEAM.BTM").permissions(), fs::perms(0640));

  // A folder in the way of the rename makes the save fail after the new contents were written.
  fs::create_directory(fs::path(folder.path()) / "NBA.BDB");
  EXPECT_FALSE(files::Replace(folder.path(), "NBA.BDB", "new"));
  EXPECT_FALSE(files::Replace(folder.path() + "/missing", "TEAM.BTM", "newer"));
  EXPECT_EQ(folder.Read("TEAM.BTM"), "new");
  EXPECT_EQ(folder.Names(), (std::vector<std::string>{"NBA.BDB", "TEAM.BTM"}));
}

TEST_P(Files, ReplaceNeverWritesThroughWhatStandsAtATemporaryName) {
  TempFolder outside;
  outside.Write("SECRET", "keep");
  // Where a save of this process first puts its temporary file.
  const fs::path place = fs::path(folder.path()) / (".ondulix-" + std::to_string(getpid()) + "-0.tmp");
  const std::function<void()> plant[] = {
      [&] { fs::create_symlink(fs::path(outside.path()) / "SECRET", place); },
      [&] { ASSERT_EQ(mkfifo(place.c_str(), 0600), 0); },
  };
  alarm(20);  // a save that waits on a pipe ends the test rather than hanging it
  for (const auto& put : plant) {
    fs::remove(place);
    put();
    ASSERT_TRUE(files::Replace(folder.path(), "NFL.BDB", "new"));
    EXPECT_EQ(folder.Read("NFL.BDB"), "new");
    EXPECT_EQ(outside.Read("SECRET"), "keep");
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(place)) || fs::is_fifo(fs::symlink_status(place)));
  }
  alarm(0);
}

}  // namespace
