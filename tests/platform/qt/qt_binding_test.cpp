// The binding of forms, controls and dialogs to real widgets.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QTest>
#include <QTimer>

#include "platform/qt/control_binding.h"
#include "platform/qt/list_view.h"
#include "platform/qt/qt_dialogs.h"
#include "platform/qt/screen.h"

namespace {

// Two lists side by side: rows dragged from the left one, dropped on the right one. A row of the
// right list, an entry of the drop-down and a letter typed in the box each close the window.
class ListsForm : public Form {
 public:
  explicit ListsForm(Desktop& desktop)
      : Form(desktop, "ListsForm", "Lists", 6000, 3000),
        Left(*this, "Left", Rect{120, 240, 2500, 2200}, true),
        Right(*this, "Right", Rect{3000, 240, 2500, 2200}, false),
        Choice(*this, "Choice", Rect{120, 2520, 2500, 315}, false),
        Note(*this, "Note", Rect{3000, 2520, 2500, 315}) {
    Left.DragSource = true;
    Left.OnClick = [this] { ++clicks; };
    Right.OnDragDrop = [this](Control& source, int row) {
      dropSource = &source;
      dropRow = row;
    };
    for (ItemList* list : std::initializer_list<ItemList*>{&Right, &Choice}) {
      for (const char* name : {"ANN", "BOB", "CY"}) list->AddItem(name, 1);
      list->OnClick = [this] { Unload(); };
    }
    Note.OnChange = [this] { Unload(); };
  }

  ListBox Left;
  ListBox Right;
  ComboBox Choice;
  TextBox Note;
  int clicks = 0;
  Control* dropSource = nullptr;
  int dropRow = -2;
};

// The two lists shown on the offscreen screen.
class ListsWindow : public testing::Test {
 public:
  void SetUp() override { form.Show(); }
  ListView* View(const char* name) const {
    return desktop.Window(form)->findChild<ListView*>(QString::fromLatin1(name));
  }

