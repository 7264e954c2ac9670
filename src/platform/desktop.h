// The window system as the program sees it: which windows are loaded, showing and removing
// them, the screen's size, and ending the program.
#pragma once

#include <vector>

class Form;

class Desktop {
 public:
  virtual ~Desktop() = default;

  // Windows in the order they were loaded.
  const std::vector<Form*>& LoadedForms() const { return loaded_; }
  void Loaded(Form& form);
  void Unloaded(Form& form);

  virtual void Show(Form& form) = 0;
  // The window's caption, enabled state or mouse pointer changed.
  virtual void Refresh(Form& form) = 0;
  virtual int ScreenWidth() const = 0;
  virtual int ScreenHeight() const = 0;
  // What the window frame adds to a client area, in twips.
  virtual int FrameWidth() const = 0;
  virtual int FrameHeight() const = 0;

  // Ends the program at once; windows shown after this stay hidden.
  void EndProgram();
  bool Ended() const { return ended_; }

 protected:
  virtual void Close(Form& form) = 0;
  virtual void Quit() = 0;

 private:
  std::vector<Form*> loaded_;
  bool ended_ = false;
};
