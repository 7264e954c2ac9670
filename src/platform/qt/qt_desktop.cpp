#include "platform/qt/qt_desktop.h"

#include <QAccessible>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>

#include "platform/form.h"
#include "platform/qt/accessibility.h"
#include "platform/qt/qt_text.h"

namespace {

int Pixels(int twips) { return twips / 15; }

// A screen reader names a control by its own name, else by the label beside it, which also
// takes the focus to it by the label's access key.
void Name(const Control& control, QWidget* widget, const std::map<const Control*, QWidget*>& widgets) {
  const QString own = ToQt(control.AccessibleName);
  const QString name = own.isEmpty() ? LabelName(control) : own;
  if (!name.isEmpty()) widget->setAccessibleName(name);
  const auto label = control.Buddy ? widgets.find(control.Buddy) : widgets.end();
  if (label == widgets.end()) return;
  // A label names the first control that takes it as its buddy.
  if (auto* shown = qobject_cast<QLabel*>(label->second); shown && !shown->buddy()) shown->setBuddy(widget);
}

}  // namespace

FormWindow::FormWindow(Form& form)
    : QWidget(nullptr, form.IsDialog ? Qt::Dialog : Qt::Window), form_(form) {
  InstallAccessibility();
  setObjectName(ToQt(form.Name()));
  setAttribute(Qt::WA_DeleteOnClose, false);
}

bool FormWindow::IsDialog() const { return form_.IsDialog; }

// The close box unloads the form; the form's unload takes the window away.
void FormWindow::closeEvent(QCloseEvent* event) {
  event->ignore();
  const UserAction action;
  form_.Unload();
}

void FormWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() != Qt::Key_Escape) {
    QWidget::keyPressEvent(event);
    return;
  }
  for (Control* control : form_.Controls()) {
    if (control->kind() == Control::Kind::Button && static_cast<Button*>(control)->Cancel) {
      const UserAction action;
      static_cast<Button*>(control)->Click();
      return;
    }
  }
}

void FormWindow::mousePressEvent(QMouseEvent* event) {
  QWidget::mousePressEvent(event);
  // Labels pass the presses they do not take on to the window; only its background counts.
  if (childAt(event->position().toPoint())) return;
  const UserAction action;
  form_.Form_Click();
}

// The forms may be gone already when the program ends: the windows go without asking them.
QtDesktop::~QtDesktop() {
  for (auto& [form, shown] : shown_) {
    shown.bindings.clear();
    delete shown.window.data();
  }
}

QtDesktop::Shown& QtDesktop::Create(Form& form) {
  Shown& shown = shown_[&form];
  auto* window = new FormWindow(form);
  shown.window = window;
  window->setFixedSize(Pixels(form.ClientWidth()), Pixels(form.ClientHeight()));
  if (form.Left && form.Top) {
    window->move(Pixels(*form.Left), Pixels(*form.Top));
  } else {
    // A window that does not place itself opens in the middle of the screen, whole, rather
    // than wherever the window manager finds room.
    const QRect area = window->screen()->availableGeometry();
    window->move(area.center() - window->rect().center());
  }
  std::map<const Control*, QWidget*> widgets;
  for (Control* control : form.Controls()) {
    shown.bindings.push_back(Bind(*control, window));
    widgets[control] = shown.bindings.back()->widget();
  }
  for (Control* control : form.Controls()) Name(*control, widgets.at(control), widgets);
  return shown;
}

void QtDesktop::Show(Form& form) {
  auto it = shown_.find(&form);
  Shown& shown = (it != shown_.end() && shown_.at(&form).window) ? it->second : Create(form);
  Refresh(form);
  shown.window->show();
  shown.window->raise();
  shown.window->activateWindow();
}

void QtDesktop::Refresh(Form& form) {
  QWidget* window = Window(form);
  if (!window) return;
  window->setWindowTitle(ToQt(form.Caption()));
  window->setEnabled(form.Enabled());
  if (form.MousePointer() == Form::Pointer::Busy) window->setCursor(Qt::WaitCursor);
  else window->unsetCursor();
  if (form.BackColor) {
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, QColor(form.BackColor->Red, form.BackColor->Green, form.BackColor->Blue));
    window->setPalette(palette);
    window->setAutoFillBackground(true);
  }
}

QWidget* QtDesktop::Window(const Form& form) const {
  const auto it = shown_.find(&form);
  return it == shown_.end() ? nullptr : it->second.window.data();
}

void QtDesktop::Close(Form& form) {
  const auto it = shown_.find(&form);
  if (it == shown_.end()) return;
  for (auto& binding : it->second.bindings) binding->Detach();
  if (it->second.window) {
    it->second.window->hide();
    it->second.window->deleteLater();
  }
  shown_.erase(it);
}

void QtDesktop::Quit() { QCoreApplication::quit(); }

int QtDesktop::ScreenWidth() const {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->availableGeometry().width() * 15 : 1024 * 15;
}

int QtDesktop::ScreenHeight() const {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->availableGeometry().height() * 15 : 768 * 15;
}
