#include "people/br_db.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "core/br_cp.h"
#include "support/manager_world.h"

using testing::ElementsAre;
using testing::IsEmpty;

namespace {

const People Personal{{"BAKER LUCY", "03/14/1961"}, {"ADAMS JOE", "07/04/1970"}};
const People Smith{{"ZED ANN", "01/02/1950"}, {"COLE MAX", "05/06/1980"}};

class BrDb : public testing::Test, protected ManagerWorld {
 protected:
  void SetUp() override {
    WriteDatabase("PERSONAL.BDB", Personal);
    WriteDatabase("SMITH.BDB", Smith);
  }
  // Opens the manager on SMITH.BDB.
  BR_DB& OpenSmith() {
    BR_DB& db = Open();
    db.DbList.SetText("SMITH.BDB");
    return db;
  }
  std::string LastBox() const { return dialogs.boxes.empty() ? "" : dialogs.boxes.back().text; }
};

TEST_F(BrDb, OpensOnThePersonalDatabaseListingEveryDatabaseSorted) {
  WriteDatabase("ALPHA.BDB", {});
  folder.Write("NOTES.TXT", "");
  BR_DB& db = Open();

  EXPECT_EQ(db.Caption(), "Database");
  ASSERT_EQ(db.DbList.ListCount(), 3);
  EXPECT_EQ(db.DbList.List(0), "ALPHA.BDB");
  EXPECT_EQ(db.DbList.Text(), "PERSONAL.BDB");
  EXPECT_THAT(ListedNames(), ElementsAre("ADAMS JOE", "BAKER LUCY"));
  EXPECT_EQ(db.Contents.List(0), "ADAMS JOE               07/04/1970");
  EXPECT_EQ(db.Contents.TextFont.Name, "Courier New");
  EXPECT_FALSE(db.DbSave.Visible());
  EXPECT_TRUE(db.DbClose.Cancel);
  EXPECT_EQ(db.DbNew.Caption(), "&New ");
  EXPECT_EQ(db.DbAdd.BackColor->Blue, 255);
  EXPECT_THAT(dialogs.boxes, IsEmpty());
}

TEST_F(BrDb, AddingGoesThroughTheDialogWithTheManagerDisabled) {
  BR_DB& db = Open();
  db.DbAdd.Click();
  ASSERT_TRUE(g.BR_FRM.Loaded());
  EXPECT_EQ(dialog().tb_name.Text(), "");
  EXPECT_FALSE(db.Enabled());

  Enter("o'Brien, Pat", "3/4/1961");
  EXPECT_TRUE(db.Enabled());
  EXPECT_FALSE(g.BR_FRM.Loaded());
  EXPECT_THAT(ListedNames(), ElementsAre("ADAMS JOE", "BAKER LUCY", "O'BRIEN PAT"));
  EXPECT_EQ(g.ManagerDatabase.Persons.back().Dob, "03/04/1961");
  EXPECT_TRUE(db.DbSave.Visible());
  EXPECT_TRUE(g.ManagerDatabase.Modified);

  db.DbSave.Click();
  EXPECT_THAT(SavedNames("PERSONAL.BDB"), ElementsAre("BAKER LUCY", "ADAMS JOE", "O'BRIEN PAT"));
  EXPECT_FALSE(db.DbSave.Visible());
  EXPECT_FALSE(g.ManagerDatabase.Modified);
}

TEST_F(BrDb, ModifyChangesThePersonOfTheSelectedRowOnly) {
  BR_DB& db = Open();
  Pick("ADAMS JOE");  // the first row shows the second person
  db.DbModify.Click();
  EXPECT_EQ(dialog().tb_name.Text(), "ADAMS JOE");
  EXPECT_EQ(dialog().tb_dob.Text(), "07/04/1970");
  Enter("adams jim", "7/5/1970");

  ASSERT_EQ(g.ManagerDatabase.Count, 2);
  EXPECT_EQ(g.ManagerDatabase.Persons[0].Name, "BAKER LUCY");
  EXPECT_EQ(g.ManagerDatabase.Persons[1].Name, "ADAMS JIM");
  EXPECT_EQ(g.ManagerDatabase.Persons[1].Dob, "07/05/1970");
  EXPECT_TRUE(db.DbSave.Visible());
}

TEST_F(BrDb, DeleteAsksAndRemovesThePersonOfTheSelectedRow) {
  BR_DB& db = Open();
  db.DbDelete.Click();  // no row selected
  Pick("ADAMS JOE");
  dialogs.answers = {Answer::Cancel};
  db.DbDelete.Click();
  EXPECT_EQ(g.ManagerDatabase.Count, 2);

  Pick("ADAMS JOE");
  db.DbDelete.Click();
  EXPECT_THAT(Questions(), ElementsAre("Are you sure you want to delete  ADAMS JOE ? ",
                                       "Are you sure you want to delete  ADAMS JOE ? "));
  EXPECT_THAT(ListedNames(), ElementsAre("BAKER LUCY"));
  EXPECT_EQ(db.Contents.ItemData(0), 1);
  EXPECT_TRUE(db.DbSave.Visible());

  Pick("BAKER LUCY");
  db.DbDelete.Click();
  EXPECT_EQ(g.ManagerDatabase.Count, 0);
  db.DbSave.Click();
  EXPECT_EQ(folder.Read("PERSONAL.BDB"), "");
}

TEST_F(BrDb, PickingAnotherDatabaseOffersToSaveTheChangedOne) {
  for (const Answer answer : {Answer::OK, Answer::Cancel}) {
    SCOPED_TRACE(answer == Answer::OK ? "OK" : "Cancel");
    WriteDatabase("PERSONAL.BDB", Personal);
    g.ManagerDatabase.FileName = "PERSONAL.BDB";
    dialogs.boxes.clear();
    BR_DB& db = Open();
    Add("NEW PERSON", "01/01/2000");
    dialogs.answers = {answer};
    db.DbList.SetText("SMITH.BDB");

    EXPECT_THAT(Questions(), ElementsAre("Database PERSONAL.BDB modified ! Save changes ?"));
    EXPECT_EQ(SavedNames("PERSONAL.BDB").size(), answer == Answer::OK ? 3u : 2u);
    EXPECT_THAT(ListedNames(), ElementsAre("COLE MAX", "ZED ANN"));
    EXPECT_FALSE(db.DbSave.Visible());
    db.DbClose.Click();
  }
}

TEST_F(BrDb, NewCreatesAnEmptyDatabaseAndOpensIt) {
  BR_DB& db = OpenSmith();
  Add("NEW PERSON", "01/01/2000");
  dialogs.inputs = {"fresh"};
  db.DbNew.Click();

  EXPECT_THAT(Questions(), ElementsAre("Database SMITH.BDB modified ! Save changes ?"));
  ASSERT_EQ(dialogs.prompts.size(), 1u);
  EXPECT_EQ(dialogs.prompts[0].text, "Enter then name of the database to create.");
  EXPECT_EQ(dialogs.prompts[0].title, "New Database");
  EXPECT_THAT(SavedNames("SMITH.BDB"), ElementsAre("ZED ANN", "COLE MAX", "NEW PERSON"));
  EXPECT_EQ(folder.Read("FRESH.BDB"), "");
  EXPECT_EQ(db.DbList.Text(), "FRESH.BDB");
  EXPECT_THAT(ListedNames(), IsEmpty());
  EXPECT_FALSE(db.DbSave.Visible());
}

TEST_F(BrDb, NewOverAnExistingDatabaseAsksFirst) {
  BR_DB& db = Open();
  dialogs.inputs = {"smith", "Smith.bdb"};
  dialogs.answers = {Answer::Cancel, Answer::OK};
  db.DbNew.Click();
  EXPECT_THAT(SavedNames("SMITH.BDB"), ElementsAre("ZED ANN", "COLE MAX"));
  EXPECT_EQ(db.DbList.Text(), "PERSONAL.BDB");

  db.DbNew.Click();
  EXPECT_THAT(Questions(), ElementsAre("Database SMITH.BDB already exists ! Overwrite ?",
                                       "Database SMITH.BDB already exists ! Overwrite ?"));
  EXPECT_EQ(folder.Read("SMITH.BDB"), "");
  EXPECT_EQ(db.DbList.Text(), "SMITH.BDB");
}

TEST_F(BrDb, NewWithAnotherExtensionCreatesAFileTheListDoesNotShow) {
  BR_DB& db = Open();
  dialogs.inputs = {"x.txt"};
  db.DbNew.Click();
  EXPECT_EQ(folder.Read("X.TXT"), "");
  EXPECT_EQ(db.DbList.ListIndex(), -1);
  EXPECT_THAT(ListedNames(), IsEmpty());

  // Save keeps to the database shown, though the list shows none, and goes on showing it.
  for (const char* name : {"LONE PERSON", "SECOND PERSON"}) {
    Add(name, "02/02/2002");
    db.DbSave.Click();
    EXPECT_FALSE(db.DbSave.Visible());
  }
  EXPECT_THAT(SavedNames("X.TXT"), ElementsAre("LONE PERSON", "SECOND PERSON"));
  EXPECT_THAT(ListedNames(), ElementsAre("LONE PERSON", "SECOND PERSON"));
  EXPECT_FALSE(folder.Has(".BDB"));
  EXPECT_EQ(db.DbList.ListIndex(), -1);
}

TEST_F(BrDb, CancelledNamesEndNewAndSaveAs) {
  BR_DB& db = Open();
  db.DbNew.Click();
  db.DbSaveAs.Click();
  EXPECT_EQ(dialogs.prompts.size(), 2u);
  EXPECT_THAT(Questions(), IsEmpty());
  EXPECT_EQ(db.DbList.ListCount(), 2);
  EXPECT_EQ(db.DbList.Text(), "PERSONAL.BDB");
}

TEST_F(BrDb, NamesLeavingTheDataFolderAreRefused) {
  const std::string rule = " ! A database name may not hold /, \\ or ..";
  const struct {
    Button BR_DB::*command;
    const char* typed;
    std::string refusal;
  } cases[] = {
      {&BR_DB::DbNew, "../evil", "Cannot create database : ../EVIL" + rule},
      {&BR_DB::DbNew, "sub/dir", "Cannot create database : SUB/DIR.BDB" + rule},
      {&BR_DB::DbSaveAs, "back\\slash", "Cannot save database as : BACK\\SLASH.BDB" + rule},
      {&BR_DB::DbSaveAs, "tab\tname", "Cannot save database as : TAB\tNAME.BDB" + rule},
  };
  BR_DB& db = Open();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    dialogs.inputs = {c.typed};
    (db.*c.command).Click();
    ASSERT_FALSE(dialogs.boxes.empty());
    EXPECT_EQ(dialogs.boxes.back().text, c.refusal);
    EXPECT_EQ(dialogs.boxes.back().title, "Error");
    EXPECT_EQ(dialogs.boxes.back().icon, Icon::Exclamation);
    EXPECT_EQ(g.ManagerDatabase.FileName, "PERSONAL.BDB");
    EXPECT_EQ(db.DbList.ListCount(), 2);
  }
  EXPECT_THAT(Questions(), IsEmpty());
  EXPECT_THAT(SavedNames("PERSONAL.BDB"), ElementsAre("BAKER LUCY", "ADAMS JOE"));
}

