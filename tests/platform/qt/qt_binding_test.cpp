#include <QCoreApplication>
#include <algorithm>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "people/br_db.h"
#include "platform/qt/control_binding.h"
#include "platform/qt/list_view.h"
#include "platform/qt/screen.h"

namespace {

// Two lists side by side: rows dragged from the left one, dropped on the right one.
class ListsForm : public Form {
 public:
  explicit ListsForm(Desktop& desktop)
      : Form(desktop, "ListsForm", "Lists", 6000, 3000),
        Caption(*this, "Caption", Rect{120, 0, 2000, 240}, "&People:"),
        Left(*this, "Left", Rect{120, 240, 2500, 2400}, true),
        Right(*this, "Right", Rect{3000, 240, 2500, 2400}, false) {
    Left.Buddy = &Caption;
    Left.DragSource = true;
    Left.OnClick = [this] { ++clicks; };
    Right.OnDragDrop = [this](Control& source, int row) {
      dropSource = &source;
      dropRow = row;
    };
  }

  Label Caption;
  ListBox Left;
  ListBox Right;
  int clicks = 0;
  Control* dropSource = nullptr;
  int dropRow = -2;
};

// A window each of whose controls closes it: a row of its list, an entry of its drop-down, its
// button and a letter typed in its box.
class ClosingForm : public Form {
 public:
  explicit ClosingForm(Desktop& desktop)
      : Form(desktop, "ClosingForm", "Closing", 6000, 3000),
        Rows(*this, "Rows", Rect{120, 120, 2500, 2400}, false),
        Choice(*this, "Choice", Rect{3000, 120, 2500, 315}, false),
        Done(*this, "Done", Rect{3000, 600, 1215, 405}, "&Done"),
        Note(*this, "Note", Rect{3000, 1200, 2500, 315}) {
    for (ItemList* list : std::initializer_list<ItemList*>{&Rows, &Choice}) {
      for (const char* name : {"ANN", "BOB"}) list->AddItem(name, 1);
      list->OnClick = [this] { Unload(); };
    }
    Done.OnClick = [this] { Unload(); };
    Note.OnChange = [this] { Unload(); };
  }

  ListBox Rows;
  ComboBox Choice;
  Button Done;
  TextBox Note;
};

// The two lists shown on the offscreen screen.
class ListsWindow : public testing::Test {
 public:
  void SetUp() override { form.Show(); }
  ListView* View(const char* name) const { return Child<ListView>(desktop, form, name); }

  QtDesktop desktop;
  ListsForm form{desktop};
};

// The database manager's Export button pressed on screen: the file dialog offers the database's
// name, the table goes to the file typed there, and a box says where.
TEST(QtBinding, ExportButtonPressedOnScreenWritesTheFileChosenInTheDialog) {
  Screen screen;
  WindowRef<BR_DB> managerRef;
  BR_DB& manager = managerRef.Open(screen.g);
  auto* button = screen.Child<QPushButton>(manager, "DbExport");
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->text(), QStringLiteral("E&xport..."));
  const std::string path = screen.folder.path() + "/people.csv";
  QString offered;
  AnswerFileDialog(QString::fromStdString(path), &offered);
  QTest::mouseClick(button, Qt::LeftButton);
  EXPECT_EQ(offered, QStringLiteral("PERSONAL.csv"));
  const std::string table = screen.folder.Read("people.csv");
  EXPECT_EQ(table.rfind("Name,Date of birth\r\n", 0), 0u) << table;
  EXPECT_EQ(std::count(table.begin(), table.end(), '\n'), manager.Contents.ListCount() + 1);
  EXPECT_EQ(screen.boxes, std::vector<std::string>{"Exported to : " + path});
}

