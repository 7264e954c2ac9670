// The person lists and the windows under a real mouse, keyboard and screen reader: what the
// widget shows and what the window holds must agree after every pick, box and change of focus.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QWheelEvent>
#include <map>

#include "app/br_cp.h"
#include "charts/br_curve.h"
#include "charts/br_grp.h"
#include "charts/br_ind.h"
#include "charts/br_match.h"
#include "people/br_db.h"
#include "people/br_imp.h"
#include "platform/qt/list_view.h"
#include "platform/qt/screen.h"
#include "teams/br_tm.h"

namespace {

// Tab takes the focus from the date to the drop-down of databases and on to the persons, and
// Shift+Tab back: the focus alone picks no one. The mouse, the arrow keys and a screen reader
// pick a row; the reader types a date too, which clears the chart until the next pick. A box in
// the middle of a pick leaves no chart, and the focus leaving the list and coming back charts
// nobody; the keys go on from the refused row. No row ever shows as picked, current or selected,
// in the window and on the screen. In the drop-down's open list the arrow keys move and pick
// nothing; Enter picks, and the window lists the persons of the database picked.
TEST(PersonListOnScreen, KeysMouseAndScreenReaderChartTheRowPickedAndABoxLeavesNoChart) {
  Screen screen;
  screen.folder.Remove("LEAGUE.BDB");
  screen.folder.Write("PEOPLE.BDB",
                      "CY\r\n03/04/1980\r\nAL\r\n01/02/1960\r\nDI\r\n04/05/1990\r\nBO\r\n02/03/1970\r\n");
  WindowRef<br_ind> individual;
  br_ind& window = individual.Open(screen.g);
  auto* contents = screen.Child<ListView>(window, "Contents");
  auto* evDate = screen.Child<QLineEdit>(window, "EvDate");
  screen.Activate(window);
  for (const char* next : {"UpDate", "DownDate", "DbList", "Contents"}) {
    Press(Qt::Key_Tab);
    EXPECT_EQ(Focused(), next);
  }
  Press(Qt::Key_Tab, Qt::ShiftModifier);
  EXPECT_EQ(Focused(), "DbList");
  EXPECT_FALSE(contents->currentIndex().isValid());

  QAccessibleTableInterface* reader = QAccessible::queryAccessibleInterface(contents)->tableInterface();
  QAccessibleEditableTextInterface* date =
      QAccessible::queryAccessibleInterface(evDate)->editableTextInterface();
  // The actions of the steps: a click on a row, a key pressed in the list, a row the screen
  // reader selects.
  const auto click = [&](int row) -> std::function<void()> {
    return [=] { QTest::mouseClick(contents->viewport(), Qt::LeftButton, {}, RowCentre(*contents, row)); };
  };
  const auto key = [&](Qt::Key key) -> std::function<void()> {
    return [=] { QTest::keyClick(contents, key); };
  };
  const auto select = [&](int row) -> std::function<void()> { return [=] { reader->selectRow(row); }; };
  const struct {
    std::function<void()> act;
    const char* charted;
    std::vector<std::string> boxes = {};
  } steps[] = {
      {click(2), "CY"},         {key(Qt::Key_Down), "DI"}, {key(Qt::Key_Up), "CY"},   {key(Qt::Key_Up), "BO"},
      {key(Qt::Key_Home), "AL"}, {key(Qt::Key_Up), "AL"},  {key(Qt::Key_Down), "BO"}, {select(3), "DI"},
      {[&] { date->replaceText(0, static_cast<int>(evDate->text().size()), QStringLiteral("01/01/1985")); },
       ""},
      {select(0), "AL"},
      {click(3), "", {"DI(04/05/1990) was born after the event date (01/01/1985) !"}},
      {[&] {
         evDate->setFocus(Qt::TabFocusReason);
         contents->setFocus(Qt::TabFocusReason);
         QApplication::processEvents();
       },
       ""},
      {key(Qt::Key_Up), "CY"},
      // A date that is no date, typed before a pick: its box, then today and no chart.
      {[&] {
         evDate->selectAll();
         QTest::keyClicks(evDate, QStringLiteral("hello"));
       },
       ""},
      {click(0), "", {"hello is not a valid date !"}},
  };
  for (const auto& step : steps) {
    screen.boxes.clear();
    step.act();
    EXPECT_EQ(window.ChartName, step.charted);
    EXPECT_EQ(window.Label5.Caption().empty(), *step.charted == '\0') << step.charted;
    EXPECT_EQ(screen.boxes, step.boxes) << step.charted;
    EXPECT_EQ(window.Contents.ListIndex(), -1);
    EXPECT_FALSE(contents->currentIndex().isValid());
    EXPECT_TRUE(contents->selectionModel()->selectedRows().isEmpty());
  }
  EXPECT_EQ(evDate->text(), QStringLiteral("06/15/2005"));

  auto* databases = screen.Child<QComboBox>(window, "DbList");
  screen.Activate(window);
  databases->setFocus(Qt::TabFocusReason);
  Press(Qt::Key_Down, Qt::AltModifier);
  ASSERT_TRUE(databases->view()->isVisible());
  Press(Qt::Key_Down);
  EXPECT_EQ(screen.g.IndividualDatabase.FileName, "PEOPLE.BDB");
  Press(Qt::Key_Return);
  EXPECT_FALSE(databases->view()->isVisible());
  EXPECT_EQ(screen.g.IndividualDatabase.FileName, "PERSONAL.BDB");
  EXPECT_EQ(contents->model()->rowCount(), screen.g.IndividualDatabase.Count);
}

// Every window opened, as the user opens them. Match compares the persons clicked and shows the
// figures; a best match clicked is compared, and picked in the person list on the screen too.
// However the window system draws them, every window is a frame (the details dialog a dialog)
// and every control has a place of its own. A label's longest text fits it: the individual
// window's "Biorhythm" above its cycle lines, the three lines side by side; so does a button's
// caption, with room for its frame (the comparison's row of five). Every other control but a
// drawn line, pictures included, tells a screen reader what it is.
TEST(WindowsOnScreen, MatchShowsTheFiguresAndEveryControlIsNamedInAPlaceOfItsOwn) {
  Screen screen;
  screen.folder.Write("AAA.BDB",
                      "JUNE ONE\r\n06/15/1990\r\nSEPT TWO\r\n09/20/1992\r\nNEAR NED\r\n06/16/1990\r\n");
  // Clicks the row of the list on the window that starts with the text.
  const auto click = [&screen](const Form& form, const char* list, const char* start) {
    auto* view = screen.Child<ListView>(form, list);
    const QModelIndexList rows = view->model()->match(view->model()->index(0, 0), Qt::DisplayRole,
                                                      QString::fromLatin1(start), 1, Qt::MatchStartsWith);
    ASSERT_EQ(rows.size(), 1) << start << " is not listed in " << list;
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, RowCentre(*view, rows[0].row()));
  };
  WindowRef<br_cp> panel;
  panel.Open(screen.g);
  for (Button* open : {&panel->Command1, &panel->Command6, &panel->Command2, &panel->Command3}) open->Click();
  panel->BR_DB->DbAdd.Click();
  click(*panel->br_ind.get(), "Contents", "JUNE ONE");
  panel->br_ind->cb_Graph.Click();
  QTest::mouseClick(screen.Child<QPushButton>(*panel->br_ind.get(), "cb_Match"), Qt::LeftButton);
  panel->br_grp->cb_Outlook.Click();
  ASSERT_TRUE(panel->br_grp->TmList2.SetText("SUMMIT DEF.BTM"));
  panel->br_grp->cb_Chemistry.Click();
  br_match& match = *panel->br_ind->br_match.get();
  EXPECT_EQ(screen.desktop.Window(match)->windowTitle(), QStringLiteral("Compatibility"));
  click(match, "Contents", "SEPT TWO");
  EXPECT_EQ(screen.Child<QLabel>(match, "Pair")->text().toStdString(),
            "JUNE ONE and SEPT TWO, born 09/20/1992, 828 days apart");
  std::vector<std::string> figures;
  for (const char* label : {"Physical", "Emotional", "Intellectual", "Overall"}) {
    figures.push_back(screen.Child<QLabel>(match, label)->text().toStdString());
  }
  EXPECT_EQ(figures, (std::vector<std::string>{"Physical       100.00", "Emotional       22.25",
                                               "Intellectual    95.95", "Overall         72.73"}));
  click(match, "BestMatches", " 1  NEAR NED");
  EXPECT_EQ(screen.Child<QLabel>(match, "Overall")->text(), QStringLiteral("Overall         99.33"));
  auto* persons = screen.Child<ListView>(match, "Contents");
  EXPECT_TRUE(persons->currentIndex().data().toString().startsWith(QLatin1String("NEAR NED")));
  panel->br_ind->Label5.SetCaption("  Physical   22(+)");
  panel->br_ind->Label6.SetCaption("  Emotional  27(-)");
  panel->br_ind->Label7.SetCaption("  Intellect  32(+)");
  BR_IMP import(screen.g, screen.g.ManagerDatabase);
  import.Show();
  import.ShowFile("PEOPLE.CSV", "Full name,Date of birth\nAnn Lee,01/02/1990\n");
  // What a screen reader says of some controls: a caption, a buddy label's text, a title as it
  // reads now, or words of the window's own.
  const std::map<std::string, std::string> names = {
      {"br_grp.TmList1", "Team 1"},           {"BR_TM.cmdUp", "Move up"},
      {"br_ind.cb_Graph", "Graph"},           {"br_ind.Contents", "Persons"},
      {"br_curve.CriticalDays", "Critical Days"}, {"br_outlook.Days", "Outlook by day"},
      {"br_match.BestMatches", "Best matches"}, {"br_match.Bars", match.Pair.Caption()},
      {"br_curve.Chart", panel->br_ind->br_curve->Label1.Caption()},
      {"br_chem.Team2", "Team 2 : SUMMIT DEF.BTM"}, {"BR_DB.DbExport", "Export the database as CSV"},
      {"br_curve.cb_Calendar", "Calendar of the critical days of the coming year"}};
  size_t named = 0;
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
      const QString name = QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
      if (const auto known = names.find(where); known != names.end()) {
        EXPECT_EQ(name.toStdString(), known->second) << where;
        ++named;
      }
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
      EXPECT_FALSE(name.trimmed().isEmpty()) << where;
      if (kind != Control::Kind::ComboBox) continue;
      QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(widget);
      // A closed drop-down: its value, its text and the selected row of its list all give the
      // entry the control shows.
      const auto& list = *static_cast<const ComboBox*>(control);
      const QString shown = QString::fromStdString(list.ListIndex() >= 0 ? list.List(list.ListIndex()) : "");
      QAccessibleTextInterface* text = reader->textInterface();
      QAccessibleTableInterface* rows = reader->child(0)->tableInterface();
      ASSERT_TRUE(text && rows) << where;
      EXPECT_EQ(reader->text(QAccessible::Value), shown) << where;
      EXPECT_EQ(text->text(0, text->characterCount()), shown) << where;
      EXPECT_EQ(rows->selectedRows(), list.ListIndex() >= 0 ? QList<int>{list.ListIndex()} : QList<int>{})
          << where;
    }
  }
  EXPECT_EQ(named, names.size());
  EXPECT_TRUE(screen.boxes.empty());
}

