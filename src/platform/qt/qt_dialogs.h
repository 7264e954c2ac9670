// Modal boxes shown with the window system's own message box, input dialog and file dialog.
#pragma once

#include <QString>

#include "platform/dialogs.h"

class QFileDialog;

class QtDialogs : public Dialogs {
 public:
  Answer MsgBox(const std::string& text, Buttons buttons, Icon icon, const std::string& title) override;
  std::string InputBox(const std::string& prompt, const std::string& title) override;
  std::string SaveFileName(const std::string& title, const std::string& suggestedName,
                           const std::string& filter) override;
  std::string OpenFileName(const std::string& title, const std::string& filter) override;

 private:
  // Runs the file dialog; the folder of the file chosen is where the next one starts.
  std::string Choose(QFileDialog& dialog);
  QString StartFolder() const;

  // Where the next file dialog opens: the home folder until the user chose a file this run.
  QString folder_;
};
