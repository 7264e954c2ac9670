// The keyboard and the message boxes on the real windows: what a user does without the mouse,
// checked on the widgets and on the window they drive.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "charts/br_ind.h"
#include "people/br_db.h"
#include "people/br_frm.h"
#include "platform/qt/list_view.h"
#include "platform/qt/screen.h"

namespace {

// The database manager from the keyboard and its boxes. Delete asks first: Cancel on the real
// box, pressed in the middle of the delete, leaves the person and the rows as they were; OK
// deletes. The details dialog from the keyboard alone: the name box takes the first keys, Tab
// walks on to the date, OK and Cancel and round again, Shift+Tab walks back. Typing in a box,
// Alt+O presses OK, Alt+C and Escape press Cancel; the manager lists what OK kept and nothing
// else. A name typed with accents keeps its base letters, those no single-byte text holds too,
// and the box shows it as typed. Nothing reaches the file before Save.
TEST(KeyboardOnScreen, TheDatabaseManagerFromTheKeyboardAndItsBoxes) {
  Screen screen;
  WindowRef<BR_DB> managerRef;
  BR_DB& manager = managerRef.Open(screen.g);
  auto* rows = screen.Child<ListView>(manager, "Contents");
  const std::string file = screen.g.ManagerDatabase.FileName, saved = screen.folder.Read(file);
  for (const auto& [answer, deleted] : {std::pair{QMessageBox::Cancel, 0}, std::pair{QMessageBox::Ok, 1}}) {
    const int count = rows->model()->rowCount();
    QTest::mouseClick(rows->viewport(), Qt::LeftButton, {}, RowCentre(*rows, 0));
    screen.answers = {answer};
    screen.boxes.clear();
    QTest::mouseClick(screen.Child<QPushButton>(manager, "DbDelete"), Qt::LeftButton);
    EXPECT_EQ(screen.boxes, std::vector<std::string>{"Are you sure you want to delete  MORROW DANIEL ? "});
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
    EXPECT_EQ(Focused(), "tb_name");
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
  EXPECT_EQ(screen.folder.Read(file), saved);
}

}  // namespace
