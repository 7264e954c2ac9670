#include "platform/qt/drop_down.h"

#include <QWheelEvent>

DropDown::DropDown(QWidget* parent) : QComboBox(parent) { setFocusPolicy(Qt::StrongFocus); }

void DropDown::wheelEvent(QWheelEvent* event) {
  if (hasFocus()) QComboBox::wheelEvent(event);
  else event->ignore();
}
