// The widget of a drop-down list. The wheel steps through its entries only once the user has
// gone to it: a wheel turned over it on the way elsewhere goes on to the window, rather than
// picking entry after entry, each pick perhaps opening a file or asking a question. The focus
// comes by a click or the keys, never by the wheel.
#pragma once

#include <QComboBox>

class DropDown : public QComboBox {
 public:
  explicit DropDown(QWidget* parent);

 protected:
  void wheelEvent(QWheelEvent* event) override;
};