TEST_F(BrDb, SaveAsWritesANewFileAndKeepsTheOldOne) {
  BR_DB& db = OpenSmith();
  Add("NEW PERSON", "01/01/2000");
  dialogs.inputs = {"copy"};
  db.DbSaveAs.Click();
  EXPECT_EQ(dialogs.prompts.at(0).text, "Save SMITH.BDB As");
  EXPECT_EQ(dialogs.prompts.at(0).title, "Save Database As");
  EXPECT_THAT(SavedNames("COPY.BDB"), ElementsAre("ZED ANN", "COLE MAX", "NEW PERSON"));
  EXPECT_THAT(SavedNames("SMITH.BDB"), ElementsAre("ZED ANN", "COLE MAX"));
  EXPECT_EQ(db.DbList.Text(), "COPY.BDB");
  EXPECT_FALSE(db.DbSave.Visible());

  dialogs.inputs = {"personal"};
  dialogs.answers = {Answer::Cancel};
  db.DbSaveAs.Click();
  EXPECT_THAT(Questions(), ElementsAre("Database PERSONAL.BDB already exists ! Overwrite ?"));
  EXPECT_THAT(SavedNames("PERSONAL.BDB"), ElementsAre("BAKER LUCY", "ADAMS JOE"));
  EXPECT_EQ(db.DbList.Text(), "COPY.BDB");
}

