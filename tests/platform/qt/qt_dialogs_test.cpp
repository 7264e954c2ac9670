#include "platform/qt/qt_dialogs.h"

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// Presses a key on the modal box once it is up.
void PressOnBox(Qt::Key key, QString* title = nullptr) {
  QTimer::singleShot(0, [key, title] {
    QWidget* box = QApplication::activeModalWidget();
    if (!box) return;
    if (title) *title = box->windowTitle();
    QTest::keyClick(box, key);
  });
}

TEST(QtDialogs, EscapeOnOkCancelAnswersCancelAndEnterAnswersOk) {
  QtDialogs dialogs;
  QString title;
  PressOnBox(Qt::Key_Escape, &title);
  EXPECT_EQ(dialogs.MsgBox("Delete the team?", Buttons::OKCancel, Icon::Question, "Team"), Answer::Cancel);
  EXPECT_EQ(title, QStringLiteral("Team"));

  PressOnBox(Qt::Key_Return, &title);
  EXPECT_EQ(dialogs.MsgBox("Delete the team?", Buttons::OKCancel, Icon::Question, ""), Answer::OK);
  EXPECT_EQ(title, QStringLiteral("Ondulix"));
}

TEST(QtDialogs, InputBoxGivesTheTypedTextOrNothingWhenCancelled) {
  QtDialogs dialogs;
  QTimer::singleShot(0, [] {
    QWidget* box = QApplication::activeModalWidget();
    if (!box) return;
    QTest::keyClicks(box->focusWidget(), QStringLiteral("LIONS"));
    QTest::keyClick(box, Qt::Key_Return);
  });
  EXPECT_EQ(dialogs.InputBox("Team name:", "New team"), "LIONS");

  PressOnBox(Qt::Key_Escape);
  EXPECT_EQ(dialogs.InputBox("Team name:", "New team"), "");
}

}  // namespace