// The team manager under a real mouse. Any button on a person of the team's database picks the
// row a drag will carry; the member list takes a person dragged below its rows as a new last
// member. A press on a label is not a click on the window's background. A wheel turned over a
// drop-down the user has not gone to picks nothing, so asks nothing; once the drop-down has the
// focus, each step is a pick, as from the arrow keys, and the changed team asks first.
TEST(TeamManagerDrag, AnyButtonPicksThePersonADropAddsItAWheelPicksOnlyWithTheFocus) {
  if (!PlatformCarriesDrags()) GTEST_SKIP() << "the platform ends every drag at once";
  Screen screen;
  WindowRef<BR_TM> window;
  BR_TM& manager = window.Open(screen.g);
  ASSERT_TRUE(manager.TmList.SetText("COMETS.BTM"));
  auto* people = screen.Child<ListView>(manager, "DbContents");
  auto* members = screen.Child<ListView>(manager, "TmContents");
  const int count = manager.TmContents.ListCount();
  QTest::mouseClick(people->viewport(), Qt::RightButton, {}, RowCentre(*people, 2));
  EXPECT_EQ(manager.DbContents.ListIndex(), 2);
  EXPECT_EQ(people->currentIndex().row(), 2);

  DragRow(*people, 2, *members, QPoint(5, members->viewport()->height() - 5));
  ASSERT_EQ(members->model()->rowCount(), count + 1);
  EXPECT_EQ(manager.TmContents.List(count), manager.DbContents.List(2));

  manager.TmContents.SetListIndex(0);
  QTest::mouseClick(screen.Child<QWidget>(manager, "Label4"), Qt::LeftButton);
  EXPECT_TRUE(manager.cmdDown.Enabled());
  QTest::mouseClick(screen.desktop.Window(manager), Qt::LeftButton, {}, QPoint(3, 3));
  EXPECT_FALSE(manager.cmdDown.Enabled());

  auto* teams = screen.Child<QComboBox>(manager, "TmList");
  const int shown = manager.TmList.ListIndex();
  screen.Activate(manager);
  for (QWidget* focus : {static_cast<QWidget*>(people), static_cast<QWidget*>(teams)}) {
    focus->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    // One step down, handed over as the window system hands it: a wheel may bring the focus.
    const QPointF at = QRectF(teams->rect()).center();
    QWheelEvent wheel(at, teams->mapToGlobal(at), {}, QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QSpontaneKeyEvent::setSpontaneous(&wheel);
    QApplication::instance()->notify(teams, &wheel);
    const bool picked = focus == teams;
    EXPECT_TRUE(picked || !teams->hasFocus()) << "the wheel took the focus";
    EXPECT_EQ(manager.TmList.ListIndex(), shown + picked);
    EXPECT_EQ(teams->currentIndex(), shown + picked);
    EXPECT_EQ(screen.boxes.size(), picked ? 1u : 0u);
  }
  EXPECT_EQ(screen.boxes, std::vector<std::string>{"Team COMETS.BTM modified ! Save changes ?"});
}

}  // namespace
