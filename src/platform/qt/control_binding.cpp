#include "platform/qt/control_binding.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QTableWidget>

#include "platform/grid.h"
#include "platform/qt/drawing_widget.h"
#include "platform/qt/drop_down.h"
#include "platform/qt/fonts.h"
#include "platform/qt/item_list_model.h"
#include "platform/qt/list_view.h"
#include "platform/qt/qt_text.h"

namespace {

int actionDepth = 0;
// The bindings whose controls changed during the action running now, in the order they did.
std::vector<ControlBinding*>& Pending() {
  static std::vector<ControlBinding*> bindings;
  return bindings;
}

int Pixels(int twips) { return twips / 15; }

QColor ToQColor(const Colour& colour) { return QColor(colour.Red, colour.Green, colour.Blue); }

void Paint(QWidget* widget, const std::optional<Colour>& colour) {
  if (!colour) {
    widget->setPalette(QPalette());
    widget->setAutoFillBackground(false);
    return;
  }
  QPalette palette = widget->palette();
  for (const auto role : {QPalette::Window, QPalette::Base, QPalette::Button}) {
    palette.setColor(role, ToQColor(*colour));
  }
  widget->setPalette(palette);
  widget->setAutoFillBackground(true);
}

class LabelBinding : public ControlBinding {
 public:
  LabelBinding(Label& label, QWidget* window) : LabelBinding(label, new QLabel(window)) {}

