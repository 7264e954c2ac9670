#include "core/br_cp.h"

#include <gtest/gtest.h>

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

TEST(MainPanel, StartsCentredAboveTheMiddleWithTheAboutWindow) {
  Panel world;
  EXPECT_EQ(world.panel().Top, 2250);
  EXPECT_EQ(world.panel().Left, 2880);
  EXPECT_EQ(world.desktop.shown, (std::vector<std::string>{"BR_ABOUT", "br_cp"}));
  EXPECT_EQ(world.g.EventDate, "06/15/2005");
  EXPECT_EQ(world.g.ManagerTeam.FileName, "PERSONAL.BTM");
  EXPECT_EQ(world.g.IndividualDatabase.FileName, "PERSONAL.BDB");
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

TEST(MainPanel, OpensEachKindOfWindowOnce) {
  Panel world;
  for (Button* button : {&world.panel().Command1, &world.panel().Command2, &world.panel().Command3,
                         &world.panel().Command4, &world.panel().Command6, &world.panel().Command7}) {
    button->Click();
    button->Click();
  }
  for (const char* name : {"br_cp", "BR_ABOUT", "br_ind", "BR_TM", "BR_DB", "br_grp"}) {
    EXPECT_EQ(world.Loaded(name), 1) << name;
  }
}

TEST(MainPanel, TheOpenComparisonKeepsItsLeague) {
  Panel world;
  world.panel().Command6.Click();
  const br_grp* first = world.g.br_grp.get();
  world.panel().Command7.Click();
  EXPECT_EQ(world.g.LeaguePreset, "NBA");
  EXPECT_EQ(world.g.br_grp.get(), first);
  EXPECT_EQ(world.desktop.shown.back(), "br_grp");
  world.g.br_grp->Unload();
  world.panel().Command7.Click();
  EXPECT_NE(world.g.br_grp.get(), nullptr);
  EXPECT_TRUE(world.g.br_grp.Loaded());
}

TEST(MainPanel, AboutOKUnloadsOnlyTheAboutWindow) {
  Panel world;
  world.g.BR_ABOUT->Command1.Click();
  EXPECT_FALSE(world.g.BR_ABOUT.Loaded());
  EXPECT_TRUE(world.g.br_cp.Loaded());
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
    ASSERT_EQ(world.dialogs.boxes.size(), 1u);
    EXPECT_EQ(world.dialogs.boxes[0].title, "Confirm");
    EXPECT_TRUE(world.desktop.Ended());
  }
}

}  // namespace
