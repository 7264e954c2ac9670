// The control model every window is built from. Controls hold their state and raise their
// events as plain callbacks; a toolkit binding (platform/qt) mirrors them on screen and feeds the
// user's actions back through the same member functions a form or a test calls.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

class Form;
class Control;

// Positions and sizes are in twips (1/1440 inch; 15 twips are one pixel at 96 dpi).
struct Rect {
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;
};

struct Font {
  std::string Name = "MS Sans Serif";
  double Size = 8.25;
  bool Bold = false;
};

struct Colour {
  int Red = 0;
  int Green = 0;
  int Blue = 0;
  bool operator==(const Colour&) const = default;
};

// The light blue-violet the data windows give their buttons and lists.
inline constexpr Colour LightBlue{192, 192, 255};
inline constexpr Colour White{255, 255, 255};

// Something that shows a control: told whenever the control's state changes.
class ControlView {
 public:
  virtual ~ControlView() = default;
  virtual void Refresh() = 0;
};

class Control {
 public:
  enum class Kind { Label, Button, TextBox, ListBox, ComboBox, Line, PictureBox, Grid };

  Control(Form& owner, Kind kind, std::string name, Rect place);
  virtual ~Control() = default;
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  Kind kind() const { return kind_; }
  const std::string& Name() const { return name_; }
  Form& Owner() const { return owner_; }

  Rect Place;
  Font TextFont;
  std::optional<Colour> BackColor;
  // The label that names this control for a screen reader (its buddy on screen).
  const Control* Buddy = nullptr;
  // What a screen reader calls a control that has no label beside it ("Next day").
  std::string AccessibleName;

  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);

  void Attach(ControlView* view) { view_ = view; }

 protected:
  void Changed() const;

 private:
  Form& owner_;
  Kind kind_;
  std::string name_;
  bool visible_ = true;
  bool enabled_ = true;
  ControlView* view_ = nullptr;
};

class Label : public Control {
 public:
  Label(Form& owner, std::string name, Rect place, std::string caption = "");
  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);
  // Text that runs over several lines (chart descriptions) wraps instead of being cut.
  bool WordWrap = false;
  bool Centered = false;

 private:
  std::string caption_;
};

class Button : public Control {
 public:
  enum class Picture { None, ArrowUp, ArrowDown };

  Button(Form& owner, std::string name, Rect place, std::string caption,
         Picture picture = Picture::None);
  const std::string& Caption() const { return caption_; }
  Picture picture() const { return picture_; }
  // The button that answers the Escape key of its window.
  bool Cancel = false;

  std::function<void()> OnClick;
  // A press by the user or the program; does nothing while the button is disabled or hidden.
  void Click();

 private:
  std::string caption_;
  Picture picture_;
};

class TextBox : public Control {
 public:
  TextBox(Form& owner, std::string name, Rect place);
  const std::string& Text() const { return text_; }
  // Raises OnChange when the text differs, whether the user typed it or the program set it.
  void SetText(std::string text);
  int MaxLength = 0;  // letters; 0: no limit
  bool MultiLine = false;
  bool Locked = false;  // shows text the user reads but does not edit

  std::function<void()> OnChange;

 private:
  std::string text_;
};

// A list whose rows carry, besides their text, the number of the record they show.
class ItemList : public Control {
 public:
  struct Item {
    std::string Text;
    int Number = 0;
  };

  ItemList(Form& owner, Kind kind, std::string name, Rect place, bool sorted);

  bool Sorted() const { return sorted_; }
  int ListCount() const { return static_cast<int>(items_.size()); }
  const std::string& List(int row) const { return Items().at(static_cast<size_t>(row)).Text; }
  int ItemData(int row) const { return Items().at(static_cast<size_t>(row)).Number; }
  // The rows top to bottom.
  const std::vector<Item>& Items() const;

  void Clear();
  // Adds a row: last, or in text order when the list is sorted. A list refilled with many rows
  // sorts them once, when they are next read, rather than moving rows on every addition.
  void AddItem(std::string text, int number);

  int ListIndex() const;
  // Makes a row current (-1: none). A row becoming current raises OnClick at once.
  void SetListIndex(int row);
  int SelCount() const { return ListIndex() >= 0 ? 1 : 0; }
  // The row the arrow keys move on from: the current row, or while none is, the row that was
  // current last since the list was filled (-1: none). A window that deselects the row it acted
  // on thus still lets the user step to its neighbour.
  int AnchorRow() const;
  // Grows with every change of the rows, so a view can tell whether it shows the rows of now.
  unsigned long RowsVersion() const { return rowsVersion_; }

  std::function<void()> OnClick;

 private:
  void PutInOrder() const;

  // Rows before ordered_ are in order; those after it were added since and are sorted in when
  // the rows are next read. Sorting moves rows, so the current and anchor rows move with them.
  mutable std::vector<Item> items_;
  mutable size_t ordered_ = 0;
  mutable int index_ = -1;
  mutable int anchor_ = -1;
  bool sorted_;
  unsigned long rowsVersion_ = 0;
};

class ListBox : public ItemList {
 public:
  ListBox(Form& owner, std::string name, Rect place, bool sorted);

  // Rows of this list may be dragged onto other lists.
  bool DragSource = false;
  // Something was dropped on this list: the control it came from and the row under the
  // pointer (-1 below the last row).
  std::function<void(Control& source, int row)> OnDragDrop;
  void DragDrop(Control& source, int row);
};

// A pick-only drop-down list: its text is always the text of the current row.
class ComboBox : public ItemList {
 public:
  ComboBox(Form& owner, std::string name, Rect place, bool sorted);
  std::string Text() const;
  // Selects the row whose text equals the given one without regard to case; false when none.
  bool SetText(const std::string& text);
};

class Line : public Control {
 public:
  Line(Form& owner, std::string name, int x1, int x2, int y);
};
