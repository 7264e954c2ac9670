#include "platform/qt/qt_dialogs.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

#include "platform/qt/control_binding.h"
#include "platform/qt/qt_text.h"

namespace {

QString Title(const std::string& title) { return ToQt(title.empty() ? std::string(ProgramName) : title); }

QMessageBox::Icon ToQtIcon(Icon icon) {
  switch (icon) {
    case Icon::Exclamation:
      return QMessageBox::Warning;
    case Icon::Question:
      return QMessageBox::Question;
    case Icon::None:
      break;
  }
  return QMessageBox::NoIcon;
}

}  // namespace

Answer QtDialogs::MsgBox(const std::string& text, Buttons buttons, Icon icon, const std::string& title) {
  ControlBinding::ShowPending();
  QMessageBox box(ToQtIcon(icon), Title(title), ToQt(text), QMessageBox::Ok, QApplication::activeWindow());
  QAbstractButton* cancel = nullptr;
  if (buttons == Buttons::OKCancel) cancel = box.addButton(QMessageBox::Cancel);
  box.setDefaultButton(QMessageBox::Ok);
  // Escape and the close box answer Cancel; with only OK there is nothing else to answer.
  box.setEscapeButton(cancel ? cancel : box.button(QMessageBox::Ok));
  box.exec();
  return cancel && box.clickedButton() == cancel ? Answer::Cancel : Answer::OK;
}

std::string QtDialogs::InputBox(const std::string& prompt, const std::string& title) {
  ControlBinding::ShowPending();
  bool ok = false;
  const QString text = QInputDialog::getText(QApplication::activeWindow(), Title(title), ToQt(prompt),
                                             QLineEdit::Normal, QString(), &ok);
  return ok ? FromQt(text) : std::string();
}