  QtDesktop desktop;
  ListsForm form{desktop};
};

// Whatever the control, the action ends without touching what the window took away with it.
TEST_F(ListsWindow, AHandlerMayCloseTheWindowItRunsIn) {
  const std::pair<const char*, std::function<void(QWidget*)>> cases[] = {
      {"Right",
       [](QWidget* widget) {
         auto* rows = static_cast<ListView*>(widget);
         QTest::mouseClick(rows->viewport(), Qt::LeftButton, {}, RowCentre(*rows, 1));
       }},
      {"Choice", [](QWidget* widget) { QTest::keyClick(widget, Qt::Key_Down); }},
      {"Note", [](QWidget* widget) { QTest::keyClick(widget, Qt::Key_A); }},
  };
  for (const auto& [control, act] : cases) {
    form.Show();
    act(desktop.Window(form)->findChild<QWidget*>(QString::fromLatin1(control)));
    EXPECT_FALSE(form.Loaded()) << control;
    EXPECT_EQ(desktop.Window(form), nullptr) << control;
    // The window itself goes once the event loop is back.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
}

// The two lists on a platform that carries drags.
class ListsDrag : public ListsWindow {};

TEST_F(ListsDrag, ARowDraggedOntoTheOtherListReachesItWithItsSourceAndTheRowUnder) {
  if (!PlatformCarriesDrags()) GTEST_SKIP() << "the platform ends every drag at once";
  for (const char* name : {"ANN", "BOB", "CY"}) form.Left.AddItem(name, 1);
  ListView* target = View("Right");
  // On a row, and below the last row.
  for (const auto& [at, row] :
       {std::pair{RowCentre(*target, 1), 1}, {QPoint(5, target->viewport()->height() - 5), -1}}) {
    form.dropSource = nullptr;
    DragRow(*View("Left"), 2, *target, at);
    EXPECT_EQ(form.dropSource, &form.Left) << row;
    EXPECT_EQ(form.dropRow, row);
    EXPECT_EQ(form.Left.ListIndex(), 2);
  }
}

// A sorted list keeps each row's number and shows a refill by the program during a user's action
// once, at its end; a row the program makes current shows as current and selected, and is no new
// pick. Data from outside the program is no row of these lists, even when it says it is one of
// their rows: nothing is dropped. The window shows the form's state, and its close box unloads it.
TEST_F(ListsWindow, ShowsTheFormAndItsListsAsTheProgramHoldsThem) {
  ListView* widget = View("Left");
  QAbstractItemModel& rows = *widget->model();
  int resets = 0;
  QObject::connect(&rows, &QAbstractItemModel::modelReset, [&] { ++resets; });
  const std::vector<std::pair<std::string, int>> sorted = {
      {"ADAMS, BOB", 1}, {"baker, cy", 2}, {"COLE, ANN", 3}, {"DUNN, EVE", 7}};
  {
    const UserAction action;
    form.Left.Clear();
    for (const int row : {2, 0, 1, 3}) form.Left.AddItem(sorted[row].first, sorted[row].second);
    EXPECT_EQ(rows.rowCount(), 0);
  }
  EXPECT_EQ(resets, 1);
  std::vector<std::pair<std::string, int>> shown;
  for (int row = 0; row < rows.rowCount(); ++row) {
    const QModelIndex index = rows.index(row, 0);
    shown.emplace_back(index.data().toString().toStdString(), index.data(Qt::UserRole).toInt());
  }
  EXPECT_EQ(shown, sorted);

  QTest::mouseClick(widget->viewport(), Qt::LeftButton, {}, RowCentre(*widget, 2));
  EXPECT_EQ(form.Left.ItemData(form.Left.ListIndex()), 3);
  EXPECT_EQ(form.clicks, 1);
  form.Left.SetListIndex(0);
  EXPECT_EQ(widget->currentIndex().row(), 0);
  EXPECT_EQ(widget->selectionModel()->selectedRows().size(), 1);
  EXPECT_EQ(form.clicks, 2);
  form.Left.Clear();
  EXPECT_EQ(rows.rowCount(), 0);
  EXPECT_FALSE(widget->currentIndex().isValid());

  // What a list's own drag carries, with the address of a list of this program.
  ListView* target = View("Right");
  const std::unique_ptr<QMimeData> data(ListView::DragData());
  data->setData(data->formats().front(), QByteArray::number(reinterpret_cast<quintptr>(View("Left"))));
  // What the window system sends while the data crosses the list and ends on it.
  const QPoint at = RowCentre(*target, 0);
  QDragEnterEvent enter(at, Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(target->viewport(), &enter);
  QDragMoveEvent move(at, Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(target->viewport(), &move);
  QDropEvent drop(QPointF(at), Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(target->viewport(), &drop);
  EXPECT_EQ(form.dropSource, nullptr);

  QWidget* window = desktop.Window(form);
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

// Once the modal box is up, notes its title, types the text into it and presses the key.
void AnswerBox(Qt::Key key, const QString& typed = {}, QString* title = nullptr) {
  QTimer::singleShot(0, [=] {
    QWidget* box = QApplication::activeModalWidget();
    if (!box) return;
    if (title) *title = box->windowTitle();
    if (!typed.isEmpty()) QTest::keyClicks(box->focusWidget(), typed);
    QTest::keyClick(box, key);
  });
}

TEST(QtDialogs, EscapeCancelsEnterAnswersOkAndFileDialogsStartWhereTheLastFileWas) {
  QtDialogs dialogs;
  QString title;
  AnswerBox(Qt::Key_Escape, {}, &title);
  EXPECT_EQ(dialogs.MsgBox("Delete the team?", Buttons::OKCancel, Icon::Question, "Team"), Answer::Cancel);
  EXPECT_EQ(title, QStringLiteral("Team"));
  AnswerBox(Qt::Key_Return, {}, &title);
  EXPECT_EQ(dialogs.MsgBox("Delete the team?", Buttons::OKCancel, Icon::Question, ""), Answer::OK);
  EXPECT_EQ(title, QStringLiteral("Ondulix"));

  AnswerBox(Qt::Key_Return, QStringLiteral("LIONS"));
  EXPECT_EQ(dialogs.InputBox("Team name:", "New team"), "LIONS");
  AnswerBox(Qt::Key_Escape, QStringLiteral("LIONS"));
  EXPECT_EQ(dialogs.InputBox("Team name:", "New team"), "");

  // The file dialogs: the suggested name is offered, a name typed without the filter's extension
  // gets it, the next dialog starts in the folder of the file chosen, and Escape chooses nothing.
  TempFolder folder;
  folder.Write("people.csv", "");
  const QString at = QString::fromStdString(folder.path());
  QString offered, shown;
  AnswerFileDialog(at + QStringLiteral("/report"), &offered);
  EXPECT_EQ(dialogs.SaveFileName("Export Database", "LEAGUE.csv", "CSV files (*.csv)"),
            folder.path() + "/report.csv");
  EXPECT_EQ(offered.toStdString(), "LEAGUE.csv");

  AnswerFileDialog(QStringLiteral("people.csv"), nullptr, &shown);
  EXPECT_EQ(dialogs.OpenFileName("Import", "CSV files (*.csv)"), folder.path() + "/people.csv");
  EXPECT_EQ(shown.toStdString(), folder.path());

  AnswerBox(Qt::Key_Escape);
  EXPECT_EQ(dialogs.SaveFileName("Export Database", "LEAGUE.csv", "CSV files (*.csv)"), "");
}

}  // namespace
