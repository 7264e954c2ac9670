// Modal boxes shown with the window system's own message box and input dialog.
#pragma once

#include "platform/dialogs.h"

class QtDialogs : public Dialogs {
 public:
  Answer MsgBox(const std::string& text, Buttons buttons, Icon icon, const std::string& title) override;
  std::string InputBox(const std::string& prompt, const std::string& title) override;
};
