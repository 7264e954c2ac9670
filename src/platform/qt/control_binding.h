// One control shown by one widget: the widget follows every change of the control, and what
// the user does with the widget reaches the control through the same calls the program uses.
#pragma once

#include <QMetaObject>
#include <memory>
#include <vector>

#include "platform/controls.h"

class QWidget;

class ControlBinding : public ControlView {
 public:
  ControlBinding(Control& control, QWidget* widget);
  ~ControlBinding() override;
  ControlBinding(const ControlBinding&) = delete;
  ControlBinding& operator=(const ControlBinding&) = delete;

  Control& control() const { return control_; }
  QWidget* widget() const { return widget_; }

  // Shows the control's state: place, visibility, enabled, font, colour and content.
  void Refresh() final;
  // Stops following the control and passing the user's actions on, before the control goes.
  void Detach();

 protected:
  virtual void ShowContent() = 0;
  void Keep(QMetaObject::Connection connection) { connections_.push_back(connection); }

 private:
  Control& control_;
  QWidget* widget_;
  std::vector<QMetaObject::Connection> connections_;
};

// Makes the widget for the control as a child of the window and binds the two.
std::unique_ptr<ControlBinding> Bind(Control& control, QWidget* window);
