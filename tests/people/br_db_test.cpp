// The database manager and its details dialog, driven as a user would through their controls.
#include "people/br_db.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "app/br_cp.h"
#include "people/br_frm.h"
#include "support/world.h"

using testing::ElementsAre;
using testing::StartsWith;

namespace {

class BrDb : public testing::Test, public World {
 public:
  // PERSONAL.BDB on disk; the manager opened from the panel.
  void SetUp() override {
    folder.Write("PERSONAL.BDB", "BAKER LUCY\r\n03/14/1961\r\nADAMS JOE\r\n07/04/1970\r\n");
    panel.Open(g);
    panel->Command3.Click();
  }
  BR_DB& db() const { return *panel->BR_DB.get(); }
  BR_FRM& frm() const { return *db().BR_FRM.get(); }

  void Enter(const std::string& name, const std::string& dob) {
    frm().tb_name.SetText(name);
    frm().tb_dob.SetText(dob);
    frm().Command1.Click();
  }
  void Add(const std::string& name, const std::string& dob = "01/01/2000") {
    db().DbAdd.Click();
    Enter(name, dob);
  }
  void Pick(const std::string& name) { ASSERT_TRUE(PickRow(db().Contents, name)) << name; }
};

// The persons listed sorted; Modify and Delete act on the person of the row.
TEST_F(BrDb, ModifyAndDeleteActOnThePersonOfTheRow) {
  EXPECT_EQ(db().DbList.Text(), "PERSONAL.BDB");
  EXPECT_EQ(db().Contents.List(0), "ADAMS JOE               07/04/1970");
  EXPECT_FALSE(db().DbSave.Visible());
  Pick("ADAMS JOE");  // the first row shows the second person
  db().DbModify.Click();
  EXPECT_FALSE(db().Enabled());
  EXPECT_EQ(frm().tb_name.Text() + " " + frm().tb_dob.Text(), "ADAMS JOE 07/04/1970");
  Enter("adams jim albert yorke", "6/15/2005");  // born today
  EXPECT_TRUE(db().Enabled());
  const Person& changed = g.ManagerDatabase.Persons[1];
  EXPECT_EQ(changed.Name + " " + changed.Dob, "ADAMS JIM ALBERT YORKE 06/15/2005");
  EXPECT_EQ(db().Contents.List(0), "ADAMS JIM ALBERT YORK   06/15/2005");  // the name cut to fit
  EXPECT_TRUE(db().DbSave.Visible());

  Pick("ADAMS JIM");
  db().DbDelete.Click();
  EXPECT_THAT(dialogs.Questions(), ElementsAre("Are you sure you want to delete  ADAMS JIM ALBERT YORKE ? "));
  EXPECT_THAT(Rows(db().Contents), ElementsAre(StartsWith("BAKER LUCY ")));
  db().DbSave.Click();
  EXPECT_EQ(folder.Read("PERSONAL.BDB"), "BAKER LUCY\r\n03/14/1961\r\n");
  EXPECT_FALSE(db().DbSave.Visible());
}

// A file read only in part (here its end is broken; more persons than a database holds do the
// same) is never saved away unasked. Export writes the database as the manager shows it, unsaved
// changes too, in its own order, and a date of birth that is no date as kept.
TEST_F(BrDb, AFileReadOnlyInPartIsNotCutDownUnaskedAndIsExportedAsShown) {
  const std::string broken = "BAKER, LUCY\r\nADAMS JOE\r\n7/4/1990\r\nCOLE RAY\r\n";
  folder.Write("BROKEN.BDB", broken);
  db().RefreshForm();
  db().DbList.SetText("BROKEN.BDB");
  EXPECT_EQ(dialogs.Last(), "Error loading database : " + folder.path() + "/BROKEN.BDB");
  Add("NEW ANN", "2/9/2005");
  dialogs.files = {folder.path() + "/odd people.csv"};
  db().DbExport.Click();
  ASSERT_EQ(dialogs.fileQuestions.size(), 1u);
  EXPECT_EQ(dialogs.fileQuestions[0].title + ": " + dialogs.fileQuestions[0].suggestedName,
            "Export Database: BROKEN.csv");
  EXPECT_EQ(folder.Read("odd people.csv"),
            "Name,Date of birth\r\nBAKER,LUCY\r\nADAMS JOE,1990-07-04\r\nNEW ANN,2005-02-09\r\n");
  dialogs.answers = {Answer::Cancel};
  db().DbSave.Click();
  EXPECT_THAT(dialogs.Questions(), ElementsAre("Database BROKEN.BDB could not be read whole ! Saving "
                                               "keeps only the 3 persons shown. Save anyway ?"));
  EXPECT_EQ(folder.Read("BROKEN.BDB"), broken);
  EXPECT_TRUE(db().DbSave.Visible());
  dialogs.inputs = {"copy"};
  db().DbSaveAs.Click();
  EXPECT_EQ(folder.Read("COPY.BDB"), "BAKER\r\nLUCY\r\nADAMS JOE\r\n07/04/1990\r\nNEW ANN\r\n02/09/2005\r\n");
  EXPECT_EQ(folder.Read("BROKEN.BDB"), broken);
  db().DbList.SetText("BROKEN.BDB");
  Add("AGREED");
  db().DbSave.Click();  // OK: the user agrees
  EXPECT_EQ(folder.Read("BROKEN.BDB"),
            "BAKER\r\nLUCY\r\nADAMS JOE\r\n07/04/1990\r\nAGREED\r\n01/01/2000\r\n");
}

// The details dialog stays open on what it cannot keep, and closed or cancelled keeps nothing;
// a full database opens no dialog.
TEST_F(BrDb, DetailsDialogRefusesWhatCannotBeKeptAndAFullDatabaseOpensNone) {
  const struct {
    const char* name;
    const char* dob;
    std::string message;
  } cases[] = {
      {"", "01/01/2000", "Name must be filled in."},
      {"{|}", "01/01/2000", "Name must hold at least one plain letter (A to Z), digit or sign."},
      {"joe", "06/16/2005", "Invalid date of birth : joe(06/16/2005) !"},
  };
  db().DbAdd.Click();
  for (const auto& c : cases) {
    Enter(c.name, c.dob);
    ASSERT_TRUE(db().BR_FRM.Loaded()) << c.name;
    EXPECT_EQ(dialogs.boxes.back().title + ": " + dialogs.Last(), "Error: " + c.message);
    EXPECT_EQ(frm().tb_dob.Text(), c.dob);
    EXPECT_FALSE(db().Enabled());
  }
  frm().Unload();  // the window's close box
  // Cancel on a person changed keeps nothing either.
  Pick("BAKER LUCY");
  db().DbModify.Click();
  frm().tb_name.SetText("SOMEONE ELSE");
  frm().cb_close.Click();
  EXPECT_TRUE(db().Enabled());
  EXPECT_THAT(Rows(db().Contents), ElementsAre(StartsWith("ADAMS JOE "), StartsWith("BAKER LUCY ")));
  EXPECT_FALSE(db().DbSave.Visible());

  g.ManagerDatabase.Persons.resize(32767);
  g.ManagerDatabase.Count = 32767;
  db().DbAdd.Click();
  EXPECT_EQ(dialogs.Last(), "Database full : Database size cannot exceed 32767.");
  EXPECT_FALSE(db().BR_FRM.Loaded());
  EXPECT_TRUE(db().Enabled());
}

}  // namespace
