#include "platform/qt/qt_desktop.h"

#include <QAccessible>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>

#include "platform/form.h"
#include "platform/qt/qt_text.h"

namespace {

int Pixels(int twips) { return twips / 15; }

void Name(QWidget* widget, const Control& control) {
  if (!control.Buddy || control.Buddy->kind() != Control::Kind::Label) return;
  QString name = ToQt(static_cast<const Label*>(control.Buddy)->Caption());
  widget->setAccessibleName(name.remove(QLatin1Char('&')).trimmed());
}

}  // namespace

FormWindow::FormWindow(Form& form) : QWidget(nullptr), form_(form) {
  setObjectName(ToQt(form.Name()));
  setAttribute(Qt::WA_DeleteOnClose, false);
}

// The close box unloads the form; the form's unload takes the window away.
void FormWindow::closeEvent(QCloseEvent* event) {
  event->ignore();
  form_.Unload();
}

void FormWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() != Qt::Key_Escape) {
    QWidget::keyPressEvent(event);
    return;
  }
  for (Control* control : form_.Controls()) {
    if (control->kind() == Control::Kind::Button && static_cast<Button*>(control)->Cancel) {
      static_cast<Button*>(control)->Click();
      return;
    }
  }
}

void FormWindow::mousePressEvent(QMouseEvent* event) {
  QWidget::mousePressEvent(event);
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
  for (Control* control : form.Controls()) {
    shown.bindings.push_back(Bind(*control, window));
    Name(shown.bindings.back()->widget(), *control);
  }
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
