#include "platform/qt/qt_dialogs.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include "platform/qt/screen.h"

namespace {

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
