// The person lists under a real mouse, keyboard and screen reader: what the widget shows and
// what the window holds must agree after every pick, box and change of focus.
#include <QAccessible>
#include <QInputMethodEvent>
#include <QLabel>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>

#include "app/br_cp.h"
#include "charts/br_chem.h"
#include "charts/br_curve.h"
#include "charts/br_grp.h"
#include "charts/br_ind.h"
#include "charts/br_match.h"
#include "charts/br_outlook.h"
#include "people/br_db.h"
#include "people/br_frm.h"
#include "people/br_imp.h"
#include "platform/qt/list_view.h"
#include "platform/qt/screen.h"
#include "teams/br_tm.h"

namespace {

// Sorted: AL, BO, CY, DI, TOMORROW KID (born the day after the event date).
const char* People = "CY\r\n03/04/1980\r\nAL\r\n01/02/1960\r\nTOMORROW KID\r\n06/16/2005\r\n"
                     "DI\r\n04/05/1990\r\nBO\r\n02/03/1970\r\n";

struct Individual : Screen {
  Individual() {
    for (const char* name : {"LEAGUE.BDB", "PERSONAL.BDB"}) folder.Remove(name);
    folder.Write("PEOPLE.BDB", People);
    window = &individual.Open(g);
    contents = Child<ListView>(*window, "Contents");
    evDate = Child<QLineEdit>(*window, "EvDate");
  }

  void Click(int row) { QTest::mouseClick(contents->viewport(), Qt::LeftButton, {}, RowCentre(*contents, row)); }
  void Key(Qt::Key key) { QTest::keyClick(contents, key); }
  // No row shows as picked, current or selected, in the window and on the screen.
  void ExpectNoPick() const {
    EXPECT_EQ(window->Contents.ListIndex(), -1);
    EXPECT_FALSE(contents->currentIndex().isValid());
    EXPECT_TRUE(contents->selectionModel()->selectedRows().isEmpty());
  }

