// The windows on the screen: one top-level widget per shown form, its controls bound to
// child widgets.
#pragma once

#include <QPointer>
#include <QWidget>
#include <map>
#include <memory>
#include <vector>

#include "platform/desktop.h"
#include "platform/qt/control_binding.h"

class Form;

// The top-level widget of a form: passes the close box, Escape and background clicks on.
class FormWindow : public QWidget {
 public:
  explicit FormWindow(Form& form);
  bool IsDialog() const;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  Form& form_;
};

class QtDesktop : public Desktop {
 public:
  QtDesktop() = default;
  ~QtDesktop() override;

  void Show(Form& form) override;
  void Refresh(Form& form) override;
  int ScreenWidth() const override;
  int ScreenHeight() const override;
  int FrameWidth() const override { return 105; }
  int FrameHeight() const override { return 405; }

  // The widget showing the form; null while it is not on the screen.
  QWidget* Window(const Form& form) const;

 protected:
  void Close(Form& form) override;
  void Quit() override;

 private:
  struct Shown {
    QPointer<FormWindow> window;
    std::vector<std::unique_ptr<ControlBinding>> bindings;
  };
  Shown& Create(Form& form);

  std::map<const Form*, Shown> shown_;
};
