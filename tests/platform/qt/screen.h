// The program on the offscreen screen: real windows and real message boxes over a data folder
// of the test's own, with today fixed. Boxes that come up are remembered and answered with the
// buttons the test scripts, in turn, then OK.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <deque>
#include <string>
#include <vector>

#include "core/cycle_tables.h"
#include "core/globals.h"
#include "platform/qt/qt_desktop.h"
#include "platform/qt/qt_dialogs.h"
#include "support/doubles.h"
#include "support/test_data.h"

struct Screen {
  Screen() {
    folder.AddShippedData(true);
    InitGlobals(g, folder.path());
    LoadCycleTables(g);
    // A box that comes up is read and its button pressed, as the user would.
    answerer.setInterval(5);
    QObject::connect(&answerer, &QTimer::timeout, [this] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box) return;
      boxes.push_back(box->text().toStdString());
      const QMessageBox::StandardButton answer = answers.empty() ? QMessageBox::Ok : answers.front();
      if (!answers.empty()) answers.pop_front();
      box->button(answer)->click();
    });
    answerer.start();
  }

  // The control's widget on the form's window; null when either is not shown.
  template <class W>
  W* Child(const Form& form, const char* name) const {
    QWidget* window = desktop.Window(form);
    return window ? window->findChild<W*>(QString::fromLatin1(name)) : nullptr;
  }

  // The form's window made the active one, as when the user goes to it.
  void Activate(const Form& form) const {
    QWidget* window = desktop.Window(form);
    ASSERT_NE(window, nullptr) << form.Name();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window)) << form.Name();
  }

  TempFolder folder;
  QtDesktop desktop;
  QtDialogs dialogs;
  RecordingPrinter printer;
  FixedClock clock{Date{std::chrono::year{2005}, std::chrono::June, std::chrono::day{15}}};
  GLOBAL g{Platform{desktop, dialogs, printer, clock, folder.path()}};
  std::vector<std::string> boxes;
  std::deque<QMessageBox::StandardButton> answers;
  QTimer answerer;
};

// A key as the user presses it: to the open list of a drop-down, else to the widget with the
// focus.
inline void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QTest::keyClick(static_cast<QWidget*>(nullptr), key, modifiers);
}

// The control the keys go to, by name.
inline std::string Focused() {
  const QWidget* widget = QApplication::focusWidget();
  return widget ? widget->objectName().toStdString() : "";
}

// Where a row of a list view stands on its viewport.
inline QPoint RowCentre(const QAbstractItemView& view, int row) {
  return view.visualRect(view.model()->index(row, 0)).center();
}

// Whether the platform carries a drag inside the program, as a desktop does; the offscreen one
// ends every drag at once. The tests of real drags run on one that does (suites named *Drag).
inline bool PlatformCarriesDrags() { return QGuiApplication::platformName() != QStringLiteral("offscreen"); }

// A row of one list dragged with the left button and let go over a point of another list. The
// move and the release come while the drag runs, as a real mouse's do.
inline void DragRow(QAbstractItemView& from, int row, QAbstractItemView& to, QPoint at) {
  QTest::mousePress(from.viewport(), Qt::LeftButton, {}, RowCentre(from, row));
  // Queued behind the start of the drag, which the press has asked for.
  QTimer::singleShot(0, to.viewport(), [&to, at] {
    QTest::mouseMove(to.viewport(), at);
    QTest::mouseRelease(to.viewport(), Qt::LeftButton, {}, at);
  });
  QCoreApplication::processEvents();
}

// Once the file dialog is up, notes the name it offers and the folder it shows, types the name
// into its name box and presses Enter, as the user would. A name the dialog refuses would leave
// it (and its warning) open for ever: both are then closed, choosing nothing, so a test fails
// rather than waits.
inline void AnswerFileDialog(const QString& typed, QString* offered = nullptr, QString* folder = nullptr) {
  QTimer::singleShot(0, [=] {
    QPointer<QFileDialog> dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    auto* name = dialog ? dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")) : nullptr;
    if (!name) return;
    if (offered) *offered = name->text();
    if (folder) *folder = dialog->directory().absolutePath();
    name->setText(typed);
    QTimer::singleShot(0, [dialog] {
      auto* warning = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (warning && dialog && warning->parentWidget() == dialog) warning->reject();
    });
    QTest::keyClick(name, Qt::Key_Return);
    if (dialog && dialog->isVisible()) dialog->reject();
  });
}
