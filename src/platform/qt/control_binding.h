// One control shown by one widget: the widget follows every change of the control, and what
// the user does with the widget reaches the control through the same calls the program uses.
#pragma once

#include <QMetaObject>
#include <functional>
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

  // Shows the control's state: place, visibility, enabled, font, colour and content. During a
  // user's action the widget catches up once, when the action ends.
  void Refresh() final;
  // Stops following the control and passing the user's actions on, before the control goes.
  void Detach();

  // Brings every widget whose control changed during the action running now up to date, so that
  // a message box shown in the middle of it stands over windows that show what is true.
  static void ShowPending();

 protected:
  virtual void ShowContent() = 0;
  void Keep(QMetaObject::Connection connection) { connections_.push_back(connection); }
  // Passes what the user did on to the control as one action. The control's handler may close
  // the window and take this binding with it: false then, and the binding must not be touched.
  bool AsUser(const std::function<void()>& act);

 private:
  void Show();

  Control& control_;
  QWidget* widget_;
  std::vector<QMetaObject::Connection> connections_;
  bool pending_ = false;
  // Expires with the binding.
  const std::shared_ptr<void> alive_ = std::make_shared<bool>();
};

// What the user does with a widget reaches the program inside one of these. The controls the
// program changes meanwhile (a refill is a clear and thousands of additions) reach their widgets
// once, when the outermost action ends.
class UserAction {
 public:
  UserAction();
  ~UserAction();
  UserAction(const UserAction&) = delete;
  UserAction& operator=(const UserAction&) = delete;
};

// Makes the widget for the control as a child of the window and binds the two.
std::unique_ptr<ControlBinding> Bind(Control& control, QWidget* window);
