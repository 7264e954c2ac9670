// Compatibility and team chemistry on the real widgets: persons and teams picked with the mouse,
// the figures read from the labels on the screen.
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "charts/br_chem.h"
#include "charts/br_grp.h"
#include "charts/br_ind.h"
#include "charts/br_match.h"
#include "platform/qt/list_view.h"
#include "platform/qt/screen.h"

namespace {

struct CompatibilityScreen : Screen {
  // Clicks the row of the list on the window that starts with the text.
  void ClickRow(const Form& form, const char* list, const char* start) {
    auto* view = Child<ListView>(form, list);
    ASSERT_NE(view, nullptr) << list;
    const QAbstractItemModel& rows = *view->model();
    for (int row = 0; row < rows.rowCount(); ++row) {
      if (rows.index(row, 0).data().toString().startsWith(QLatin1String(start))) {
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, RowCentre(*view, row));
        return;
      }
    }
    ADD_FAILURE() << start << " is not listed in " << list;
  }
  void Press(const Form& form, const char* button) {
    auto* widget = Child<QPushButton>(form, button);
    ASSERT_NE(widget, nullptr) << button;
    QTest::mouseClick(widget, Qt::LeftButton);
  }
  std::string Text(const Form& form, const char* label) {
    auto* widget = Child<QLabel>(form, label);
    return widget ? widget->text().toStdString() : "(no " + std::string(label) + ")";
  }
};

TEST(CompatibilityOnScreen, MatchComparesThePersonsClickedAndShowsTheFigures) {
  CompatibilityScreen screen;
  screen.folder.Write("AAA.BDB", "JUNE ONE\r\n06/15/1990\r\nSEPT TWO\r\n09/20/1992\r\nNEAR NED\r\n06/16/1990\r\n");
  WindowRef<br_ind> individualRef;
  br_ind& individual = individualRef.Open(screen.g);
  ASSERT_EQ(individual.DbList.Text(), "AAA.BDB");
  screen.ClickRow(individual, "Contents", "JUNE ONE");
  ASSERT_EQ(individual.ChartName, "JUNE ONE");
  screen.Press(individual, "cb_Match");
  ASSERT_TRUE(individual.br_match.Loaded());
  const br_match& window = *individual.br_match.get();
  EXPECT_EQ(screen.desktop.Window(window)->windowTitle(), QStringLiteral("Compatibility"));
  auto* matches = screen.Child<ListView>(window, "BestMatches");
  ASSERT_NE(matches, nullptr);
  ASSERT_EQ(matches->model()->rowCount(), 2);
  EXPECT_TRUE(matches->model()->index(0, 0).data().toString().startsWith(QLatin1String(" 1  NEAR NED")));

  screen.ClickRow(window, "Contents", "SEPT TWO");
  EXPECT_EQ(screen.Text(window, "Pair"), "JUNE ONE and SEPT TWO, born 09/20/1992, 828 days apart");
  std::vector<std::string> figures;
  for (const char* label : {"Physical", "Emotional", "Intellectual", "Overall"}) figures.push_back(screen.Text(window, label));
  EXPECT_EQ(figures, (std::vector<std::string>{"Physical       100.00", "Emotional       22.25",
                                               "Intellectual    95.95", "Overall         72.73"}));

  // A best match clicked is compared, and picked in the person list on the screen too.
  screen.ClickRow(window, "BestMatches", " 1  NEAR NED");
  EXPECT_EQ(screen.Text(window, "Overall"), "Overall         99.33");
  auto* persons = screen.Child<ListView>(window, "Contents");
  EXPECT_TRUE(persons->currentIndex().data().toString().startsWith(QLatin1String("NEAR NED")));
  EXPECT_TRUE(screen.boxes.empty());
}

TEST(CompatibilityOnScreen, ChemistryShowsBothTeamsOfTheComparison) {
  CompatibilityScreen screen;
  screen.g.LeaguePreset = "NFL";
  screen.g.GroupTeam1.FileName = "HARBOR OFF.BTM";
  screen.g.GroupTeam2.FileName = "SUMMIT DEF.BTM";
  WindowRef<br_grp> comparisonRef;
  br_grp& comparison = comparisonRef.Open(screen.g);
  screen.Press(comparison, "cb_Chemistry");
  ASSERT_TRUE(comparison.br_chem.Loaded());
  const br_chem& window = *comparison.br_chem.get();
  EXPECT_EQ(screen.Text(window, "Team1"), "Team 1 : HARBOR OFF.BTM");
  EXPECT_EQ(screen.Text(window, "Team2"), "Team 2 : SUMMIT DEF.BTM");
  const struct {
    const TeamChemistry& team;
    const char* chemistry;
    const char* overall;
  } sides[] = {{window.Shown1, "Chemistry1", "Overall1"}, {window.Shown2, "Chemistry2", "Overall2"}};
  for (const auto& side : sides) {
    ASSERT_TRUE(side.team.Known()) << side.chemistry;
    const std::string figure = Percent(side.team.Mean.Overall());
    EXPECT_EQ(screen.Text(window, side.chemistry), "Chemistry : " + figure);
    EXPECT_EQ(screen.Text(window, side.overall), "Overall" + std::string(14 - figure.size(), ' ') + figure);
    EXPECT_EQ(side.team.Pairs, side.team.Members * (side.team.Members - 1) / 2);
  }
  EXPECT_TRUE(screen.boxes.empty());
}

}  // namespace
