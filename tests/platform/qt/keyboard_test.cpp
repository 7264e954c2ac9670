// The keyboard and the message boxes on the real windows: what a user does without the mouse,
// checked on the widgets and on the window they drive.
#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "charts/br_ind.h"
#include "people/br_db.h"
#include "people/br_frm.h"
#include "platform/qt/list_view.h"
#include "platform/qt/screen.h"

namespace {

// The form's window made the active one, as when the user goes to it.
void Activate(const Screen& screen, const Form& form) {
  QWidget* window = screen.desktop.Window(form);
  ASSERT_NE(window, nullptr) << form.Name();
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window)) << form.Name();
}

// A key as the user presses it: to the open list of a drop-down, else to the widget with the
// focus.
void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QTest::keyClick(static_cast<QWidget*>(nullptr), key, modifiers);
}

// The control the keys go to, by name.
std::string Focused() {
  const QWidget* widget = QApplication::focusWidget();
  return widget ? widget->objectName().toStdString() : "";
}

// The details dialog from the keyboard alone: the name box takes the first keys, Tab walks on to
// the date, OK and Cancel and round again, Shift+Tab walks back. Typing in a box, Alt+O presses
// OK, Alt+C and Escape press Cancel; the manager lists what OK kept and nothing else.
TEST(KeyboardOnScreen, TabOrderAccessKeysAndEscapeInTheDetailsDialog) {
  Screen screen;
  WindowRef<BR_DB> managerRef;
  BR_DB& manager = managerRef.Open(screen.g);
  auto* rows = screen.Child<ListView>(manager, "Contents");
  const struct {
    const char* what;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    int kept;
  } cases[] = {{"Escape", Qt::Key_Escape, Qt::NoModifier, 0},
               {"Alt+C", Qt::Key_C, Qt::AltModifier, 0},
               {"Alt+O", Qt::Key_O, Qt::AltModifier, 1}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const int count = screen.g.ManagerDatabase.Count;
    manager.DbAdd.Click();
    Activate(screen, *manager.BR_FRM.get());
    EXPECT_EQ(Focused(), "tb_name");
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("keys"));
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
    EXPECT_EQ(screen.g.ManagerDatabase.Count, count + c.kept);
    EXPECT_EQ(rows->model()->rowCount(), count + c.kept);
  }
  EXPECT_EQ(screen.g.ManagerDatabase.Persons.back().Name, "KEYS");
  EXPECT_TRUE(screen.boxes.empty());
}

// Tab takes the focus from the date to the drop-down of databases and on to the persons, and
// Shift+Tab back: the focus alone picks no one. In the drop-down's open list the arrow keys move
// and pick nothing; Enter picks, and the window lists the persons of the database picked.
TEST(KeyboardOnScreen, TabAndAPickInTheDropDownsOpenList) {
  Screen screen;
  WindowRef<br_ind> windowRef;
  br_ind& window = windowRef.Open(screen.g);
  auto* databases = screen.Child<QComboBox>(window, "DbList");
  auto* persons = screen.Child<ListView>(window, "Contents");
  ASSERT_TRUE(databases && persons);
  Activate(screen, window);
  EXPECT_EQ(Focused(), "EvDate");
  for (const char* next : {"UpDate", "DownDate", "DbList", "Contents"}) {
    Press(Qt::Key_Tab);
    EXPECT_EQ(Focused(), next);
  }
  Press(Qt::Key_Tab, Qt::ShiftModifier);
  EXPECT_EQ(Focused(), "DbList");
  EXPECT_EQ(window.ChartName, "");
  EXPECT_EQ(window.Contents.ListIndex(), -1);
  EXPECT_FALSE(persons->currentIndex().isValid());

  ASSERT_EQ(window.DbList.Text(), "LEAGUE.BDB");
  Press(Qt::Key_Down, Qt::AltModifier);
  ASSERT_TRUE(databases->view()->isVisible());
  Press(Qt::Key_Down);
  EXPECT_EQ(window.DbList.Text(), "LEAGUE.BDB");
  EXPECT_EQ(screen.g.IndividualDatabase.FileName, "LEAGUE.BDB");
  Press(Qt::Key_Return);
  EXPECT_FALSE(databases->view()->isVisible());
  EXPECT_EQ(databases->currentText(), QStringLiteral("PERSONAL.BDB"));
  EXPECT_EQ(window.DbList.Text(), "PERSONAL.BDB");
  EXPECT_EQ(screen.g.IndividualDatabase.FileName, "PERSONAL.BDB");
  EXPECT_EQ(persons->model()->rowCount(), screen.g.IndividualDatabase.Count);
  EXPECT_EQ(window.Contents.ListCount(), screen.g.IndividualDatabase.Count);
  EXPECT_TRUE(screen.boxes.empty());
}

// Delete asks first. Cancel on the real box, pressed in the middle of the delete, leaves the
// person, the rows and the file as they were; OK deletes, in memory only.
TEST(MessageBoxOnScreen, CancelInTheMiddleOfADeleteChangesNothing) {
  Screen screen;
  WindowRef<BR_DB> managerRef;
  BR_DB& manager = managerRef.Open(screen.g);
  auto* rows = screen.Child<ListView>(manager, "Contents");
  const std::string file = screen.g.ManagerDatabase.FileName, saved = screen.folder.Read(file);
  const struct {
    QMessageBox::StandardButton answer;
    int deleted;
  } cases[] = {{QMessageBox::Cancel, 0}, {QMessageBox::Ok, 1}};
  for (const auto& c : cases) {
    const int count = screen.g.ManagerDatabase.Count;
    QTest::mouseClick(rows->viewport(), Qt::LeftButton, {}, RowCentre(*rows, 0));
    screen.answers = {c.answer};
    screen.boxes.clear();
    QTest::mouseClick(screen.Child<QPushButton>(manager, "DbDelete"), Qt::LeftButton);
    ASSERT_EQ(screen.boxes.size(), 1u);
    EXPECT_EQ(screen.g.ManagerDatabase.Count, count - c.deleted);
    EXPECT_EQ(rows->model()->rowCount(), count - c.deleted);
    EXPECT_EQ(manager.DbSave.Visible(), c.deleted > 0);
    EXPECT_EQ(screen.folder.Read(file), saved);
  }
}

}  // namespace
