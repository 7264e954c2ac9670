#include "core/br_cp.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "charts/br_grp.h"
#include "core/br_about.h"
#include "people/br_db.h"
#include "people/database_file.h"
#include "support/world.h"

namespace {

struct Panel : World {
  Panel() : World(true, true) { g.br_cp.Open(g); }
  br_cp& panel() { return *g.br_cp.get(); }
  int Loaded(const std::string& name) const {
    int count = 0;
    for (const Form* form : desktop.LoadedForms()) count += form->Name() == name;
    return count;
  }
};

TEST(MainPanel, StartsWithTheAboutWindowTellingWhereTheDataAre) {
  Panel world;
  EXPECT_EQ(world.desktop.shown, (std::vector<std::string>{"BR_ABOUT", "br_cp"}));
  EXPECT_EQ(world.g.EventDate, "06/15/2005");
  EXPECT_EQ(world.g.ManagerTeam.FileName, "PERSONAL.BTM");
  EXPECT_EQ(world.g.IndividualDatabase.FileName, "PERSONAL.BDB");
  EXPECT_EQ(world.g.BR_ABOUT->Label3.Caption(),
            "Your databases and teams are kept as plain text in " + world.folder.path() + ".");
  world.g.BR_ABOUT->Command1.Click();
  EXPECT_FALSE(world.g.BR_ABOUT.Loaded());
  EXPECT_TRUE(world.g.br_cp.Loaded());
}

TEST(MainPanel, NeverPlacesItselfOffTheScreen) {
  World world;
  world.desktop.screenWidth = 9000;
  world.desktop.screenHeight = 6900;
  world.g.br_cp.Open(world.g);
  EXPECT_EQ(world.g.br_cp->Top, 0);
  EXPECT_EQ(world.g.br_cp->Left, 0);
}

TEST(MainPanel, EndsWithNoWindowWhenATableCannotBeRead) {
  World world;
  world.folder.Remove("BR_INT.SCA");
  world.g.br_cp.Open(world.g);
  EXPECT_TRUE(world.desktop.Ended());
  EXPECT_TRUE(world.desktop.shown.empty());
  EXPECT_EQ(world.dialogs.Texts(),
            std::vector<std::string>{"Cannot read data files! " + world.folder.path()});
}

// A second press brings the open window forward; the comparison keeps the league it opened
// with until it is closed.
TEST(MainPanel, OpensEachKindOfWindowOnce) {
  Panel world;
  world.panel().Command6.Click();
  const br_grp* comparison = world.g.br_grp.get();
  for (Button* button : {&world.panel().Command1, &world.panel().Command2, &world.panel().Command3,
                         &world.panel().Command4, &world.panel().Command6, &world.panel().Command7}) {
    button->Click();
    button->Click();
  }
  for (const char* name : {"br_cp", "BR_ABOUT", "br_ind", "BR_TM", "BR_DB", "br_grp"}) {
    EXPECT_EQ(world.Loaded(name), 1) << name;
  }
  EXPECT_EQ(world.g.br_grp.get(), comparison);
  EXPECT_EQ(world.g.LeaguePreset, "NBA");
  EXPECT_EQ(world.desktop.shown.back(), "br_grp");
  world.g.br_grp->Unload();
  world.panel().Command7.Click();
  EXPECT_TRUE(world.g.br_grp.Loaded());
}

TEST(MainPanel, ClosingUnloadsEveryWindowThenEndsWhateverTheAnswer) {
  for (const Answer answer : {Answer::OK, Answer::Cancel}) {
    Panel world;
    world.panel().Command3.Click();
    world.panel().Command1.Click();
    AddPerson("NEW PERSON", "01/01/1990", world.g.ManagerDatabase);
    world.dialogs.boxes.clear();
    world.dialogs.answers = {answer};
    world.panel().Unload();
    EXPECT_TRUE(world.desktop.LoadedForms().empty());
    EXPECT_EQ(world.desktop.unloaded,
              (std::vector<std::string>{"BR_ABOUT", "BR_DB", "br_ind", "br_cp"}));
    EXPECT_EQ(world.dialogs.boxes.size(), 1u);
    EXPECT_TRUE(world.desktop.Ended());
  }
}

// The hidden files of the folder, by name.
std::vector<std::string> Hidden(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    const std::string name = entry.path().filename().string();
    if (name.front() == '.') names.push_back(name);
  }
  std::sort(names.begin(), names.end());
  return names;
}

// A save cut short (its program killed, the machine stopped) leaves its temporary file, which
// the next start removes; the temporaries of saves still running, in this copy of the program
// or another, and the user's own hidden files stay.
TEST(MainPanel, StartUpRemovesWhatKilledSavesLeft) {
  World world;
  const pid_t killed = fork();
  ASSERT_GE(killed, 0);
  if (killed == 0) _exit(0);
  waitpid(killed, nullptr, 0);
  world.folder.Write(".ondulix-" + std::to_string(killed) + "-0.tmp", "half a save");
  const std::vector<std::string> kept{".notes.tmp", ".ondulix-1-0.tmp",
                                      ".ondulix-" + std::to_string(getpid()) + "-0.tmp"};
  for (const std::string& name : kept) world.folder.Write(name, "");
  world.g.br_cp.Open(world.g);
  EXPECT_EQ(Hidden(world.folder.path()), kept);
}

}  // namespace
