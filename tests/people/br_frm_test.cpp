#include "people/br_frm.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "support/manager_world.h"

using testing::ElementsAre;

namespace {

class BrFrm : public testing::Test, protected ManagerWorld {
 protected:
  void SetUp() override {
    WriteDatabase("PERSONAL.BDB", {{"BAKER LUCY", "03/14/1961"}});
    Open();
  }
};

TEST_F(BrFrm, ShowsTheEntryOfThePersonToModify) {
  manager().Contents.SetListIndex(0);
  manager().DbModify.Click();
  BR_FRM& frm = dialog();
  EXPECT_EQ(frm.Caption(), "Individual Details");
  EXPECT_EQ(frm.tb_name.Text(), "BAKER LUCY");
  EXPECT_EQ(frm.tb_dob.Text(), "03/14/1961");
  EXPECT_FALSE(g.EntryAccepted);
  EXPECT_EQ(frm.tb_name.Buddy, &frm.Label2);
  EXPECT_EQ(frm.tb_dob.Buddy, &frm.Label3);
  EXPECT_EQ(frm.Command1.Caption(), "&OK");
  EXPECT_TRUE(frm.cb_close.Cancel);
  EXPECT_FALSE(frm.Command1.Cancel);
}

TEST_F(BrFrm, RefusedInputKeepsTheDialogOpen) {
  const struct {
    const char* name;
    const char* dob;
    const char* message;
  } cases[] = {
      {"", "01/01/2000", "Name must be filled in."},
      {"\xC3\xA5\xC3\xA4\xC3\xB6", "01/01/2000",
       "Name must hold at least one plain letter (A to Z), digit or sign."},
      {"{|}", "01/01/2000", "Name must hold at least one plain letter (A to Z), digit or sign."},
      {"   ", "01/01/2000", "Name must hold at least one plain letter (A to Z), digit or sign."},
      {",,", "01/01/2000", "Name must hold at least one plain letter (A to Z), digit or sign."},
      {"joe", "06/16/2005", "Invalid date of birth : joe(06/16/2005) !"},
      {"joe", "someday", "Invalid date of birth : joe(someday) !"},
  };
  manager().DbAdd.Click();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Enter(c.name, c.dob);
    ASSERT_TRUE(g.BR_FRM.Loaded());
    EXPECT_EQ(dialogs.boxes.back().text, c.message);
    EXPECT_EQ(dialogs.boxes.back().title, "Error");
    EXPECT_EQ(dialog().tb_name.Text(), c.name);
    EXPECT_EQ(dialog().tb_dob.Text(), c.dob);
    EXPECT_FALSE(manager().Enabled());
  }
  dialog().cb_close.Click();
  EXPECT_EQ(g.ManagerDatabase.Count, 1);
}

TEST_F(BrFrm, AcceptedInputIsStoredCleanedAndReformatted) {
  const struct {
    const char* name;
    const char* dob;
    const char* stored;
    const char* storedDob;
  } cases[] = {
      {"???", "06/15/2005", "???", "06/15/2005"},  // born today
      {"  Lee  ", "3/4/1961", "LEE", "03/04/1961"},
      {"Ånge Öst", "12/31/1999", "NGE ST", "12/31/1999"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Add(c.name, c.dob);
    EXPECT_FALSE(g.BR_FRM.Loaded());
    EXPECT_TRUE(manager().Enabled());
    EXPECT_EQ(g.ManagerDatabase.Persons.back().Name, c.stored);
    EXPECT_EQ(g.ManagerDatabase.Persons.back().Dob, c.storedDob);
  }
  EXPECT_EQ(g.ManagerDatabase.Count, 4);
}

TEST_F(BrFrm, EveryOtherWayOutChangesNothing) {
  for (const bool closeControl : {false, true}) {
    SCOPED_TRACE(closeControl ? "close control" : "Cancel");
    manager().Contents.SetListIndex(0);
    manager().DbModify.Click();
    dialog().tb_name.SetText("SOMEONE ELSE");
    dialog().tb_dob.SetText("01/01/2001");
    if (closeControl) {
      dialog().Unload();
    } else {
      dialog().cb_close.Click();
    }
    EXPECT_FALSE(g.BR_FRM.Loaded());
    EXPECT_TRUE(manager().Enabled());
    EXPECT_FALSE(g.EntryAccepted);
    EXPECT_THAT(ListedNames(), ElementsAre("BAKER LUCY"));
    EXPECT_FALSE(manager().DbSave.Visible());
  }
}

}  // namespace
