#include "core/data_folder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <map>

#include "platform/files.h"
#include "support/case_blind_folder.h"
#include "support/doubles.h"
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

// Every file under the folder with its contents and time: what a start may not change.
using Files = std::map<std::string, std::pair<std::string, fs::file_time_type>>;
Files Snapshot(const std::string& folder) {
  Files files;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    const fs::path& path = entry.path();
    files[path.string()] = {files::Read(path.parent_path().string(), path.filename().string())
                                .value_or(""),
                            entry.last_write_time()};
  }
  return files;
}

// The databases and teams in the folder, by name.
std::vector<std::string> Kept(const std::string& folder) {
  std::vector<std::string> names = files::List(folder, "*.B??");
  std::sort(names.begin(), names.end());
  return names;
}

// The program installed under a prefix of the test's own, in the folders the package uses, and
// the data folder of the user who starts it. The test may write anywhere in the prefix, as
// root may where the package lies.
class Installed {
 public:
  Installed() {
    fs::create_directories(program);
    fs::create_directories(shipped);
    fs::copy(ONDULIX_DATA, shipped);
    prefix.Write("lib/ondulix/ondulix", "program");
  }

  std::optional<std::string> Start() {
    return ReadyDataFolder(DataPlaces{program, "../../share/ondulix", user}, dialogs);
  }
  // Changes a shipped file as a newer release would.
  void Release(const std::string& name, const std::string& contents,
               fs::file_time_type time) const {
    files::Replace(shipped, name, contents);
    fs::last_write_time(fs::path(shipped) / name, time);
  }
  std::string Shipped(const std::string& name) const {
    return files::Read(shipped, name).value_or("");
  }

  TempFolder prefix, home;
  const std::string program = prefix.path() + "/lib/ondulix";
  const std::string shipped = prefix.path() + "/share/ondulix";
  std::string user = home.path() + "/.local/share/Ondulix";
  ScriptedDialogs dialogs;
};

// Installed, root's data go where anyone's do, though root could write where the program lies.
TEST(DataFolder, InstalledTheUserGetsAFolderOfTheirOwnWithTheSamplesOfferedOnce) {
  Installed installed;
  const auto before = Snapshot(installed.prefix.path());
  ASSERT_EQ(installed.Start(), installed.user);
  EXPECT_EQ(Snapshot(installed.prefix.path()), before);
  EXPECT_EQ(installed.dialogs.Texts(), std::vector<std::string>{});
  EXPECT_EQ(fs::status(installed.user).permissions(), fs::perms::owner_all);
  for (const std::string& name : files::List(installed.shipped, "*")) {
    EXPECT_EQ(files::Read(installed.user, name), installed.Shipped(name)) << name;
  }
  EXPECT_FALSE(fs::exists(fs::path(installed.user) / "ondulix"));

  // What the user saves or removes there stays so through the next start.
  files::Replace(installed.user, "PERSONAL.BDB", "MINE\r\n01/02/1980\r\n");
  files::Remove(installed.user, "COMETS.BTM");
  files::Remove(installed.user, "LEAGUE.BDB");
  ASSERT_EQ(installed.Start(), installed.user);
  EXPECT_EQ(files::Read(installed.user, "PERSONAL.BDB"), "MINE\r\n01/02/1980\r\n");
  EXPECT_EQ(Kept(installed.user), (std::vector<std::string>{"HARBOR OFF.BTM", "PERSONAL.BDB",
                                                            "RIVER KINGS.BTM", "SUMMIT DEF.BTM"}));
  EXPECT_EQ(Snapshot(installed.prefix.path()), before);
}

// A folder the user already has (from an earlier release, say) gets the tables, no samples.
TEST(DataFolder, StartingRefreshesOnlyOlderTablesAndNeverTouchesTheUsersFiles) {
  Installed installed;
  TempFolder user;
  installed.user = user.path();
  const auto now = fs::file_time_type::clock::now();
  const auto lastYear = now - std::chrono::hours(24 * 365);
  const auto lastMonth = now - std::chrono::hours(24 * 30);
  user.Write("BR_PHY.SYM", "old table");
  fs::last_write_time(fs::path(user.path()) / "BR_PHY.SYM", lastYear);
  user.Write("BR_EMO.SYM", "the user's own table");
  user.Write("LEAGUE.BDB", "MY LEAGUE\r\n01/02/1980\r\n");
  fs::last_write_time(fs::path(user.path()) / "LEAGUE.BDB", lastYear);
  user.Write("comets.btm", "MY TEAM");
  installed.Release("BR_PHY.SYM", installed.Shipped("BR_PHY.SYM"), lastMonth);

  ASSERT_EQ(installed.Start(), user.path());
  EXPECT_EQ(user.Read("BR_PHY.SYM"), installed.Shipped("BR_PHY.SYM"));
  EXPECT_EQ(user.Read("BR_EMO.SYM"), "the user's own table");
  EXPECT_EQ(user.Read("biodesc.ini"), installed.Shipped("biodesc.ini"));
  EXPECT_EQ(user.Read("LEAGUE.BDB"), "MY LEAGUE\r\n01/02/1980\r\n");
  EXPECT_EQ(user.Read("comets.btm"), "MY TEAM");
  EXPECT_EQ(Kept(user.path()), (std::vector<std::string>{"LEAGUE.BDB", "comets.btm"}));

  // A later release brings a newer table, though older than the copy the user already has.
  installed.Release("BR_PHY.SYM", "newer table", lastMonth + std::chrono::hours(1));
  installed.Start();
  EXPECT_EQ(user.Read("BR_PHY.SYM"), "newer table");
}