  WindowRef<br_ind> individual;
  br_ind* window = nullptr;
  ListView* contents = nullptr;
  QLineEdit* evDate = nullptr;
};

// What a screen reader finds of a closed drop-down: its value, its text and the selected row of
// its list all give the entry the control shows.
void ExpectReadsTheEntryShown(const ComboBox& control, QComboBox* widget) {
  const int row = control.ListIndex();
  const std::string shown = row >= 0 ? control.List(row) : "";
  QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(widget);
  EXPECT_EQ(reader->text(QAccessible::Value).toStdString(), shown) << control.Name();
  QAccessibleTextInterface* text = reader->textInterface();
  ASSERT_NE(text, nullptr) << control.Name();
  EXPECT_EQ(text->text(0, text->characterCount()).toStdString(), shown) << control.Name();
  QAccessibleTableInterface* rows = reader->child(0)->tableInterface();
  ASSERT_NE(rows, nullptr) << control.Name();
  EXPECT_EQ(rows->selectedRows(), row >= 0 ? QList<int>{row} : QList<int>{}) << control.Name();
}

// The mouse, the arrow keys and a screen reader pick a row; the reader types a date too, which
// clears the chart until the next pick.
TEST(PersonListOnScreen, MouseKeysAndScreenReaderChartTheRowPicked) {
  Individual screen;
  ASSERT_NE(screen.contents, nullptr);
  ASSERT_EQ(screen.contents->model()->rowCount(), 5);
  QAccessibleTableInterface* reader = QAccessible::queryAccessibleInterface(screen.contents)->tableInterface();
  QAccessibleEditableTextInterface* date = QAccessible::queryAccessibleInterface(screen.evDate)->editableTextInterface();
  ASSERT_TRUE(reader && date);
  const auto type = [&](const char* text) {
    date->replaceText(0, static_cast<int>(screen.evDate->text().size()), QString::fromLatin1(text));
  };
  struct Step {
    std::function<void()> act;
    const char* charted;
  };
  const std::vector<Step> steps = {
      {[&] { screen.Click(2); }, "CY"},          {[&] { screen.Key(Qt::Key_Down); }, "DI"},
      {[&] { screen.Key(Qt::Key_Up); }, "CY"},   {[&] { screen.Key(Qt::Key_Up); }, "BO"},
      {[&] { screen.Key(Qt::Key_Home); }, "AL"}, {[&] { screen.Key(Qt::Key_Up); }, "AL"},
      {[&] { screen.Key(Qt::Key_Down); }, "BO"}, {[&] { reader->selectRow(3); }, "DI"},
      {[&] { type("01/01/2000"); }, ""},         {[&] { reader->selectRow(0); }, "AL"},
  };
  for (const Step& step : steps) {
    step.act();
    EXPECT_EQ(screen.window->ChartName, step.charted);
    EXPECT_EQ(screen.window->Label5.Caption().empty(), *step.charted == '\0') << step.charted;
    screen.ExpectNoPick();
  }
  EXPECT_EQ(screen.g.EventDate, "01/01/2000");
  EXPECT_EQ(screen.window->ChartEventDate, "01/01/2000");
  EXPECT_TRUE(screen.boxes.empty());
}

TEST(PersonListOnScreen, ABoxInTheMiddleOfAPickLeavesNoChartAndNoPick) {
  Individual screen;
  screen.contents->setFocus(Qt::MouseFocusReason);
  screen.Click(4);  // TOMORROW KID
  ASSERT_EQ(screen.boxes.size(), 1u);
  EXPECT_EQ(screen.boxes[0], "Invalid date of birth : TOMORROW KID(06/16/2005) !");
  QApplication::processEvents();
  EXPECT_EQ(screen.window->ChartName, "");
  EXPECT_EQ(screen.window->Label5.Caption(), "");
  screen.ExpectNoPick();

  // The focus leaves the list and comes back: still nobody is charted or picked.
  screen.evDate->setFocus(Qt::TabFocusReason);
  screen.contents->setFocus(Qt::TabFocusReason);
  QApplication::processEvents();
  EXPECT_EQ(screen.window->ChartName, "");
  screen.ExpectNoPick();

  // The keys go on from the refused row.
  screen.Key(Qt::Key_Up);
  EXPECT_EQ(screen.window->ChartName, "DI");

  // A date that is no date, typed before a pick: its box, then today and no chart.
  screen.evDate->selectAll();
  QTest::keyClicks(screen.evDate, QStringLiteral("hello"));
  EXPECT_EQ(screen.g.EventDate, "hello");
  EXPECT_EQ(screen.window->ChartName, "");
  screen.Click(0);
  EXPECT_EQ(screen.boxes.back(), "hello is not a valid date !");
  EXPECT_EQ(screen.evDate->text(), QStringLiteral("06/15/2005"));
  EXPECT_EQ(screen.window->ChartName, "");
  screen.ExpectNoPick();
}

// However the window system draws them, every window is a frame (the details dialog a dialog)
// and every control has a place of its own. A label's longest text fits it: the individual
// window's "Biorhythm" above its cycle lines, the three lines side by side; so does a button's
// caption, with room for its frame (the comparison's row of five). Every other control but a
// drawn line, pictures included, tells a screen reader what it is.
TEST(WindowsOnScreen, EveryControlIsNamedInAPlaceOfItsOwnAndEveryWindowHasItsRole) {
  Screen screen;
  GLOBAL& g = screen.g;
  WindowRef<br_cp>& panel = screen.panel;
  panel.Open(g);
  for (Button* open : {&panel->Command1, &panel->Command6, &panel->Command2, &panel->Command3}) {
    open->Click();
  }
  panel->BR_DB->DbAdd.Click();
  panel->br_ind->Contents.SetListIndex(0);
  panel->br_ind->cb_Graph.Click();
  panel->br_ind->cb_Match.Click();
  panel->br_grp->cb_Outlook.Click();
  panel->br_grp->cb_Chemistry.Click();
  br_match& match = *panel->br_ind->br_match.get();
  ASSERT_TRUE(panel->BR_DB->BR_FRM.Loaded() && panel->br_ind->br_curve.Loaded() &&
              panel->br_grp->br_outlook.Loaded() && panel->br_ind->br_match.Loaded() &&
              panel->br_grp->br_chem.Loaded());
  match.Contents.SetListIndex(0);
  ASSERT_TRUE(match.Shown);
  panel->br_ind->Label5.SetCaption("  Physical   22(+)");
  panel->br_ind->Label6.SetCaption("  Emotional  27(-)");
  panel->br_ind->Label7.SetCaption("  Intellect  32(+)");
  BR_IMP import(g, g.ManagerDatabase);
  import.Show();
  import.ShowFile("PEOPLE.CSV", "Full name,Date of birth\nAnn Lee,01/02/1990\n");

  for (const Form* form : screen.desktop.LoadedForms()) {
    QWidget* window = screen.desktop.Window(*form);
    ASSERT_NE(window, nullptr) << form->Name();
    const QAccessible::Role role = QAccessible::queryAccessibleInterface(window)->role();
    EXPECT_EQ(role, form->IsDialog ? QAccessible::Dialog : QAccessible::Window) << form->Name();
    std::vector<std::pair<std::string, QRect>> placed;
    for (const Control* control : form->Controls()) {
      const Control::Kind kind = control->kind();
      if (kind == Control::Kind::Line) continue;
      const std::string where = form->Name() + "." + control->Name();
      auto* widget = screen.Child<QWidget>(*form, control->Name().c_str());
      ASSERT_NE(widget, nullptr) << where;
      for (const auto& [other, place] : placed) {
        // A pixel's rounding of twips aside (the team manager's two arrows touch).
        const QRect both = widget->geometry().intersected(place);
        EXPECT_FALSE(both.width() > 1 && both.height() > 1) << where << " covers " << other;
      }
      placed.emplace_back(control->Name(), widget->geometry());
      if (auto* label = qobject_cast<QLabel*>(widget); label && !label->wordWrap()) {
        EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->contentsRect().width())
            << where << " cuts \"" << label->text().toStdString() << "\"";
      }
      if (auto* button = qobject_cast<QPushButton*>(widget); button && !button->text().isEmpty()) {
        const QString caption = QString(button->text()).remove(QLatin1Char('&'));
        EXPECT_LE(button->fontMetrics().horizontalAdvance(caption) + 8, button->width())
            << where << " cuts \"" << caption.toStdString() << "\"";
      }
      if (kind == Control::Kind::Label) continue;
      EXPECT_FALSE(QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name).trimmed().isEmpty()) << where;
      if (kind == Control::Kind::ComboBox) {
        ExpectReadsTheEntryShown(*static_cast<const ComboBox*>(control), qobject_cast<QComboBox*>(widget));
      }
    }
  }
  const struct {
    const Form& form;
    const char* control;
    std::string name;
  } names[] = {
      {*panel->br_grp.get(), "TmList1", "Team 1"},      {*panel->BR_TM.get(), "cmdUp", "Move up"},
      {*panel->br_ind.get(), "cb_Graph", "Graph"},      {*panel->br_grp.get(), "cb_Outlook", "Outlook"},
      {*panel->br_ind->br_curve.get(), "Chart", panel->br_ind->br_curve->Label1.Caption()},
      {*panel->br_ind->br_curve.get(), "CriticalDays", "Critical Days"},
      {*panel->br_grp->br_outlook.get(), "Days", "Outlook by day"},
      {*panel->br_ind.get(), "Contents", "Persons"},    {*panel->br_ind.get(), "cb_Match", "Match"},
      {*panel->br_grp.get(), "cb_Chemistry", "Chemistry"}, {match, "Contents", "Compare with"},
      {match, "BestMatches", "Best matches"},           {match, "Bars", match.Pair.Caption()},
      {*panel->br_grp->br_chem.get(), "Bars2", panel->br_grp->br_chem->Chemistry2.Caption()},
      {*panel->BR_DB.get(), "DbExport", "Export the database as CSV"},
      {*panel->br_ind->br_curve.get(), "cb_Calendar", "Calendar of the critical days of the coming year"},
  };
  for (const auto& c : names) {
    auto* widget = screen.Child<QWidget>(c.form, c.control);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name).toStdString(), c.name);
  }
  // The team drop-down is read "Team 1", then the team it shows.
  ASSERT_EQ(panel->br_grp->TmList1.ListIndex(), 0);
  EXPECT_EQ(panel->br_grp->TmList1.List(0), "HARBOR OFF.BTM");
}