TEST_F(BrDb, AFailedSaveKeepsTheChangesForAnotherTry) {
  BR_DB& db = OpenSmith();
  Add("NEW PERSON", "01/01/2000");
  dialogs.inputs = {std::string(300, 'L')};  // longer than a file name may be
  db.DbSaveAs.Click();
  EXPECT_EQ(dialogs.boxes.back().title, "Database Error");
  EXPECT_EQ(g.ManagerDatabase.FileName, "SMITH.BDB");
  EXPECT_TRUE(g.ManagerDatabase.Modified);
  EXPECT_TRUE(db.DbSave.Visible());
  EXPECT_EQ(g.ManagerDatabase.Count, 3);

  db.DbSave.Click();
  EXPECT_THAT(SavedNames("SMITH.BDB"), ElementsAre("ZED ANN", "COLE MAX", "NEW PERSON"));
}

TEST_F(BrDb, RemoveDeletesTheDatabaseAndOpensThePersonalOne) {
  BR_DB& db = OpenSmith();
  dialogs.answers = {Answer::Cancel};
  db.DbRemove.Click();
  EXPECT_TRUE(folder.Has("SMITH.BDB"));

  db.DbRemove.Click();
  EXPECT_THAT(Questions(), ElementsAre("Delete database : SMITH.BDB ? ",
                                       "Delete database : SMITH.BDB ? "));
  EXPECT_FALSE(folder.Has("SMITH.BDB"));
  EXPECT_EQ(db.DbList.ListCount(), 1);
  EXPECT_EQ(db.DbList.Text(), "PERSONAL.BDB");
  EXPECT_THAT(ListedNames(), ElementsAre("ADAMS JOE", "BAKER LUCY"));
}

