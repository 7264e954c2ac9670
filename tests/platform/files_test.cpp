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

TEST_P(Files, ReadFindsAnyLetterCaseAndTellsAnEmptyFileFromOneThatCannotBeRead) {
  folder.Write("nfl.bdb", "ADAMS JOE\r\n07/04/1970\r\n");
  folder.Write("EMPTY.BDB", "");
  folder.Write("LARGE.BDB", std::string(100000, 'x'));
  std::filesystem::create_directory(std::filesystem::path(folder.path()) / "FOLDER.BDB");
  EXPECT_EQ(files::Read(folder.path(), "NFL.BDB"), "ADAMS JOE\r\n07/04/1970\r\n");
  EXPECT_EQ(files::Read(folder.path(), "EMPTY.BDB"), "");
  EXPECT_EQ(files::Read(folder.path(), "LARGE.BDB"), std::string(100000, 'x'));
  EXPECT_FALSE(files::Read(folder.path(), "NBA.BDB").has_value());
  EXPECT_FALSE(files::Read(folder.path(), "FOLDER.BDB").has_value());
}

// Letter case never counts, but "*" and "?" in a name are characters like any other.
TEST_P(Files, ListAndRemoveIgnoreLetterCaseAndTakeANameAsItIs) {
  for (const char* name : {"DALOFF.BTM", "daloff2.btm", "NFL.BDB", "README"}) folder.Write(name, "");
  std::vector<std::string> teams = files::List(folder.path(), "*.BTM");
  std::sort(teams.begin(), teams.end());
  EXPECT_EQ(teams, (std::vector<std::string>{"DALOFF.BTM", "daloff2.btm"}));
  EXPECT_TRUE(files::Remove(folder.path(), "DALOFF2.BTM"));
  EXPECT_FALSE(folder.Has("daloff2.btm"));
  EXPECT_FALSE(files::Remove(folder.path(), "DALOFF2.BTM"));

  folder.Write("KEEP1.BDB", "one");
  EXPECT_FALSE(files::Find(folder.path(), "KEEP?.BDB").has_value());
  ASSERT_TRUE(files::Replace(folder.path(), "KEEP?.BDB", "literal"));
  EXPECT_EQ(files::Read(folder.path(), "keep?.bdb"), "literal");
  EXPECT_EQ(files::Find(folder.path(), "*.BDB"), std::nullopt);
  EXPECT_TRUE(files::Remove(folder.path(), "KEEP?.BDB"));
  EXPECT_EQ(folder.Read("KEEP1.BDB"), "one");
}

// The old file, found whatever its letter case, gives way to the new one under the upper-case
// name, keeping its permissions; on a folder that ignores case the old name is the new file.
TEST_P(Files, ReplaceWritesUnderTheUpperCaseNameKeepingTheOldFilesPermissions) {
  for (const mode_t mode : {0600, 0640, 0664}) {
    folder.Write("team.btm", "old");
    chmod((folder.path() + "/team.btm").c_str(), mode);
    ASSERT_TRUE(files::Replace(folder.path(), "TEAM.BTM", "new"));
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"TEAM.BTM"});
    EXPECT_EQ(folder.Read("TEAM.BTM"), "new");
    struct stat status {};
    ASSERT_EQ(stat((folder.path() + "/TEAM.BTM").c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, mode);
    folder.Remove("TEAM.BTM");
  }
}

TEST_P(Files, AFailedReplaceKeepsTheOldFile) {
  folder.Write("NFL.BDB", "old");
  // A folder in the way of the rename makes the save fail after the new contents were written.
  std::filesystem::create_directory(std::filesystem::path(folder.path()) / "NBA.BDB");
  EXPECT_FALSE(files::Replace(folder.path(), "NBA.BDB", "new"));
  EXPECT_FALSE(files::Replace(folder.path() + "/missing", "NFL.BDB", "new"));
  EXPECT_EQ(folder.Read("NFL.BDB"), "old");
}

TEST_P(Files, ReplaceNeverWritesThroughWhatStandsAtATemporaryName) {
  namespace fs = std::filesystem;
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

// A file the user chose is written under exactly its name: a file whose name differs only in
// letter case stays as it was, a link at the name is replaced itself rather than written
// through, the old file's permissions are kept, and a refused write leaves what stood there.
TEST(Files, ReplaceExactlyWritesTheNameChosenAndNothingElse) {
  namespace fs = std::filesystem;
  TempFolder folder, outside;
  const std::string at = folder.path() + "/";
  folder.Write("report.csv", "other case");
  outside.Write("SECRET", "keep");
  fs::create_symlink(fs::path(outside.path()) / "SECRET", at + "Linked.csv");
  folder.Write("Private.csv", "old");
  chmod((at + "Private.csv").c_str(), 0600);

  for (const char* name : {"Report.csv", "Linked.csv", "Private.csv"}) {
    ASSERT_TRUE(files::ReplaceExactly(at + name, "new")) << name;
    EXPECT_EQ(folder.Read(name), "new") << name;
  }
  EXPECT_EQ(folder.Read("report.csv"), "other case");
  EXPECT_EQ(outside.Read("SECRET"), "keep");
  EXPECT_FALSE(fs::is_symlink(fs::symlink_status(at + "Linked.csv")));
  struct stat status {};
  ASSERT_EQ(stat((at + "Private.csv").c_str(), &status), 0);
  EXPECT_EQ(status.st_mode & 07777, 0600u);

  // A folder in the way of the rename, or a folder that is not there.
  fs::create_directory(at + "Report.csv.d");
  EXPECT_FALSE(files::ReplaceExactly(at + "Report.csv.d", "newer"));
  EXPECT_FALSE(files::ReplaceExactly(at + "missing/Report.csv", "newer"));
  EXPECT_TRUE(fs::is_directory(at + "Report.csv.d"));
  // Only the files written or planted are there: no temporary file is left behind.
  EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), {}), 5);
}

}  // namespace
