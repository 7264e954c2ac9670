// A window: a caption, a client area in twips, the controls placed on it, and the load and
// unload steps that the window's own class fills in.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/controls.h"

class Desktop;

class Form {
 public:
  enum class Pointer { Default, Busy };

  Form(Desktop& desktop, std::string name, std::string caption, int clientWidth,
       int clientHeight);
  virtual ~Form() = default;
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  const std::string& Name() const { return name_; }
  const std::string& Caption() const { return caption_; }
  Desktop& desktop() const { return desktop_; }
  const std::vector<Control*>& Controls() const { return controls_; }
  Control* Find(const std::string& name) const;

  int ClientWidth() const { return clientWidth_; }
  int ClientHeight() const { return clientHeight_; }
  // Outer size: the client area and the frame the window system puts around it.
  int Width() const;
  int Height() const;
  // Outer position; unset until the window places itself, then the window system chooses.
  std::optional<int> Left, Top;
  Font DefaultFont;
  std::optional<Colour> BackColor;
  // A window that asks for something and gives it back to the window that opened it; the
  // window system and screen readers present it as a dialog.
  bool IsDialog = false;

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  Pointer MousePointer() const { return pointer_; }
  void SetMousePointer(Pointer pointer);

  bool Loaded() const { return loaded_; }
  // Runs the load step once; a loaded window stays loaded until unloaded.
  void Load();
  // Loads if needed, then shows the window in front (not modal).
  void Show();
  // Runs the unload step and takes the window off the screen, unless the unload step kept the
  // window (CancelUnload); false when the window stays. A second call while unloading does
  // nothing.
  bool Unload();

  // A click on the window's background.
  virtual void Form_Click() {}

 protected:
  virtual void Form_Load() {}
  virtual void Form_Unload() {}
  // Called from the unload step: the window stays loaded, with work the user has not let go.
  void CancelUnload() { unloadCancelled_ = true; }

 private:
  friend class Control;
  void Register(Control* control) { controls_.push_back(control); }
  void Changed() const;

  Desktop& desktop_;
  std::string name_;
  std::string caption_;
  int clientWidth_;
  int clientHeight_;
  std::vector<Control*> controls_;
  bool enabled_ = true;
  Pointer pointer_ = Pointer::Default;
  bool loaded_ = false;
  bool unloading_ = false;
  bool unloadCancelled_ = false;
};

// The one reference to a kind of window, held by the window that opens it: it creates the window
// on first use and afresh after it was unloaded, so each kind of window exists at most once.
template <class T>
class WindowRef {
 public:
  template <class... Args>
  T& Open(Args&... args) {
    if (!form_ || !form_->Loaded()) {
      form_ = std::make_unique<T>(args...);
      form_->Load();
    }
    form_->Show();
    return *form_;
  }
  // Unloads the window if it is loaded; false when it stays (see Form::Unload).
  bool Unload() { return !Loaded() || form_->Unload(); }
  bool Loaded() const { return form_ && form_->Loaded(); }
  T* get() const { return form_.get(); }
  T* operator->() const { return form_.get(); }

 private:
  std::unique_ptr<T> form_;
};