// Whatever the control, the action ends without touching what the window took away with it.
TEST(QtBinding, AHandlerMayCloseTheWindowItRunsIn) {
  QtDesktop desktop;
  ClosingForm form(desktop);
  const struct {
    const char* control;
    std::function<void(QWidget*)> act;
  } cases[] = {
      {"Rows",
       [](QWidget* widget) {
         auto* rows = static_cast<ListView*>(widget);
         QTest::mouseClick(rows->viewport(), Qt::LeftButton, {}, RowCentre(*rows, 1));
       }},
      {"Choice", [](QWidget* widget) { QTest::keyClick(widget, Qt::Key_Down); }},
      {"Done", [](QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }},
      {"Note", [](QWidget* widget) { QTest::keyClick(widget, Qt::Key_A); }},
  };
  for (const auto& c : cases) {
    form.Show();
    QWidget* widget = Child<QWidget>(desktop, form, c.control);
    ASSERT_NE(widget, nullptr) << c.control;
    c.act(widget);
    EXPECT_FALSE(form.Loaded()) << c.control;
    EXPECT_EQ(desktop.Window(form), nullptr) << c.control;
    // The window itself goes once the event loop is back.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
}

TEST_F(ListsWindow, SortedListKeepsEachRowsNumberAndShowsOneRefillAtOnce) {
  ListView* widget = View("Left");
  ASSERT_NE(widget, nullptr);
  QAbstractItemModel& rows = *widget->model();
  int resets = 0;
  QObject::connect(&rows, &QAbstractItemModel::modelReset, [&] { ++resets; });
  {
    // A refill by the program during a user's action reaches the widget once, at its end.
    const UserAction action;
    form.Left.Clear();
    form.Left.AddItem("COLE, ANN", 3);
    form.Left.AddItem("ADAMS, BOB", 1);
    form.Left.AddItem("baker, cy", 2);
    form.Left.AddItem("DUNN, EVE", 7);
    EXPECT_EQ(rows.rowCount(), 0);
  }
  EXPECT_EQ(resets, 1);
  ASSERT_EQ(rows.rowCount(), 4);
  const QStringList texts{"ADAMS, BOB", "baker, cy", "COLE, ANN", "DUNN, EVE"};
  const int numbers[] = {1, 2, 3, 7};
  for (int row = 0; row < 4; ++row) {
    EXPECT_EQ(rows.index(row, 0).data().toString(), texts[row]);
    EXPECT_EQ(rows.index(row, 0).data(Qt::UserRole).toInt(), numbers[row]);
  }
  EXPECT_EQ(widget->accessibleName(), QStringLiteral("People:"));

  QTest::mouseClick(widget->viewport(), Qt::LeftButton, {}, RowCentre(*widget, 2));
  EXPECT_EQ(form.Left.ListIndex(), 2);
  EXPECT_EQ(form.Left.ItemData(form.Left.ListIndex()), 3);
  EXPECT_EQ(form.clicks, 1);

  // A row the program makes current shows as current and selected, and is no new pick.
  form.Left.SetListIndex(0);
  EXPECT_EQ(widget->currentIndex().row(), 0);
  EXPECT_EQ(widget->selectionModel()->selectedRows().size(), 1);
  EXPECT_EQ(form.clicks, 2);
  form.Left.Clear();
  EXPECT_EQ(rows.rowCount(), 0);
  EXPECT_FALSE(widget->currentIndex().isValid());
}

// The two lists on a platform that carries drags.
class ListsDrag : public ListsWindow {
 public:
  void SetUp() override {
    if (!PlatformCarriesDrags()) GTEST_SKIP() << "the platform ends every drag at once";
    ListsWindow::SetUp();
    for (const char* name : {"ANN", "BOB", "CY"}) {
      form.Left.AddItem(name, 1);
      form.Right.AddItem(name, 1);
    }
  }
};

TEST_F(ListsDrag, ARowDraggedOntoTheOtherListReachesItWithItsSourceAndTheRowUnder) {
  ListView* source = View("Left");
  ListView* target = View("Right");
  ASSERT_TRUE(source && target);
  const struct {
    QPoint at;
    int row;
  } drops[] = {{RowCentre(*target, 1), 1}, {QPoint(5, target->viewport()->height() - 5), -1}};
  for (const auto& drop : drops) {
    form.dropSource = nullptr;
    DragRow(*source, 2, *target, drop.at);
    EXPECT_EQ(form.dropSource, &form.Left) << drop.row;
    EXPECT_EQ(form.dropRow, drop.row);
    EXPECT_EQ(form.Left.ListIndex(), 2);
  }
}

// Data of another program is no row of these lists, even in their own form: nothing is dropped.
TEST_F(ListsWindow, DataOfAnotherProgramIsNotTakenForARow) {
  form.Right.AddItem("ANN", 1);
  ListView* target = View("Right");
  ASSERT_NE(target, nullptr);
  const std::function<QMimeData*()> payloads[] = {
      [] {
        auto* data = new QMimeData;
        data->setText(QStringLiteral("ANN"));
        return data;
      },
      // What a list's own drag carries, and the same with the address of a list of this program.
      [] { return ListView::DragData(); },
      [this] {
        QMimeData* data = ListView::DragData();
        data->setData(data->formats().front(), QByteArray::number(reinterpret_cast<quintptr>(View("Left"))));
        return data;
      },
  };
  for (const auto& payload : payloads) {
    const std::unique_ptr<QMimeData> data(payload());
    DropOn(target, data.get(), RowCentre(*target, 0));
    EXPECT_EQ(form.dropSource, nullptr) << data->formats().join(' ').toStdString();
  }
}

TEST_F(ListsWindow, TheWindowShowsTheFormsStateAndItsCloseBoxUnloadsIt) {
  QWidget* window = desktop.Window(form);
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Lists"));
  for (const bool busy : {true, false}) {
    form.SetEnabled(!busy);
    form.SetMousePointer(busy ? Form::Pointer::Busy : Form::Pointer::Default);
    EXPECT_EQ(window->isEnabled(), !busy);
    EXPECT_EQ(window->cursor().shape(), busy ? Qt::WaitCursor : Qt::ArrowCursor);
  }

  window->close();
  EXPECT_FALSE(form.Loaded());
  EXPECT_EQ(desktop.Window(form), nullptr);
  EXPECT_TRUE(desktop.LoadedForms().empty());
}

}  // namespace
