#include "platform/form.h"

#include "platform/desktop.h"

Form::Form(Desktop& desktop, std::string name, std::string caption, int clientWidth,
           int clientHeight)
    : desktop_(desktop), name_(std::move(name)), caption_(std::move(caption)),
      clientWidth_(clientWidth), clientHeight_(clientHeight) {}

Control* Form::Find(const std::string& name) const {
  for (Control* control : controls_) {
    if (control->Name() == name) return control;
  }
  return nullptr;
}

int Form::Width() const { return clientWidth_ + desktop_.FrameWidth(); }
int Form::Height() const { return clientHeight_ + desktop_.FrameHeight(); }

void Form::SetEnabled(bool enabled) {
  enabled_ = enabled;
  Changed();
}

void Form::SetMousePointer(Pointer pointer) {
  pointer_ = pointer;
  Changed();
}

void Form::Changed() const {
  if (loaded_) desktop_.Refresh(const_cast<Form&>(*this));
}

void Form::Load() {
  if (loaded_) return;
  loaded_ = true;
  desktop_.Loaded(*this);
  Form_Load();
}

void Form::Show() {
  Load();
  if (loaded_ && !desktop_.Ended()) desktop_.Show(*this);
}

bool Form::Unload() {
  if (!loaded_) return true;
  if (unloading_) return false;
  unloading_ = true;
  unloadCancelled_ = false;
  Form_Unload();
  unloading_ = false;
  if (unloadCancelled_) return false;
  loaded_ = false;
  desktop_.Unloaded(*this);
  return true;
}