// A wheel turned over a drop-down the user has not gone to picks nothing, so asks nothing; once
// the drop-down has the focus, each step is a pick, as from the arrow keys.
TEST(DropDownOnScreen, AWheelPicksOnlyInTheDropDownThatHasTheFocus) {
  Screen screen;
  WindowRef<BR_TM> window;
  BR_TM& manager = window.Open(screen.g);
  ASSERT_TRUE(manager.TmList.SetText("COMETS.BTM"));
  // A changed team: picking another one asks first.
  manager.DbContents.SetListIndex(0);
  manager.DbAdd.Click();
  auto* teams = screen.Child<QComboBox>(manager, "TmList");
  auto* people = screen.Child<ListView>(manager, "DbContents");
  ASSERT_TRUE(teams && people);
  const int shown = manager.TmList.ListIndex();
  // One step down, handed over as the window system hands it: a wheel may bring the focus.
  const auto turn = [teams] {
    const QPointF at = QRectF(teams->rect()).center();
    QWheelEvent wheel(at, teams->mapToGlobal(at), {}, QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QSpontaneKeyEvent::setSpontaneous(&wheel);
    QApplication::instance()->notify(teams, &wheel);
  };
  const auto focus = [](QWidget* widget) {
    widget->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    ASSERT_TRUE(widget->hasFocus());
  };
  focus(people);
  turn();
  EXPECT_FALSE(teams->hasFocus());
  EXPECT_EQ(manager.TmList.ListIndex(), shown);
  EXPECT_EQ(teams->currentIndex(), shown);
  EXPECT_TRUE(screen.boxes.empty());

  focus(teams);
  turn();
  EXPECT_EQ(manager.TmList.ListIndex(), shown + 1);
  EXPECT_EQ(screen.boxes, std::vector<std::string>{"Team COMETS.BTM modified ! Save changes ?"});
  ExpectReadsTheEntryShown(manager.TmList, teams);
}

// Any mouse button on a person of the team's database picks the row a drag will carry; the
// member list takes a person dragged below its rows as a new last member.
TEST(TeamManagerDrag, AnyButtonPicksThePersonADropAddsIt) {
  if (!PlatformCarriesDrags()) GTEST_SKIP() << "the platform ends every drag at once";
  Screen screen;
  WindowRef<BR_TM> window;
  BR_TM& manager = window.Open(screen.g);
  ASSERT_TRUE(manager.TmList.SetText("COMETS.BTM"));
  auto* people = screen.Child<ListView>(manager, "DbContents");
  auto* members = screen.Child<ListView>(manager, "TmContents");
  ASSERT_NE(people, nullptr);
  const int count = manager.TmContents.ListCount();
  const int row = 2;
  QTest::mouseClick(people->viewport(), Qt::RightButton, {}, RowCentre(*people, row));
  EXPECT_EQ(manager.DbContents.ListIndex(), row);
  EXPECT_EQ(people->currentIndex().row(), row);

  DragRow(*people, row, *members, QPoint(5, members->viewport()->height() - 5));
  ASSERT_EQ(manager.TmContents.ListCount(), count + 1);
  EXPECT_EQ(manager.TmContents.List(count), manager.DbContents.List(row));
  EXPECT_EQ(members->model()->rowCount(), count + 1);

  // A press on a label is not a click on the window's background: the member stays picked.
  manager.TmContents.SetListIndex(0);
  QTest::mouseClick(screen.Child<QWidget>(manager, "Label4"), Qt::LeftButton);
  EXPECT_TRUE(manager.cmdDown.Enabled());
  QTest::mouseClick(screen.desktop.Window(manager), Qt::LeftButton, {}, QPoint(3, 3));
  EXPECT_FALSE(manager.cmdDown.Enabled());
}

// Letters typed with accents keep their base letters, those no single-byte text holds too;
// the box shows them as typed.
TEST(DetailsDialogOnScreen, TypedLettersWithAccentsKeepTheirBaseLetters) {
  Screen screen;
  WindowRef<BR_DB> window;
  BR_DB& manager = window.Open(screen.g);
  const struct {
    QString typed;
    std::string held;
    std::string stored;
  } cases[] = {
      {QStringLiteral("Jos\u00e9"), "Jos\xC3\xA9", "JOSE"},
      {QStringLiteral("\u0141ukasz \u00d6st"), "\xC5\x81ukasz \xC3\x96st", "LUKASZ OST"},
  };
  for (const auto& c : cases) {
    manager.DbAdd.Click();
    BR_FRM& dialog = *manager.BR_FRM.get();
    auto* name = screen.Child<QLineEdit>(dialog, "tb_name");
    // Typed as an input method hands over letters a key press cannot name.
    QInputMethodEvent typed;
    typed.setCommitString(c.typed);
    QApplication::sendEvent(name, &typed);
    QTest::keyClicks(screen.Child<QLineEdit>(dialog, "tb_dob"), QStringLiteral("01/01/1990"));
    EXPECT_EQ(dialog.tb_name.Text(), c.held);
    EXPECT_EQ(name->text(), c.typed);
    QTest::mouseClick(screen.Child<QPushButton>(dialog, "Command1"), Qt::LeftButton);
    EXPECT_EQ(screen.g.ManagerDatabase.Persons.back().Name, c.stored);
  }
}

}  // namespace