 private:
  LabelBinding(Label& label, QLabel* widget) : ControlBinding(label, widget), label_(label), widget_(widget) {
    widget_->setTextFormat(Qt::PlainText);
  }
  void ShowContent() override {
    widget_->setText(ToQt(label_.Caption()));
    widget_->setWordWrap(label_.WordWrap);
    widget_->setAlignment((label_.Centered ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
  }
  Label& label_;
  QLabel* widget_;
};

class ButtonBinding : public ControlBinding {
 public:
  ButtonBinding(Button& button, QWidget* window) : ButtonBinding(button, new QPushButton(window)) {}

 private:
  ButtonBinding(Button& button, QPushButton* widget)
      : ControlBinding(button, widget), button_(button), widget_(widget) {
    widget_->setAutoDefault(false);
    if (button.picture() != Button::Picture::None) {
      const bool up = button.picture() == Button::Picture::ArrowUp;
      widget_->setIcon(widget_->style()->standardIcon(up ? QStyle::SP_ArrowUp : QStyle::SP_ArrowDown));
    }
    Keep(QObject::connect(widget_, &QPushButton::clicked, [this] { AsUser([this] { button_.Click(); }); }));
  }
  void ShowContent() override { widget_->setText(ToQt(button_.Caption())); }
  Button& button_;
  QPushButton* widget_;
};

class LineEditBinding : public ControlBinding {
 public:
  LineEditBinding(TextBox& box, QWidget* window) : LineEditBinding(box, new QLineEdit(window)) {}

 private:
  LineEditBinding(TextBox& box, QLineEdit* widget) : ControlBinding(box, widget), box_(box), widget_(widget) {
    // Typing and a screen reader setting the text both change it; the program's own changes
    // arrive with the widget's signals blocked.
    Keep(QObject::connect(widget_, &QLineEdit::textChanged,
                          [this](const QString& text) { AsUser([&] { box_.SetText(FromQt(text)); }); }));
  }
  void ShowContent() override {
    const QString text = ToQt(box_.Text());
    if (widget_->text() != text) {
      const int cursor = widget_->cursorPosition();
      widget_->setText(text);
      widget_->setCursorPosition(std::min(cursor, static_cast<int>(text.size())));
    }
    widget_->setMaxLength(box_.MaxLength > 0 ? box_.MaxLength : 32767);
    widget_->setReadOnly(box_.Locked);
  }
  TextBox& box_;
  QLineEdit* widget_;
};

class TextEditBinding : public ControlBinding {
 public:
  TextEditBinding(TextBox& box, QWidget* window) : TextEditBinding(box, new QPlainTextEdit(window)) {}

 private:
  TextEditBinding(TextBox& box, QPlainTextEdit* widget)
      : ControlBinding(box, widget), box_(box), widget_(widget) {
    Keep(QObject::connect(widget_, &QPlainTextEdit::textChanged,
                          [this] { AsUser([this] { box_.SetText(FromQt(widget_->toPlainText())); }); }));
  }
  void ShowContent() override {
    const QString text = ToQt(box_.Text());
    if (widget_->toPlainText() != text) widget_->setPlainText(text);
    widget_->setReadOnly(box_.Locked);
  }
  TextBox& box_;
  QPlainTextEdit* widget_;
};

// A list box: the view shows the control's rows and current row; a row the user picks, with the
// mouse, the keys or a screen reader's selection, becomes the control's current row.
class ListBinding : public ControlBinding {
 public:
  ListBinding(ListBox& list, QWidget* window) : ListBinding(list, new ListView(window)) {}
  ~ListBinding() override {
    widget_->onDrop = nullptr;
    widget_->anchorRow = nullptr;
    widget_->setProperty(BindingProperty, QVariant());
  }

  static Control* ControlOf(const ListView& widget);

 private:
  ListBinding(ListBox& list, ListView* widget)
      : ControlBinding(list, widget), list_(list), widget_(widget), rows_(new ItemListModel(list, widget)) {
    widget_->setModel(rows_);
    widget_->setProperty(BindingProperty, QVariant::fromValue(static_cast<void*>(this)));
    Keep(QObject::connect(widget_->selectionModel(), &QItemSelectionModel::selectionChanged,
                          [this] { Picked(); }));
    widget_->anchorRow = [this] { return list_.AnchorRow(); };
    widget_->onDrop = [this](ListView& source, int row) {
      if (Control* from = ControlOf(source)) AsUser([&] { list_.DragDrop(*from, row); });
    };
  }

  void Picked() {
    if (showing_) return;
    const QModelIndexList rows = widget_->selectionModel()->selectedRows();
    const int row = rows.isEmpty() ? -1 : rows.front().row();
    // A row the user deselected, or one the program chose otherwise, shows as the control has
    // it, unless the pick closed the window.
    if (AsUser([&] { if (row >= 0) list_.SetListIndex(row); })) Refresh();
  }

  void ShowContent() override {
    showing_ = true;
    rows_->Follow();
    QItemSelectionModel& selection = *widget_->selectionModel();
    const int row = list_.ListIndex();
    if (row >= 0) {
      const QModelIndex index = rows_->index(row, 0);
      selection.setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
      widget_->scrollTo(index);
    } else {
      selection.clear();
    }
    widget_->dragSource = list_.DragSource;
    showing_ = false;
  }

  static constexpr const char* BindingProperty = "ondulixBinding";
  ListBox& list_;
  ListView* widget_;
  ItemListModel* rows_;
  bool showing_ = false;
};

Control* ListBinding::ControlOf(const ListView& widget) {
  auto* binding = static_cast<ListBinding*>(widget.property(BindingProperty).value<void*>());
  return binding ? &binding->list_ : nullptr;
}

// A drop-down list: the widget shows the control's rows and the entry it has chosen, also as the
// selected row of its closed list, where a screen reader looks for it.
class ComboBinding : public ControlBinding {
 public:
  ComboBinding(ComboBox& combo, QWidget* window) : ComboBinding(combo, new DropDown(window)) {}

 private:
  ComboBinding(ComboBox& combo, DropDown* widget)
      : ControlBinding(combo, widget), combo_(combo), widget_(widget), rows_(new ItemListModel(combo, widget)) {
    widget_->setModel(rows_);
    Keep(QObject::connect(widget_, &QComboBox::activated,
                          [this](int row) { AsUser([&] { combo_.SetListIndex(row); }); }));
  }
  void ShowContent() override {
    rows_->Follow();
    const int row = combo_.ListIndex();
    widget_->setCurrentIndex(row);
    widget_->view()->selectionModel()->setCurrentIndex(rows_->index(row, 0), QItemSelectionModel::ClearAndSelect);
  }
  ComboBox& combo_;
  DropDown* widget_;
  ItemListModel* rows_;
};

// A table to read: the user moves through its cells and selects, but never edits them.
class GridBinding : public ControlBinding {
 public:
  GridBinding(Grid& grid, QWidget* window) : GridBinding(grid, new QTableWidget(window)) {}

 private:
  GridBinding(Grid& grid, QTableWidget* widget) : ControlBinding(grid, widget), grid_(grid), widget_(widget) {
    widget_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    widget_->setSelectionBehavior(QAbstractItemView::SelectRows);
    widget_->verticalHeader()->hide();
    widget_->verticalHeader()->setDefaultSectionSize(widget_->fontMetrics().height() + 4);
    widget_->setWordWrap(false);
  }
  void ShowContent() override {
    const auto& headings = grid_.Headings();
    const auto& rows = grid_.Rows();
    widget_->clear();
    widget_->setColumnCount(static_cast<int>(headings.size()));
    widget_->setRowCount(static_cast<int>(rows.size()));
    QStringList titles;
    for (const std::string& heading : headings) titles << ToQt(heading);
    widget_->setHorizontalHeaderLabels(titles);
    for (size_t row = 0; row < rows.size(); ++row) {
      for (size_t column = 0; column < rows[row].size() && column < headings.size(); ++column) {
        widget_->setItem(static_cast<int>(row), static_cast<int>(column), new QTableWidgetItem(ToQt(rows[row][column])));
      }
    }
    widget_->resizeColumnsToContents();
  }
  Grid& grid_;
  QTableWidget* widget_;
};

// Lines show nothing that changes.
class FixedBinding : public ControlBinding {
 public:
  using ControlBinding::ControlBinding;

 private:
  void ShowContent() override {}
};

QWidget* LineWidget(QWidget* window) {
  auto* frame = new QFrame(window);
  frame->setFrameShape(QFrame::HLine);
  frame->setFrameShadow(QFrame::Plain);
  frame->setLineWidth(1);
  return frame;
}

std::unique_ptr<ControlBinding> MakeBinding(Control& control, QWidget* window) {
  switch (control.kind()) {
    case Control::Kind::Label:
      return std::make_unique<LabelBinding>(static_cast<Label&>(control), window);
    case Control::Kind::Button:
      return std::make_unique<ButtonBinding>(static_cast<Button&>(control), window);
    case Control::Kind::TextBox: {
      auto& box = static_cast<TextBox&>(control);
      if (box.MultiLine) return std::make_unique<TextEditBinding>(box, window);
      return std::make_unique<LineEditBinding>(box, window);
    }
    case Control::Kind::ListBox:
      return std::make_unique<ListBinding>(static_cast<ListBox&>(control), window);
    case Control::Kind::ComboBox:
      return std::make_unique<ComboBinding>(static_cast<ComboBox&>(control), window);
    case Control::Kind::Line:
      return std::make_unique<FixedBinding>(control, LineWidget(window));
    case Control::Kind::PictureBox:
      return BindPicture(static_cast<PictureBox&>(control), window);
    case Control::Kind::Grid:
      return std::make_unique<GridBinding>(static_cast<Grid&>(control), window);
  }
  return nullptr;
}

}  // namespace

ControlBinding::ControlBinding(Control& control, QWidget* widget) : control_(control), widget_(widget) {
  widget_->setObjectName(ToQt(control.Name()));
}

ControlBinding::~ControlBinding() {
  for (const auto& connection : connections_) QObject::disconnect(connection);
  std::erase(Pending(), this);
}

void ControlBinding::Detach() {
  for (const auto& connection : connections_) QObject::disconnect(connection);
  connections_.clear();
  control_.Attach(nullptr);
  std::erase(Pending(), this);
  pending_ = false;
}

bool ControlBinding::AsUser(const std::function<void()>& act) {
  const std::weak_ptr<void> alive = alive_;
  {
    const UserAction action;
    act();
  }
  return !alive.expired();
}

void ControlBinding::Refresh() {
  if (actionDepth == 0) {
    Show();
  } else if (!pending_) {
    pending_ = true;
    Pending().push_back(this);
  }
}

void ControlBinding::Show() {
  const QSignalBlocker blocker(widget_);
  const Rect& place = control_.Place;
  widget_->setGeometry(Pixels(place.Left), Pixels(place.Top), std::max(1, Pixels(place.Width)),
                       std::max(1, Pixels(place.Height)));
  widget_->setFont(ToQFont(control_.TextFont.Name, control_.TextFont.Size, control_.TextFont.Bold));
  Paint(widget_, control_.BackColor);
  widget_->setEnabled(control_.Enabled());
  widget_->setVisible(control_.Visible());
  ShowContent();
}

void ControlBinding::ShowPending() {
  const std::vector<ControlBinding*> bindings = std::exchange(Pending(), {});
  for (ControlBinding* binding : bindings) {
    binding->pending_ = false;
    binding->Show();
  }
}

UserAction::UserAction() { ++actionDepth; }

UserAction::~UserAction() {
  if (--actionDepth == 0) ControlBinding::ShowPending();
}

std::unique_ptr<ControlBinding> Bind(Control& control, QWidget* window) {
  std::unique_ptr<ControlBinding> binding = MakeBinding(control, window);
  control.Attach(binding.get());
  binding->Refresh();
  return binding;
}
