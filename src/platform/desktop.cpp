#include "platform/desktop.h"

#include <algorithm>

void Desktop::Loaded(Form& form) { loaded_.push_back(&form); }

void Desktop::Unloaded(Form& form) {
  loaded_.erase(std::remove(loaded_.begin(), loaded_.end(), &form), loaded_.end());
  Close(form);
}

void Desktop::EndProgram() {
  ended_ = true;
  Quit();
}
