#include "platform/qt/qt_dialogs.h"

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

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

TEST(QtDialogs, EscapeCancelsAndEnterAnswersOkWithTheTypedText) {
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
}

}  // namespace
