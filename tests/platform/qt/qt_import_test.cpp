// The database manager's Export and Import under real widgets: the file dialog offers the
// database's name and the table goes to the file typed there; a choice changed with the keys in
// the import's drop-down is read at once into the preview and the summary, Import adds what the
// summary said; a file that holds no table adds nobody, and a full database takes only what fits.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <algorithm>

#include "people/br_db.h"
#include "people/br_imp.h"
#include "platform/qt/screen.h"
#include "support/test_data.h"

namespace {

// Import... pressed and the file chosen in the real file dialog: the import window, if one opened.
BR_IMP* OpenImport(Screen& screen, BR_DB& manager, const std::string& file) {
  AnswerFileDialog(QString::fromStdString(screen.folder.path() + "/" + file));
  QTest::mouseClick(screen.Child<QPushButton>(manager, "DbImport"), Qt::LeftButton);
  BR_IMP* shown = nullptr;
  for (Form* form : screen.desktop.LoadedForms()) {
    if (auto* import = dynamic_cast<BR_IMP*>(form)) shown = import;
  }
  return shown;
}

// A database with room for six more people, picked as the user picks, with the keys: the first
// database listed.
TEST(ImportWindowOnScreen, ExportWritesTheFileChosenAndImportAddsWhatTheSummarySaysAndFits) {
  Screen screen;
  screen.folder.Write("FULL.BDB", NumberedPersonLines(32761, "01/01/2000"));
  screen.folder.Write("PEOPLE.CSV",
                      "Name;Born\r\nJos\u00e9 N\u00fa\u00f1ez;31.03.1990\r\nAnn Lee;02.01.1991\r\n");
  std::string file = "Name,Born\n";
  for (int k = 0; k < 20; ++k) file += "NEW " + std::to_string(k) + ",1/1/2000\n";
  screen.folder.Write("NEW.CSV", file);
  screen.folder.Write("PICTURE.CSV", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\x01\0", 20));
  WindowRef<BR_DB> managerRef;
  BR_DB& manager = managerRef.Open(screen.g);
  auto* databases = screen.Child<QComboBox>(manager, "DbList");
  databases->setFocus();
  QTest::keyClick(databases, Qt::Key_Home);
  ASSERT_EQ(manager.DbList.Text(), "FULL.BDB");
  const QAbstractItemModel& rows = *screen.Child<QListView>(manager, "Contents")->model();

  auto* exportButton = screen.Child<QPushButton>(manager, "DbExport");
  EXPECT_EQ(exportButton->text(), QStringLiteral("E&xport..."));
  const std::string path = screen.folder.path() + "/export.csv";
  QString offered;
  AnswerFileDialog(QString::fromStdString(path), &offered);
  QTest::mouseClick(exportButton, Qt::LeftButton);
  EXPECT_EQ(offered, QStringLiteral("FULL.csv"));
  const std::string table = screen.folder.Read("export.csv");
  EXPECT_EQ(table.rfind("Name,Date of birth\r\n", 0), 0u);
  EXPECT_EQ(std::count(table.begin(), table.end(), '\n'), 32762);
  EXPECT_EQ(screen.boxes, std::vector<std::string>{"Exported to : " + path});

  // A file that holds no table: nothing to import, and Import cannot be pressed.
  BR_IMP* window = OpenImport(screen, manager, "PICTURE.CSV");
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(screen.Child<QLabel>(*window, "Summary")->text().left(23),
            QStringLiteral("0 people will be added,"));
  EXPECT_FALSE(screen.Child<QPushButton>(*window, "ImpOK")->isEnabled());
  QTest::mouseClick(screen.Child<QPushButton>(*window, "ImpCancel"), Qt::LeftButton);
  EXPECT_EQ(rows.rowCount(), 32761);

  window = OpenImport(screen, manager, "PEOPLE.CSV");
  ASSERT_NE(window, nullptr);
  auto* form = screen.Child<QComboBox>(*window, "DateForm");
  auto* preview = screen.Child<QTableWidget>(*window, "Preview");
  auto* summary = screen.Child<QLabel>(*window, "Summary");
  EXPECT_EQ(preview->horizontalHeaderItem(3)->text().toStdString(), "Column 2: Born (date of birth, d/m/y)");
  EXPECT_EQ(preview->item(0, 2)->text().toStdString(), "Jos\u00e9 N\u00fa\u00f1ez");
  EXPECT_EQ(summary->text().toStdString(), "2 people will be added, 0 rows skipped");
  // From day first up to month first: March 31st no longer reads, February 1st does.
  form->setFocus();
  QTest::keyClick(form, Qt::Key_Up);
  EXPECT_EQ(window->DateForm.Text(), "One column, m/d/y");
  EXPECT_EQ(summary->text().toStdString(), "1 person will be added, 1 row skipped");
  EXPECT_EQ(preview->item(0, 1)->text().toStdString(), "skipped: 31.03.1990 is not a valid date");
  EXPECT_EQ(preview->item(1, 1)->text().toStdString(), "ANN LEE  02/01/1991");
  screen.boxes.clear();
  QTest::mouseClick(screen.Child<QPushButton>(*window, "ImpOK"), Qt::LeftButton);
  EXPECT_EQ(screen.boxes, std::vector<std::string>{"1 person added, 1 row skipped"});
  EXPECT_FALSE(window->Loaded());
  // The manager lists the new person, unsaved.
  EXPECT_EQ(rows.rowCount(), 32762);
  EXPECT_TRUE(screen.Child<QPushButton>(manager, "DbSave")->isVisible());

  // Escape cancels: nobody more is added, and the manager takes input again.
  window = OpenImport(screen, manager, "NEW.CSV");
  ASSERT_NE(window, nullptr);
  QTest::keyClick(screen.desktop.Window(*window), Qt::Key_Escape);
  EXPECT_FALSE(window->Loaded());
  EXPECT_EQ(rows.rowCount(), 32762);
  EXPECT_TRUE(screen.desktop.Window(manager)->isEnabled());

  window = OpenImport(screen, manager, "NEW.CSV");
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(
      screen.Child<QLabel>(*window, "Summary")->text().toStdString(),
      "5 people will be added, 15 rows skipped, 15 of them because a database holds at most 32,767 people");
  QTest::mouseClick(screen.Child<QPushButton>(*window, "ImpOK"), Qt::LeftButton);
  EXPECT_EQ(rows.rowCount(), 32767);
  EXPECT_EQ(screen.g.ManagerDatabase.Persons.back().Name, "NEW 4");
}

}  // namespace
