// The import window, driven through its lists and buttons as a user would.
#include "people/br_imp.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "people/br_db.h"
#include "support/world.h"

using testing::ElementsAre;

namespace {

// Semicolons, a byte-order mark, accents, dates day first; line 3 has no such day, line 4 no name.
const std::string Spreadsheet =
    "\xEF\xBB\xBFName;Born\r\nJos\xC3\xA9 N\xC3\xBA\xC3\xB1" "ez;31.03.1990\r\nAnn Lee;45.13.1990\r\n"
    ";01.01.1980\r\nAnn Lee;02.01.1991\r\n";

// The database manager on PERSONAL.BDB, its Import... pressed and the spreadsheet chosen.
struct ImportWindow : testing::Test, World {
  ImportWindow() {
    folder.Write("PERSONAL.BDB", "OLD TIMER\r\n01/01/1950\r\n");
    folder.Write("PEOPLE.CSV", Spreadsheet);
    manager.Open(g);
    Import("PEOPLE.CSV");
  }
  // Import... pressed and the file chosen: the import window shown, if any.
  void Import(const std::string& file) {
    window = nullptr;
    dialogs.files = {folder.path() + "/" + file};
    manager->DbImport.Click();
    for (Form* form : desktop.LoadedForms()) {
      if (auto* shown = dynamic_cast<BR_IMP*>(form)) window = shown;
    }
  }

  WindowRef<BR_DB> manager;
  BR_IMP* window = nullptr;
};

// Every choice the user changes is read at once: the summary follows it.
// Shown the file again, the window shows its guess; Import adds the persons it said it would,
// in file order.
TEST_F(ImportWindow, ChangedChoicesAreReadAtOnceAndImportAddsWhatTheWindowSaid) {
  ASSERT_NE(window, nullptr);
  const struct {
    ComboBox BR_IMP::*list;
    const char* pick;
    const char* summary;
  } cases[] = {
      {&BR_IMP::Header, "Is a person", "2 people will be added, 3 rows skipped"},
      // The dates read as names too: line 4 gains one.
      {&BR_IMP::NameColumn, "Column 2: Born", "3 people will be added, 1 row skipped"},
      {&BR_IMP::DateColumn, "(none)", "0 people will be added, 4 rows skipped"},
      // Each line is one field: the first row is read as a person too.
      {&BR_IMP::Separator, "Comma", "0 people will be added, 5 rows skipped"},
  };
  for (const auto& c : cases) {
    window->ShowFile("PEOPLE.CSV", Spreadsheet);
    ASSERT_TRUE((window->*c.list).SetText(c.pick)) << c.pick;
    EXPECT_EQ(window->Summary.Caption(), c.summary) << c.pick;
    EXPECT_EQ(window->ImpOK.Enabled(), c.summary[0] != '0') << c.pick;
  }
  // Last and first names in their own columns, the date in three.
  window->ShowFile("TEAM.CSV", "First name,Last name,Year,Month,Day\nAnn,Lee,1990,3,31\nBo,Ek,1991,2,\n");
  EXPECT_EQ(window->NameColumn.Text(), "Column 2: Last name");
  EXPECT_EQ(window->FirstColumn.Text(), "Column 1: First name");
  EXPECT_EQ(window->DateForm.Text(), "Year, month, day columns");
  EXPECT_TRUE(window->DayColumn.Enabled());
  EXPECT_EQ(window->Preview.Rows().at(0).at(1), "LEE ANN  03/31/1990");

  window->ShowFile("PEOPLE.CSV", Spreadsheet);
  EXPECT_FALSE(manager->Enabled());
  EXPECT_THAT((std::vector<std::string>{window->Separator.Text(), window->Encoding.Text(),
                                        window->Header.Text(), window->NameColumn.Text(),
                                        window->DateForm.Text(), window->DateColumn.Text()}),
              ElementsAre("Semicolon", "UTF-8", "Names the columns", "Column 1: Name", "One column, d/m/y",
                          "Column 2: Born"));
  EXPECT_THAT(window->Preview.Headings(), ElementsAre("Line", "Read as", "Column 1: Name (name)",
                                                      "Column 2: Born (date of birth, d/m/y)"));
  EXPECT_EQ(window->Preview.Rows().at(2).at(1), "skipped: no name");
  EXPECT_EQ(window->Summary.Caption(), "2 people will be added, 2 rows skipped");
  window->ImpOK.Click();
  EXPECT_THAT(Entries(g.ManagerDatabase),
              ElementsAre("OLD TIMER|01/01/1950", "JOSE NUNEZ|03/31/1990", "ANN LEE|01/02/1991"));
  EXPECT_TRUE(manager->Enabled());
}

// A database exported is imported back whole: the same persons, dates and order, nothing skipped.
TEST_F(ImportWindow, AnExportedDatabaseImportsBackAsItWas) {
  window->ImpCancel.Click();
  EXPECT_FALSE(manager->DbSave.Visible());  // nothing imported, nothing changed
  folder.Write("ALL.BDB", "DE LA CRUZ ANA\r\n02/29/1992\r\nO NEIL PAT\r\n05/05/1930\r\n"
                          "LEE ANN\r\n01/02/2003\r\nLEE ANN\r\n01/03/2003\r\n");
  folder.Write("EMPTY.BDB", "");
  manager->RefreshForm();
  ASSERT_TRUE(manager->DbList.SetText("ALL.BDB"));
  const std::vector<std::string> exported = Entries(g.ManagerDatabase);
  dialogs.files = {folder.path() + "/all.csv"};
  manager->DbExport.Click();
  ASSERT_TRUE(manager->DbList.SetText("EMPTY.BDB"));
  Import("all.csv");
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->Summary.Caption(), "4 people will be added, 0 rows skipped");
  window->ImpOK.Click();
  EXPECT_EQ(Entries(g.ManagerDatabase), exported);
}

}  // namespace
