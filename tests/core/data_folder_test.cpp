#include "core/data_folder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>

#include "platform/files.h"
#include "support/case_blind_folder.h"
#include "support/test_data.h"

namespace fs = std::filesystem;

namespace {

TEST(DataFolder, TheUserFolderFollowsXdgDataHomeElseHome) {
  const struct {
    const char* xdgDataHome;
    const char* home;
    const char* expected;
  } cases[] = {
      {"/data/me", "/home/me", "/data/me/Ondulix"},
      {nullptr, "/home/me", "/home/me/.local/share/Ondulix"},
      {"", "/home/me", "/home/me/.local/share/Ondulix"},
      {"relative/data", "/home/me", "/home/me/.local/share/Ondulix"},
      {nullptr, nullptr, ""},
      {"", "relative", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(UserDataFolder(c.xdgDataHome, c.home), c.expected)
        << (c.xdgDataHome ? c.xdgDataHome : "(unset)") << " " << (c.home ? c.home : "(unset)");
  }
}

// A program folder as installed: the shipped files and the program, read-only while it lives
// (for root too, whom only the folder's mode tells that it is not to be written).
class Installed {
 public:
  Installed() {
    folder.AddShippedData(true);
    folder.Write("ondulix", "program");
    ReadOnly(true);
  }
  ~Installed() { ReadOnly(false); }
  Installed(const Installed&) = delete;
  Installed& operator=(const Installed&) = delete;

  // Changes a shipped file as a newer release would, the folder staying read-only.
  void Release(const std::string& name, const std::string& contents, fs::file_time_type time) {
    ReadOnly(false);
    folder.Write(name, contents);
    fs::last_write_time(File(name), time);
    ReadOnly(true);
  }
  fs::path File(const std::string& name) const { return fs::path(folder.path()) / name; }

  TempFolder folder;

 private:
  void ReadOnly(bool on) const {
    fs::permissions(folder.path(), on ? fs::perms::owner_read | fs::perms::owner_exec : fs::perms::owner_all);
  }
};

const char* const Shipped[] = {"BR_PHY.SYM", "BR_EMO.SYM", "BR_INT.SYM", "BR_PHY.SCA",
                               "BR_EMO.SCA", "BR_INT.SCA", "biodesc.ini", "LEAGUE.BDB",
                               "PERSONAL.BDB", "COMETS.BTM", "HARBOR OFF.BTM"};

TEST(DataFolder, AReadOnlyProgramFolderSendsTheUserToAFolderOfTheirOwnSeededFromIt) {
  Installed installed;
  TempFolder home;
  const std::string user = home.path() + "/.local/share/Ondulix";
  ASSERT_EQ(ChooseDataFolder(installed.folder.path(), user), user);

  EXPECT_EQ(fs::status(user).permissions(), fs::perms::owner_all);
  for (const char* name : Shipped) {
    EXPECT_EQ(files::Read(user, name), installed.folder.Read(name)) << name;
  }
  EXPECT_FALSE(fs::exists(fs::path(user) / "ondulix"));
  // What the user saves there survives the next start.
  std::ofstream(fs::path(user) / "PERSONAL.BDB") << "MINE\r\n01/02/1980\r\n";
  ASSERT_EQ(ChooseDataFolder(installed.folder.path(), user), user);
  EXPECT_EQ(files::Read(user, "PERSONAL.BDB"), "MINE\r\n01/02/1980\r\n");
}

TEST(DataFolder, SeedingRefreshesOnlyOlderTablesAndNeverTouchesTheUsersFiles) {
  Installed installed;
  TempFolder user;
  const auto now = fs::file_time_type::clock::now();
  const auto lastYear = now - std::chrono::hours(24 * 365);
  const auto lastMonth = now - std::chrono::hours(24 * 30);
  user.Write("BR_PHY.SYM", "old table");
  fs::last_write_time(fs::path(user.path()) / "BR_PHY.SYM", lastYear);
  user.Write("BR_EMO.SYM", "the user's own table");
  user.Write("LEAGUE.BDB", "MY LEAGUE\r\n01/02/1980\r\n");
  fs::last_write_time(fs::path(user.path()) / "LEAGUE.BDB", lastYear);
  user.Write("comets.btm", "MY TEAM");
  installed.Release("BR_PHY.SYM", installed.folder.Read("BR_PHY.SYM"), lastMonth);

  ASSERT_EQ(ChooseDataFolder(installed.folder.path(), user.path()), user.path());
  EXPECT_EQ(user.Read("BR_PHY.SYM"), installed.folder.Read("BR_PHY.SYM"));
  EXPECT_EQ(user.Read("BR_EMO.SYM"), "the user's own table");
  EXPECT_EQ(user.Read("LEAGUE.BDB"), "MY LEAGUE\r\n01/02/1980\r\n");
  EXPECT_EQ(user.Read("comets.btm"), "MY TEAM");
  EXPECT_FALSE(user.Has("COMETS.BTM"));
  EXPECT_EQ(user.Read("PERSONAL.BDB"), installed.folder.Read("PERSONAL.BDB"));

  // A later release brings a newer table, though older than the copy the user already has.
  installed.Release("BR_PHY.SYM", "newer table", lastMonth + std::chrono::hours(1));
  ChooseDataFolder(installed.folder.path(), user.path());
  EXPECT_EQ(user.Read("BR_PHY.SYM"), "newer table");
}

// On a user folder that ignores letter case, a table the user holds under a lower-case name is
// refreshed in place, never lost.
TEST(DataFolder, SeedingRefreshesATableStoredInLowerCaseOnAFolderThatIgnoresCase) {
  Installed installed;
  TempFolder user;
  const CaseBlindFolder blind(user.path());
  if (!blind.Mounted()) return;
  user.Write("br_phy.sym", "old table");
  fs::last_write_time(fs::path(user.path()) / "br_phy.sym",
                      fs::file_time_type::clock::now() - std::chrono::hours(24 * 365));

  ASSERT_EQ(ChooseDataFolder(installed.folder.path(), user.path()), user.path());
  EXPECT_EQ(files::Read(user.path(), "BR_PHY.SYM"), installed.folder.Read("BR_PHY.SYM"));
}

// Nothing is made in the user's home when the program folder can be written, or when no folder
// of their own can be made there.
TEST(DataFolder, AWritableProgramFolderOrAUserFolderThatCannotBeMadeLeavesTheProgramFolder) {
  TempFolder writable, home;
  writable.AddShippedData(true);
  EXPECT_EQ(ChooseDataFolder(writable.path(), home.path() + "/Ondulix"), writable.path());
  EXPECT_FALSE(fs::exists(home.path() + "/Ondulix"));
  Installed installed;
  home.Write("file", "");
  for (const std::string& user : {home.path() + "/file/Ondulix", std::string()}) {
    EXPECT_EQ(ChooseDataFolder(installed.folder.path(), user), installed.folder.path()) << user;
  }
}

}  // namespace
