// Compatibility on the real widgets: persons picked with the mouse, the figures read from the
// labels on the screen.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "charts/br_ind.h"
#include "charts/br_match.h"
#include "platform/qt/list_view.h"
#include "platform/qt/screen.h"

namespace {

TEST(CompatibilityOnScreen, MatchComparesThePersonsClickedAndShowsTheFigures) {
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
  const auto text = [&screen](const Form& form, const char* label) {
    return screen.Child<QLabel>(form, label)->text().toStdString();
  };
  WindowRef<br_ind> individualRef;
  br_ind& individual = individualRef.Open(screen.g);
  click(individual, "Contents", "JUNE ONE");
  QTest::mouseClick(screen.Child<QPushButton>(individual, "cb_Match"), Qt::LeftButton);
  const br_match& window = *individual.br_match.get();
  EXPECT_EQ(screen.desktop.Window(window)->windowTitle(), QStringLiteral("Compatibility"));
  const QAbstractItemModel& matches = *screen.Child<ListView>(window, "BestMatches")->model();
  ASSERT_EQ(matches.rowCount(), 2);
  EXPECT_TRUE(matches.index(0, 0).data().toString().startsWith(QLatin1String(" 1  NEAR NED")));

  click(window, "Contents", "SEPT TWO");
  EXPECT_EQ(text(window, "Pair"), "JUNE ONE and SEPT TWO, born 09/20/1992, 828 days apart");
  std::vector<std::string> figures;
  for (const char* label : {"Physical", "Emotional", "Intellectual", "Overall"})
    figures.push_back(text(window, label));
  EXPECT_EQ(figures, (std::vector<std::string>{"Physical       100.00", "Emotional       22.25",
                                               "Intellectual    95.95", "Overall         72.73"}));

  // A best match clicked is compared, and picked in the person list on the screen too.
  click(window, "BestMatches", " 1  NEAR NED");
  EXPECT_EQ(text(window, "Overall"), "Overall         99.33");
  auto* persons = screen.Child<ListView>(window, "Contents");
  EXPECT_TRUE(persons->currentIndex().data().toString().startsWith(QLatin1String("NEAR NED")));
  EXPECT_TRUE(screen.boxes.empty());
}

}  // namespace
