#include "core/data_folder.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <tuple>

#include "platform/files.h"
#include "support/doubles.h"
#include "support/test_data.h"

namespace fs = std::filesystem;

namespace {

TEST(DataFolder, TheUserFolderFollowsXdgDataHomeElseHome) {
  // $XDG_DATA_HOME and $HOME (null: unset), and the folder they give.
  const std::tuple<const char*, const char*, std::string> cases[] = {
      {"/data/me", "/home/me", "/data/me/Ondulix"},
      {nullptr, "/home/me", "/home/me/.local/share/Ondulix"},
      {"relative/data", "/home/me", "/home/me/.local/share/Ondulix"},
      {"", "relative", ""},
  };
  for (const auto& [xdgDataHome, home, expected] : cases) {
    EXPECT_EQ(UserDataFolder(xdgDataHome, home), expected) << home;
  }
}

// Every file and folder under the folder with its time: what a start may not change. A file
// written or made anew gets a new time, and a folder that gains or loses a file too.
std::map<fs::path, fs::file_time_type> Snapshot(const std::string& folder) {
  std::map<fs::path, fs::file_time_type> times;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    times[entry.path()] = entry.last_write_time();
  }
  return times;
}

// The program installed under a prefix of the test's own, in the folders the package uses; the
// test may write anywhere in the prefix, as root may where the package lies. Root's data go
// where anyone's do all the same. Run from a folder of its own instead, the program keeps its
// data there and makes nothing in the home.
TEST(DataFolder, InstalledTheUserGetsAFolderOfTheirOwnWithTheSamplesOnceAndNewerTables) {
  TempFolder prefix, home;
  const std::string program = prefix.path() + "/lib/ondulix";
  const std::string shipped = prefix.path() + "/share/ondulix";
  const std::string user = home.path() + "/.local/share/Ondulix";
  fs::create_directories(program);
  fs::create_directories(shipped);
  fs::copy(ONDULIX_DATA, shipped);
  const auto lastYear = fs::file_time_type::clock::now() - std::chrono::hours(24 * 365);
  const auto lastMonth = fs::file_time_type::clock::now() - std::chrono::hours(24 * 30);
  fs::last_write_time(shipped + "/BR_PHY.SYM", lastMonth);
  const auto before = Snapshot(prefix.path());
  ScriptedDialogs dialogs;
  EXPECT_EQ(ReadyDataFolder(DataPlaces{shipped, "", user}, dialogs), shipped);
  EXPECT_EQ(fs::directory_iterator(home.path()), fs::directory_iterator());
  const auto start = [&] {
    return ReadyDataFolder(DataPlaces{program, "../../share/ondulix", user}, dialogs);
  };

  ASSERT_EQ(start(), user);
  EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{});
  EXPECT_EQ(fs::status(user).permissions(), fs::perms::owner_all);
  for (const std::string& name : files::List(shipped, "*")) {
    EXPECT_EQ(files::Read(user, name), files::Read(shipped, name)) << name;
  }

  // What the user saves or removes stays so, a table of the user's newer than the shipped one
  // too; an older table (stored in lower case, as another system wrote it) is refreshed, and a
  // missing one comes back. No sample comes back to a folder the user already has.
  files::Replace(user, "PERSONAL.BDB", "MINE\r\n01/02/1980\r\n");
  files::Remove(user, "COMETS.BTM");
  files::Remove(user, "LEAGUE.BDB");
  files::Remove(user, "biodesc.ini");
  files::Replace(user, "BR_EMO.SYM", "the user's own table");
  files::Replace(user, "br_phy.sym", "old table");
  fs::last_write_time(user + "/br_phy.sym", lastYear);
  ASSERT_EQ(start(), user);
  EXPECT_EQ(files::Read(user, "PERSONAL.BDB"), "MINE\r\n01/02/1980\r\n");
  EXPECT_EQ(files::Read(user, "BR_EMO.SYM"), "the user's own table");
  EXPECT_EQ(files::Read(user, "BR_PHY.SYM"), files::Read(shipped, "BR_PHY.SYM"));
  EXPECT_EQ(files::Read(user, "biodesc.ini"), files::Read(shipped, "biodesc.ini"));
  std::vector<std::string> kept = files::List(user, "*.B??");
  std::sort(kept.begin(), kept.end());
  EXPECT_EQ(kept, (std::vector<std::string>{"HARBOR OFF.BTM", "PERSONAL.BDB", "RIVER KINGS.BTM",
                                            "SUMMIT DEF.BTM"}));
  EXPECT_EQ(Snapshot(prefix.path()), before);

  // A later release brings a newer table, though older than the copy the user already has.
  files::Replace(shipped, "BR_PHY.SYM", "newer table");
  fs::last_write_time(shipped + "/BR_PHY.SYM", lastMonth + std::chrono::hours(1));
  start();
  EXPECT_EQ(files::Read(user, "BR_PHY.SYM"), "newer table");
}

// Makes the folder writable again however the test ends, so that it can be removed.
struct Unlock {
  ~Unlock() {
    const std::string command = "chattr -i '" + folder + "' 2>/dev/null; chmod 700 '" + folder + "'";
    EXPECT_EQ(std::system(command.c_str()), 0);
  }
  std::string folder;
};

// Which folder, the system's reason and what to do, before any window; nothing is made.
TEST(DataFolder, AFolderThatCannotBeMadeOrWrittenIsRefusedSayingWhichAndWhy) {
  TempFolder home;
  home.Write("file", "");
  const std::string locked = home.path() + "/locked", inFile = home.path() + "/file/Ondulix";
  fs::create_directory(locked);
  fs::permissions(locked, fs::perms::owner_read | fs::perms::owner_exec);
  const Unlock unlock{locked};
  // Modes do not stop root: the folder is made immutable, where the file system allows it.
  if (geteuid() == 0 && std::system(("chattr +i '" + locked + "' 2>/dev/null").c_str()) != 0) {
    GTEST_SKIP() << "the file system cannot keep root from writing";
  }
  const std::string installed = "../../share/ondulix";
  const std::string denied = geteuid() == 0 ? "Operation not permitted" : "Permission denied";
  const struct {
    std::string shippedData, userFolder, named, refusal, reason, advice;
  } cases[] = {
      {installed, locked, locked, "cannot write to its data folder", denied, "you own that folder"},
      {installed, inFile, inFile, "cannot make its data folder", "Not a directory",
       "nothing else stands in its place"},
      {installed, "", "", "finds no folder of yours", "HOME names none", "Set HOME to your home folder"},
      // Not installed: the program's folder is the one refused.
      {"", home.path() + "/Ondulix", locked, "cannot write to its data folder", denied,
       "you own that folder"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.shippedData + " " + c.userFolder);
    ScriptedDialogs dialogs;
    EXPECT_EQ(ReadyDataFolder(DataPlaces{locked, c.shippedData, c.userFolder}, dialogs),
              std::nullopt);
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    const std::string& text = dialogs.boxes[0].text;
    EXPECT_EQ(dialogs.boxes[0], (ScriptedDialogs::Box{text, Buttons::OK, Icon::Exclamation, "Error"}));
    const std::string named = c.named.empty() ? "" : "\n\n" + c.named + "\n\n";
    for (const std::string& part : {c.refusal, named, c.reason, c.advice}) {
      EXPECT_NE(text.find(part), std::string::npos) << part << " in " << text;
    }
  }
  EXPECT_EQ(fs::directory_iterator(locked), fs::directory_iterator());
  EXPECT_FALSE(fs::exists(home.path() + "/Ondulix"));
}

}  // namespace
