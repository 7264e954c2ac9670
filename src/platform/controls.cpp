#include "platform/controls.h"

#include <algorithm>
#include <cctype>
#include <numeric>

#include "platform/form.h"

namespace {

// Sorted lists order their rows as the user reads them: letter case aside.
bool TextBefore(const std::string& a, const std::string& b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                      [](unsigned char x, unsigned char y) {
                                        return std::toupper(x) < std::toupper(y);
                                      });
}

bool SameText(const std::string& a, const std::string& b) {
  return !TextBefore(a, b) && !TextBefore(b, a);
}

// Where the text's letters after the first `letters` begin: typed text is UTF-8, whose letters
// may take several bytes, and a cut inside one would leave no letter at all.
size_t LettersEnd(const std::string& text, int letters) {
  for (size_t end = 0; end < text.size(); ++end) {
    if ((static_cast<unsigned char>(text[end]) & 0xC0) != 0x80 && letters-- == 0) return end;
  }
  return text.size();
}

}  // namespace

Control::Control(Form& owner, Kind kind, std::string name, Rect place)
    : Place(place), TextFont(owner.DefaultFont), owner_(owner), kind_(kind),
      name_(std::move(name)) {
  owner.Register(this);
}

void Control::SetVisible(bool visible) {
  visible_ = visible;
  Changed();
}

void Control::SetEnabled(bool enabled) {
  enabled_ = enabled;
  Changed();
}

void Control::Changed() const {
  if (view_) view_->Refresh();
}

Label::Label(Form& owner, std::string name, Rect place, std::string caption)
    : Control(owner, Kind::Label, std::move(name), place), caption_(std::move(caption)) {}

void Label::SetCaption(std::string caption) {
  caption_ = std::move(caption);
  Changed();
}

Button::Button(Form& owner, std::string name, Rect place, std::string caption, Picture picture)
    : Control(owner, Kind::Button, std::move(name), place), caption_(std::move(caption)),
      picture_(picture) {}

void Button::Click() {
  if (Enabled() && Visible() && Owner().Enabled() && OnClick) OnClick();
}

TextBox::TextBox(Form& owner, std::string name, Rect place)
    : Control(owner, Kind::TextBox, std::move(name), place) {}

void TextBox::SetText(std::string text) {
  if (MaxLength > 0) text.resize(LettersEnd(text, MaxLength));
  if (text == text_) return;
  text_ = std::move(text);
  Changed();
  if (OnChange) OnChange();
}

ItemList::ItemList(Form& owner, Kind kind, std::string name, Rect place, bool sorted)
    : Control(owner, kind, std::move(name), place), sorted_(sorted) {}

void ItemList::Clear() {
  items_.clear();
  ordered_ = 0;
  index_ = -1;
  anchor_ = -1;
  ++rowsVersion_;
  Changed();
}

void ItemList::AddItem(std::string text, int number) {
  items_.push_back(Item{std::move(text), number});
  if (!sorted_) ordered_ = items_.size();
  ++rowsVersion_;
  Changed();
}

// A stable sort of the new rows merged after the equal ones already in place: the order that
// putting each new row after every row not greater than it gives.
void ItemList::PutInOrder() const {
  if (ordered_ == items_.size()) return;
  std::vector<size_t> order(items_.size());
  std::iota(order.begin(), order.end(), size_t{0});
  const auto before = [this](size_t a, size_t b) { return TextBefore(items_[a].Text, items_[b].Text); };
  const auto added = order.begin() + static_cast<std::ptrdiff_t>(ordered_);
  std::stable_sort(added, order.end(), before);
  std::inplace_merge(order.begin(), added, order.end(), before);

  std::vector<Item> rows;
  rows.reserve(items_.size());
  int index = -1;
  int anchor = -1;
  for (size_t from : order) {
    const int row = static_cast<int>(rows.size());
    if (static_cast<int>(from) == index_) index = row;
    if (static_cast<int>(from) == anchor_) anchor = row;
    rows.push_back(std::move(items_[from]));
  }
  items_ = std::move(rows);
  ordered_ = items_.size();
  index_ = index;
  anchor_ = anchor;
}

const std::vector<ItemList::Item>& ItemList::Items() const {
  PutInOrder();
  return items_;
}

int ItemList::ListIndex() const {
  PutInOrder();
  return index_;
}

int ItemList::AnchorRow() const {
  PutInOrder();
  return index_ >= 0 ? index_ : anchor_;
}

void ItemList::SetListIndex(int row) {
  PutInOrder();
  index_ = (row >= 0 && row < ListCount()) ? row : -1;
  if (index_ >= 0) anchor_ = index_;
  Changed();
  if (index_ >= 0 && OnClick) OnClick();
}

ListBox::ListBox(Form& owner, std::string name, Rect place, bool sorted)
    : ItemList(owner, Kind::ListBox, std::move(name), place, sorted) {}

void ListBox::DragDrop(Control& source, int row) {
  if (Enabled() && Owner().Enabled() && OnDragDrop) OnDragDrop(source, row);
}

ComboBox::ComboBox(Form& owner, std::string name, Rect place, bool sorted)
    : ItemList(owner, Kind::ComboBox, std::move(name), place, sorted) {}

std::string ComboBox::Text() const { return ListIndex() >= 0 ? List(ListIndex()) : std::string(); }

bool ComboBox::SetText(const std::string& text) {
  const auto& rows = Items();
  const auto it = std::find_if(rows.begin(), rows.end(),
                               [&](const Item& item) { return SameText(item.Text, text); });
  if (it == rows.end()) return false;
  SetListIndex(static_cast<int>(it - rows.begin()));
  return true;
}

Line::Line(Form& owner, std::string name, int x1, int x2, int y)
    : Control(owner, Kind::Line, std::move(name), Rect{x1, y, x2 - x1, 15}) {}