TEST_F(BrDb, RemovingAChangedDatabaseDropsItsChanges) {
  BR_DB& db = OpenSmith();
  Add("NEW PERSON", "01/01/2000");
  Pick("ZED ANN");
  db.DbDelete.Click();
  db.DbRemove.Click();

  EXPECT_THAT(Questions(), ElementsAre("Are you sure you want to delete  ZED ANN ? ",
                                       "Delete database : SMITH.BDB ? "));
  EXPECT_THAT(SavedNames("PERSONAL.BDB"), ElementsAre("BAKER LUCY", "ADAMS JOE"));
  EXPECT_THAT(ListedNames(), ElementsAre("ADAMS JOE", "BAKER LUCY"));
  EXPECT_FALSE(db.DbSave.Visible());
  db.DbClose.Click();
  EXPECT_EQ(Questions().size(), 2u);
  EXPECT_THAT(SavedNames("PERSONAL.BDB"), ElementsAre("BAKER LUCY", "ADAMS JOE"));
}

TEST_F(BrDb, RemoveRefusesThePersonalDatabaseAndAMissingFile) {
  BR_DB& db = Open();
  db.DbRemove.Click();
  EXPECT_EQ(LastBox(), "Cannot remove personal database : PERSONAL.BDB");
  EXPECT_EQ(dialogs.boxes.back().title, "Error");

  db.DbList.SetText("SMITH.BDB");
  folder.Remove("SMITH.BDB");
  db.DbRemove.Click();
  EXPECT_EQ(LastBox(), "Error removing database : SMITH.BDB not found ! ");
  EXPECT_THAT(Questions(), IsEmpty());
  EXPECT_EQ(g.ManagerDatabase.FileName, "SMITH.BDB");
  EXPECT_TRUE(folder.Has("PERSONAL.BDB"));
}

