// The database manager on the real widgets: what a user does with the keyboard alone, the
// message boxes in the middle of an action, and the file dialogs of Export and Import. A choice
// changed with the keys in the import's drop-down is read at once into the preview and the
// summary, Import adds what the summary said, and a full database takes only what fits.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <algorithm>

#include "people/br_db.h"
#include "people/br_frm.h"
#include "people/br_imp.h"
#include "platform/qt/list_view.h"
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
// database listed. Delete asks first: Cancel on the real box, pressed in the middle of the
// delete, leaves the person and the rows as they were; OK deletes. The details dialog from the
// keyboard alone: the name box takes the first keys, Tab walks on to the date, OK and Cancel and
// round again, Shift+Tab walks back. Typing in a box, Alt+O presses OK, Alt+C and Escape press
// Cancel; the manager lists what OK kept and nothing else. A name typed with accents keeps its
// base letters, those no single-byte text holds too, and the box shows it as typed. Export
// offers the database's name and writes the table to the file typed in the dialog. Nothing
// reaches the database's file before Save.
TEST(DatabaseManagerOnScreen, KeysBoxesAndTheFileDialogsOfExportAndImport) {
  Screen screen;
  screen.folder.Write("FULL.BDB", NumberedPersonLines(32761, "01/01/2000"));
  screen.folder.Write("PEOPLE.CSV",
                      "Name;Born\r\nJos\u00e9 N\u00fa\u00f1ez;31.03.1990\r\nAnn Lee;02.01.1991\r\n");
  std::string file = "Name,Born\n";
  for (int k = 0; k < 20; ++k) file += "NEW " + std::to_string(k) + ",1/1/2000\n";
  screen.folder.Write("NEW.CSV", file);
  WindowRef<BR_DB> managerRef;
  BR_DB& manager = managerRef.Open(screen.g);
  auto* databases = screen.Child<QComboBox>(manager, "DbList");
  databases->setFocus();
  QTest::keyClick(databases, Qt::Key_Home);
  ASSERT_EQ(manager.DbList.Text(), "FULL.BDB");
  auto* rows = screen.Child<ListView>(manager, "Contents");
  const std::string saved = screen.folder.Read("FULL.BDB");

  for (const auto& [answer, deleted] : {std::pair{QMessageBox::Cancel, 0}, std::pair{QMessageBox::Ok, 1}}) {
    const int count = rows->model()->rowCount();
    QTest::mouseClick(rows->viewport(), Qt::LeftButton, {}, RowCentre(*rows, 0));
    screen.answers = {answer};
    screen.boxes.clear();
    QTest::mouseClick(screen.Child<QPushButton>(manager, "DbDelete"), Qt::LeftButton);
    EXPECT_EQ(screen.boxes, std::vector<std::string>{"Are you sure you want to delete  P0 ? "});
    EXPECT_EQ(rows->model()->rowCount(), count - deleted);
    EXPECT_EQ(manager.DbSave.Visible(), deleted > 0);
  }

  const struct {
    const char* what;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    int kept;
  } cases[] = {{"Escape", Qt::Key_Escape, Qt::NoModifier, 0},
               {"Alt+C", Qt::Key_C, Qt::AltModifier, 0},
               {"Alt+O", Qt::Key_O, Qt::AltModifier, 1}};
  screen.boxes.clear();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const int count = rows->model()->rowCount();
    manager.DbAdd.Click();
    screen.Activate(*manager.BR_FRM.get());
    // Typed as an input method hands over letters a key press cannot name.
    QInputMethodEvent typed;
    typed.setCommitString(QStringLiteral("\u0141ukasz \u00d6st"));
    QApplication::sendEvent(QApplication::focusWidget(), &typed);
    EXPECT_EQ(manager.BR_FRM->tb_name.Text(), "\xC5\x81ukasz \xC3\x96st");
    EXPECT_EQ(screen.Child<QLineEdit>(*manager.BR_FRM.get(), "tb_name")->text(), typed.commitString());
    for (const char* next : {"tb_dob", "Command1", "cb_close", "tb_name", "tb_dob"}) {
      Press(Qt::Key_Tab);
      EXPECT_EQ(Focused(), next);
    }
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("01/01/1990"));
    Press(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(Focused(), "tb_name");
    Press(c.key, c.modifiers);
    // An access key presses its button as the mouse does, shown down for a moment.
    EXPECT_TRUE(QTest::qWaitFor([&] { return !manager.BR_FRM.Loaded(); }, 1000));
    EXPECT_TRUE(manager.Enabled());
    EXPECT_EQ(rows->model()->rowCount(), count + c.kept);
  }
  EXPECT_EQ(screen.g.ManagerDatabase.Persons.back().Name, "LUKASZ OST");
  EXPECT_TRUE(screen.boxes.empty());

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

  BR_IMP* window = OpenImport(screen, manager, "PEOPLE.CSV");
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
  EXPECT_EQ(rows->model()->rowCount(), 32762);
  EXPECT_TRUE(screen.Child<QPushButton>(manager, "DbSave")->isVisible());

  window = OpenImport(screen, manager, "NEW.CSV");
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(
      screen.Child<QLabel>(*window, "Summary")->text().toStdString(),
      "5 people will be added, 15 rows skipped, 15 of them because a database holds at most 32,767 people");
  QTest::mouseClick(screen.Child<QPushButton>(*window, "ImpOK"), Qt::LeftButton);
  EXPECT_EQ(rows->model()->rowCount(), 32767);
  EXPECT_EQ(screen.g.ManagerDatabase.Persons.back().Name, "NEW 4");
  EXPECT_EQ(screen.folder.Read("FULL.BDB"), saved);
}

}  // namespace
