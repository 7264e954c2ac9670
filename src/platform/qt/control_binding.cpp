#include "platform/qt/control_binding.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>

#include "platform/qt/biorhythm_picture.h"
#include "platform/qt/drawing_widget.h"
#include "platform/qt/fonts.h"
#include "platform/qt/list_widget.h"
#include "platform/qt/qt_text.h"

namespace {

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
    Keep(QObject::connect(widget_, &QPushButton::clicked, [this] { button_.Click(); }));
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
    Keep(QObject::connect(widget_, &QLineEdit::textEdited,
                          [this](const QString& text) { box_.SetText(FromQt(text)); }));
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
                          [this] { box_.SetText(FromQt(widget_->toPlainText())); }));
  }
  void ShowContent() override {
    const QString text = ToQt(box_.Text());
    if (widget_->toPlainText() != text) widget_->setPlainText(text);
    widget_->setReadOnly(box_.Locked);
  }
  TextBox& box_;
  QPlainTextEdit* widget_;
};

bool SameRow(const QAbstractItemModel& model, int row, const ItemList::Item& item) {
  const QModelIndex index = model.index(row, 0);
  return model.data(index, Qt::DisplayRole).toString() == ToQt(item.Text) &&
         model.data(index, Qt::UserRole).toInt() == item.Number;
}

// Brings the widget's rows in line with the control's. The rows both keep at the start and at
// the end stay; only those between are replaced, so adding one row touches only that row.
void ShowRows(QAbstractItemModel& model, const std::vector<ItemList::Item>& items) {
  const int wanted = static_cast<int>(items.size());
  const int shown = model.rowCount();
  const int common = std::min(wanted, shown);
  int head = 0;
  while (head < common && SameRow(model, head, items[head])) ++head;
  int tail = 0;
  while (tail < common - head && SameRow(model, shown - 1 - tail, items[wanted - 1 - tail])) ++tail;
  if (shown - head - tail > 0) model.removeRows(head, shown - head - tail);
  const int added = wanted - head - tail;
  if (added <= 0) return;
  model.insertRows(head, added);
  for (int row = head; row < head + added; ++row) {
    const QModelIndex index = model.index(row, 0);
    model.setData(index, ToQt(items[row].Text), Qt::DisplayRole);
    model.setData(index, items[row].Number, Qt::UserRole);
  }
}

class ListBinding : public ControlBinding {
 public:
  ListBinding(ListBox& list, QWidget* window) : ListBinding(list, new ListWidget(window)) {}
  ~ListBinding() override {
    widget_->onDrop = nullptr;
    widget_->setProperty(BindingProperty, QVariant());
  }

  static Control* ControlOf(const ListWidget& widget);

 private:
  ListBinding(ListBox& list, ListWidget* widget) : ControlBinding(list, widget), list_(list), widget_(widget) {
    widget_->setProperty(BindingProperty, QVariant::fromValue(static_cast<void*>(this)));
    Keep(QObject::connect(widget_, &QListWidget::currentRowChanged, [this](int row) {
      if (row >= 0) list_.SetListIndex(row);
    }));
    widget_->onDrop = [this](ListWidget& source, int row) {
      if (Control* from = ControlOf(source)) list_.DragDrop(*from, row);
    };
  }
  void ShowContent() override {
    ShowRows(*widget_->model(), list_.Items());
    widget_->setCurrentRow(list_.ListIndex());
    if (list_.ListIndex() < 0) widget_->clearSelection();
    widget_->dragSource = list_.DragSource;
  }

  static constexpr const char* BindingProperty = "ondulixBinding";
  ListBox& list_;
  ListWidget* widget_;
};

Control* ListBinding::ControlOf(const ListWidget& widget) {
  auto* binding = static_cast<ListBinding*>(widget.property(BindingProperty).value<void*>());
  return binding ? &binding->list_ : nullptr;
}

class ComboBinding : public ControlBinding {
 public:
  ComboBinding(ComboBox& combo, QWidget* window) : ComboBinding(combo, new QComboBox(window)) {}

 private:
  ComboBinding(ComboBox& combo, QComboBox* widget) : ControlBinding(combo, widget), combo_(combo), widget_(widget) {
    Keep(QObject::connect(widget_, &QComboBox::activated, [this](int row) { combo_.SetListIndex(row); }));
  }
  void ShowContent() override {
    ShowRows(*widget_->model(), combo_.Items());
    widget_->setCurrentIndex(combo_.ListIndex());
  }
  ComboBox& combo_;
  QComboBox* widget_;
};

// Lines and pictures show nothing that changes.
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

QWidget* PictureWidget(const Image& image, QWidget* window) {
  if (image.Picture() == "biorhythm") return new BiorhythmPicture(window);
  return new QWidget(window);
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
    case Control::Kind::Image:
      return std::make_unique<FixedBinding>(control, PictureWidget(static_cast<Image&>(control), window));
    case Control::Kind::PictureBox:
      return BindPicture(static_cast<PictureBox&>(control), window);
  }
  return nullptr;
}

}  // namespace

ControlBinding::ControlBinding(Control& control, QWidget* widget) : control_(control), widget_(widget) {
  widget_->setObjectName(ToQt(control.Name()));
}

ControlBinding::~ControlBinding() {
  for (const auto& connection : connections_) QObject::disconnect(connection);
}

void ControlBinding::Detach() {
  for (const auto& connection : connections_) QObject::disconnect(connection);
  connections_.clear();
  control_.Attach(nullptr);
}

void ControlBinding::Refresh() {
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

std::unique_ptr<ControlBinding> Bind(Control& control, QWidget* window) {
  std::unique_ptr<ControlBinding> binding = MakeBinding(control, window);
  control.Attach(binding.get());
  binding->Refresh();
  return binding;
}