// On a user folder that ignores letter case, a table the user holds under a lower-case name is
// refreshed in place, never lost.
TEST(DataFolder, StartingRefreshesATableStoredInLowerCaseOnAFolderThatIgnoresCase) {
  Installed installed;
  TempFolder user;
  const CaseBlindFolder blind(user.path());
  if (!blind.Mounted()) return;
  installed.user = user.path();
  user.Write("br_phy.sym", "old table");
  fs::last_write_time(fs::path(user.path()) / "br_phy.sym",
                      fs::file_time_type::clock::now() - std::chrono::hours(24 * 365));

  ASSERT_EQ(installed.Start(), user.path());
  EXPECT_EQ(files::Read(user.path(), "BR_PHY.SYM"), installed.Shipped("BR_PHY.SYM"));
}

// While it lives, the folder cannot be written: its mode tells an ordinary user so, and root,
// whom modes do not stop, finds the folder immutable (where the file system allows it).
class Unwritable {
 public:
  explicit Unwritable(const std::string& folder) : folder_(folder) {
    fs::permissions(folder_, fs::perms::owner_read | fs::perms::owner_exec);
    if (geteuid() == 0) held_ = Immutable(true);
  }
  ~Unwritable() {
    if (geteuid() == 0 && held_) Immutable(false);
    fs::permissions(folder_, fs::perms::owner_all);
  }
  Unwritable(const Unwritable&) = delete;
  Unwritable& operator=(const Unwritable&) = delete;

  bool Held() const { return held_; }
  // The system's word for a refused write.
  static std::string Reason() {
    return geteuid() == 0 ? "Operation not permitted" : "Permission denied";
  }

 private:
  bool Immutable(bool on) const {
    const int handle = open(folder_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    int flags = 0;
    bool done = handle >= 0 && ioctl(handle, FS_IOC_GETFLAGS, &flags) == 0;
    flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
    done = done && ioctl(handle, FS_IOC_SETFLAGS, &flags) == 0;
    if (handle >= 0) close(handle);
    return done;
  }

  std::string folder_;
  bool held_ = true;
};

// Which folder, the system's reason and what to do, before any window; nothing is made.
TEST(DataFolder, AFolderThatCannotBeMadeOrWrittenIsRefusedSayingWhichAndWhy) {
  TempFolder home;
  home.Write("file", "");
  const std::string locked = home.path() + "/locked";
  fs::create_directory(locked);
  Unwritable unwritable(locked);
  if (!unwritable.Held()) GTEST_SKIP() << "the file system cannot keep root from writing";
  const std::string installed = "../../share/ondulix";
  const struct {
    const char* what;
    std::string shippedData, userFolder, named, refusal, reason, advice;
  } cases[] = {
      {"installed, an existing folder read-only", installed, locked, locked,
       "cannot write to its data folder", Unwritable::Reason(), "you own that folder"},
      {"installed, a file in the way", installed, home.path() + "/file/Ondulix",
       home.path() + "/file/Ondulix", "cannot make its data folder", "Not a directory",
       "nothing else stands in its place"},
      {"installed, no home", installed, "", "", "finds no folder of yours", "HOME names none",
       "Set HOME to your home folder"},
      {"not installed, the program's folder read-only", "", home.path() + "/Ondulix", locked,
       "cannot write to its data folder", Unwritable::Reason(), "you own that folder"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ScriptedDialogs dialogs;
    EXPECT_EQ(ReadyDataFolder(DataPlaces{locked, c.shippedData, c.userFolder}, dialogs),
              std::nullopt);
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    const ScriptedDialogs::Box& box = dialogs.boxes[0];
    EXPECT_EQ(box.title, "Error");
    EXPECT_EQ(box.icon, Icon::Exclamation);
    const std::string named = c.named.empty() ? "" : "\n\n" + c.named + "\n\n";
    for (const std::string& part : {c.refusal, named, c.reason, c.advice}) {
      EXPECT_NE(box.text.find(part), std::string::npos) << part << " in " << box.text;
    }
  }
  EXPECT_EQ(fs::directory_iterator(locked), fs::directory_iterator());
  EXPECT_FALSE(fs::exists(home.path() + "/Ondulix"));
}

// Run from the build tree or a folder of the user's, the program's folder holds the data and
// nothing is made in the user's home.
TEST(DataFolder, NotInstalledTheProgramsFolderIsTheDataFolder) {
  TempFolder program, home;
  program.AddShippedData(true);
  ScriptedDialogs dialogs;
  EXPECT_EQ(ReadyDataFolder(DataPlaces{program.path(), "", home.path() + "/Ondulix"}, dialogs),
            program.path());
  EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{});
  EXPECT_EQ(fs::directory_iterator(home.path()), fs::directory_iterator());
}

}  // namespace
