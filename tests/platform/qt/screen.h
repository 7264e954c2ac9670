// The program on the offscreen screen: real windows and real message boxes over a data folder
// of the test's own, with today fixed. Boxes that come up are answered OK and remembered.
#pragma once

#include <QAbstractItemView>
#include <QDropEvent>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>
#include <string>
#include <vector>

#include "app/br_cp.h"
#include "core/cycle_tables.h"
#include "core/globals.h"
#include "platform/qt/qt_desktop.h"
#include "platform/qt/qt_dialogs.h"
#include "support/doubles.h"
#include "support/test_data.h"

// The control's widget on the form's window; null when either is not shown.
template <class W>
W* Child(const QtDesktop& desktop, const Form& form, const char* name) {
  QWidget* window = desktop.Window(form);
  return window ? window->findChild<W*>(QString::fromLatin1(name)) : nullptr;
}

struct Screen {
  Screen() {
    folder.AddShippedData(true);
    InitGlobals(g, folder.path());
    LoadCycleTables(g);
    // A box that comes up is read and answered OK, as the user would.
    answerer.setInterval(5);
    QObject::connect(&answerer, &QTimer::timeout, [this] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box) return;
      boxes.push_back(box->text().toStdString());
      box->button(QMessageBox::Ok)->click();
    });
    answerer.start();
  }

  template <class W>
  W* Child(const Form& form, const char* name) const {
    return ::Child<W>(desktop, form, name);
  }

  TempFolder folder;
  QtDesktop desktop;
  QtDialogs dialogs;
  RecordingPrinter printer;
  FixedClock clock{Date{std::chrono::year{2005}, std::chrono::June, std::chrono::day{15}}};
  GLOBAL g{Platform{desktop, dialogs, printer, clock, folder.path()}};
  WindowRef<br_cp> panel;
  std::vector<std::string> boxes;
  QTimer answerer;
};

// Where a row of a list view stands on its viewport.
inline QPoint RowCentre(const QAbstractItemView& view, int row) {
  return view.visualRect(view.model()->index(row, 0)).center();
}

// What the window system sends while a drag crosses a list and ends on it.
inline void DropOn(QAbstractItemView* target, const QMimeData* data, QPoint at) {
  QDragEnterEvent enter(at, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(target->viewport(), &enter);
  QDragMoveEvent move(at, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(target->viewport(), &move);
  QDropEvent drop(QPointF(at), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(target->viewport(), &drop);
}