TEST_F(BrDb, ClosingOffersToSaveAndDiscardsOnCancel) {
  for (const Answer answer : {Answer::Cancel, Answer::OK}) {
    SCOPED_TRACE(answer == Answer::OK ? "OK" : "Cancel");
    dialogs.boxes.clear();
    BR_DB& db = OpenSmith();
    Pick("ZED ANN");
    db.DbDelete.Click();
    dialogs.answers = {answer};
    db.DbClose.Click();
    EXPECT_FALSE(g.BR_DB.Loaded());
    EXPECT_EQ(Questions().back(), "Database SMITH.BDB modified ! Save changes ?");
    EXPECT_EQ(SavedNames("SMITH.BDB").size(), answer == Answer::OK ? 1u : 2u);
  }
  Open().DbClose.Click();  // nothing changed: no question
  EXPECT_EQ(Questions().size(), 2u);
}

TEST_F(BrDb, ClosingThePanelOffersToSave) {
  g.br_cp.Open(g);
  g.br_cp->Command3.Click();
  ASSERT_TRUE(g.BR_DB.Loaded());
  Add("NEW PERSON", "01/01/2000");
  g.br_cp->Unload();

  EXPECT_THAT(Questions(), ElementsAre("Database PERSONAL.BDB modified ! Save changes ?"));
  EXPECT_THAT(SavedNames("PERSONAL.BDB"), ElementsAre("BAKER LUCY", "ADAMS JOE", "NEW PERSON"));
  EXPECT_FALSE(g.BR_DB.Loaded());
  EXPECT_TRUE(desktop.quit);
}

// Every mix of answers to the questions of New, Remove and Close, each asked while there are
// unsaved changes: the persons saved before are still on disk, except in a database the user
// chose to remove.
TEST_F(BrDb, NoAnswerLosesASavedPerson) {
  for (int script = 0; script < 8; ++script) {
    const Answer saveOnNew = script & 1 ? Answer::OK : Answer::Cancel;
    const Answer remove = script & 2 ? Answer::OK : Answer::Cancel;
    const Answer saveOnClose = script & 4 ? Answer::OK : Answer::Cancel;
    SCOPED_TRACE(script);
    SetUp();
    folder.Remove("FRESH.BDB");
    dialogs.boxes.clear();
    dialogs.answers = {saveOnNew, remove, saveOnClose};
    dialogs.inputs = {"fresh"};

    BR_DB& db = OpenSmith();
    Add("FIRST", "01/01/2001");
    db.DbNew.Click();
    db.DbList.SetText("SMITH.BDB");
    Add("SECOND", "02/02/2002");
    db.DbRemove.Click();
    Add("THIRD", "03/03/2003");
    db.DbClose.Click();

    EXPECT_EQ(Questions().size(), 3u);
    const auto personal = SavedNames("PERSONAL.BDB");
    ASSERT_GE(personal.size(), 2u);
    EXPECT_EQ(personal[0], "BAKER LUCY");
    EXPECT_EQ(personal[1], "ADAMS JOE");
    const auto smith = SavedNames("SMITH.BDB");
    if (remove == Answer::OK) {
      EXPECT_THAT(smith, IsEmpty());
      EXPECT_EQ(personal.size(), saveOnClose == Answer::OK ? 3u : 2u);
    } else {
      ASSERT_GE(smith.size(), 2u);
      EXPECT_EQ(smith[0], "ZED ANN");
      EXPECT_EQ(smith[1], "COLE MAX");
      EXPECT_EQ(smith.size(), 2u + (saveOnNew == Answer::OK) + 2 * (saveOnClose == Answer::OK));
    }
  }
}

}  // namespace
