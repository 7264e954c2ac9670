#include "app/br_cp.h"

#include <algorithm>

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include "app/br_about.h"
#include "charts/br_grp.h"
#include "charts/br_ind.h"
#include "people/br_db.h"
#include "people/database_file.h"
#include "support/world.h"

namespace {

struct Panel : World {
  Panel() : World(true, true) { panel.Open(g); }
  auto Loaded(const std::string& name) const {
    return std::ranges::count(desktop.LoadedForms(), name, &Form::Name);
  }
};

TEST(MainPanel, StartsWithTheAboutWindowAndOpensEachKindOfWindowOnce) {
  Panel world;
  EXPECT_EQ(world.desktop.shown, (std::vector<std::string>{"BR_ABOUT", "br_cp"}));
  const GLOBAL& g = world.g;
  EXPECT_EQ(g.EventDate + " " + g.ManagerTeam.FileName + " " + g.IndividualDatabase.FileName,
            "06/15/2005 PERSONAL.BTM PERSONAL.BDB");
  EXPECT_EQ(world.panel->BR_ABOUT->Label3.Caption(),
            "Your databases and teams are kept as plain text in " + world.folder.path() + ".");
  world.panel->BR_ABOUT->Command1.Click();
  EXPECT_FALSE(world.panel->BR_ABOUT.Loaded());

  // Each kind of window opens once: a second press brings the open window forward; the
  // comparison keeps the league it opened with until it is closed.
  world.panel->Command6.Click();
  const br_grp* comparison = world.panel->br_grp.get();
  for (Button* button : {&world.panel->Command1, &world.panel->Command2, &world.panel->Command3,
                         &world.panel->Command4, &world.panel->Command6, &world.panel->Command7}) {
    button->Click();
    button->Click();
  }
  for (const char* name : {"br_cp", "BR_ABOUT", "br_ind", "BR_TM", "BR_DB", "br_grp"}) {
    EXPECT_EQ(world.Loaded(name), 1) << name;
  }
  EXPECT_EQ(world.panel->br_grp.get(), comparison);
  EXPECT_EQ(world.g.LeaguePreset, "NBA");
  EXPECT_EQ(world.desktop.shown.back(), "br_grp");
  world.panel->br_grp->Unload();
  world.panel->Command7.Click();
  EXPECT_TRUE(world.panel->br_grp.Loaded());
}

// On a screen smaller than itself the panel stands at its top left corner; without its tables
// the program ends with no window, once the table loader has said why.
TEST(MainPanel, NeverPlacesItselfOffTheScreenAndEndsWhenATableCannotBeRead) {
  World small, broken;
  small.desktop.screenWidth = 9000;
  small.desktop.screenHeight = 6900;
  small.panel.Open(small.g);
  EXPECT_EQ(small.panel->Top, 0);
  EXPECT_EQ(small.panel->Left, 0);
  broken.folder.Remove("BR_INT.SCA");
  broken.panel.Open(broken.g);
  EXPECT_TRUE(broken.desktop.Ended());
  EXPECT_TRUE(broken.desktop.shown.empty());
}

// A window goes with the window that opened it, so that opening that one again starts afresh
// and closing the panel leaves nothing behind.
TEST(MainPanel, AWindowClosesWithTheWindowThatOpenedIt) {
  Panel world;
  const auto open = [&world] {
    world.panel->Command3.Click();
    world.panel->BR_DB->DbAdd.Click();
    br_ind& individual = world.OpenIndividual();
    individual.Contents.SetListIndex(0);
    individual.cb_Graph.Click();
    world.OpenComparison("HARBOR OFF.BTM", "SUMMIT DEF.BTM").cb_Outlook.Click();
  };
  open();
  const std::pair<Form*, const char*> children[] = {{world.panel->BR_DB.get(), "BR_FRM"},
                                                    {world.panel->br_ind.get(), "br_curve"},
                                                    {world.panel->br_grp.get(), "br_outlook"}};
  for (const auto& [parent, child] : children) {
    ASSERT_EQ(world.Loaded(child), 1) << child;
    ASSERT_TRUE(parent->Unload()) << child;
    EXPECT_EQ(world.Loaded(child), 0) << child;
  }
  open();
  for (const auto& child : children) EXPECT_EQ(world.Loaded(child.second), 1) << child.second;
  // Closing the panel unloads every window and ends the program, also when the changes are let go.
  AddPerson("NEW PERSON", "01/01/1990", world.g.ManagerDatabase);
  world.dialogs.answers = {Answer::Cancel};
  world.panel->Unload();
  EXPECT_TRUE(world.desktop.LoadedForms().empty());
  const ScriptedDialogs::Box asked{"Database PERSONAL.BDB modified ! Save changes ?", Buttons::OKCancel,
                                   Icon::None, "Confirm"};
  EXPECT_EQ(world.dialogs.boxes, std::vector{asked});
  EXPECT_TRUE(world.desktop.Ended());
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
  world.panel.Open(world.g);
  std::vector<std::string> hidden = world.folder.Names();
  std::erase_if(hidden, [](const std::string& name) { return name.front() != '.'; });
  EXPECT_EQ(hidden, kept);
}

}  // namespace
