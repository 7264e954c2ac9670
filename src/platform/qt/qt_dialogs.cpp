#include "platform/qt/qt_dialogs.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>

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

// The extension of the filter's first pattern, "csv" of "CSV files (*.csv)": a name typed
// without it gets it, and the dialog asks before that file is written over too.
QString Extension(const QString& filter) {
  static const QRegularExpression pattern(QStringLiteral("\\*\\.(\\w+)"));
  return pattern.match(filter).captured(1);
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

std::string QtDialogs::SaveFileName(const std::string& title, const std::string& suggestedName,
                                    const std::string& filter) {
  QFileDialog dialog(QApplication::activeWindow(), Title(title),
                     QDir(StartFolder()).filePath(ToQt(suggestedName)), ToQt(filter));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(Extension(dialog.nameFilters().value(0)));
  return Choose(dialog);
}

std::string QtDialogs::OpenFileName(const std::string& title, const std::string& filter) {
  QFileDialog dialog(QApplication::activeWindow(), Title(title), StartFolder(), ToQt(filter));
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  return Choose(dialog);
}

std::string QtDialogs::Choose(QFileDialog& dialog) {
  ControlBinding::ShowPending();
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  const QString path = dialog.selectedFiles().constFirst();
  folder_ = QFileInfo(path).absolutePath();
  return QFile::encodeName(path).toStdString();
}

QString QtDialogs::StartFolder() const { return folder_.isEmpty() ? QDir::homePath() : folder_; }
