#include "platform/qt/accessibility.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>

#include "platform/qt/drawing_widget.h"
#include "platform/qt/qt_desktop.h"
#include "platform/qt/qt_text.h"

namespace {

// A drop-down list named by its label. What it shows is its value and its text, which can be
// read but not changed, so that a screen reader tells the entry while the list is closed; its
// rows are the rows of its pop-up list.
class NamedComboBox : public QAccessibleWidget, public QAccessibleTextInterface {
 public:
  explicit NamedComboBox(QComboBox* combo) : QAccessibleWidget(combo, QAccessible::ComboBox), combo_(combo) {}

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
  }
  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name && !combo_->accessibleName().isEmpty()) return combo_->accessibleName();
    if (t == QAccessible::Name || t == QAccessible::Value) return combo_->currentText();
    return QAccessibleWidget::text(t);
  }

  QString text(int start, int end) const override { return combo_->currentText().mid(start, end - start); }
  int characterCount() const override { return static_cast<int>(combo_->currentText().size()); }
  // No selection and no cursor: the entry is chosen from the list, never edited.
  void selection(int, int* start, int* end) const override { *start = *end = 0; }
  int selectionCount() const override { return 0; }
  void addSelection(int, int) override {}
  void removeSelection(int) override {}
  void setSelection(int, int, int) override {}
  int cursorPosition() const override { return 0; }
  void setCursorPosition(int) override {}
  QRect characterRect(int) const override { return {}; }
  int offsetAtPoint(const QPoint&) const override { return -1; }
  void scrollToSubstring(int, int) override {}
  QString attributes(int offset, int* start, int* end) const override {
    *start = *end = offset;
    return {};
  }
  int childCount() const override { return 1; }
  QAccessibleInterface* child(int index) const override {
    return index == 0 ? QAccessible::queryAccessibleInterface(combo_->view()) : nullptr;
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    return child && child->object() == combo_->view() ? 0 : -1;
  }
  QStringList actionNames() const override {
    return QStringList{showMenuAction(), pressAction()} + QAccessibleWidget::actionNames();
  }
  void doAction(const QString& action) override {
    if (action == showMenuAction() || action == pressAction()) combo_->showPopup();
    else QAccessibleWidget::doAction(action);
  }

 private:
  QComboBox* combo_;
};

// A picture is told as a chart, named by the label beside it as that label reads now: the
// program names what the picture shows after the window opened.
class ChartReader : public QAccessibleWidget {
 public:
  explicit ChartReader(DrawingWidget* widget) : QAccessibleWidget(widget, QAccessible::Chart) {}
  QString text(QAccessible::Text t) const override {
    const QString name = LabelName(static_cast<const DrawingWidget*>(widget())->Picture());
    return t == QAccessible::Name && !name.isEmpty() ? name : QAccessibleWidget::text(t);
  }
};

QAccessibleInterface* Presentation(const QString&, QObject* object) {
  if (auto* window = dynamic_cast<FormWindow*>(object)) {
    return new QAccessibleWidget(window, window->IsDialog() ? QAccessible::Dialog : QAccessible::Window);
  }
  // The drop-down lists of the program's windows; the interface is made once, perhaps before
  // the list has its name.
  if (auto* picture = qobject_cast<DrawingWidget*>(object)) return new ChartReader(picture);
  auto* combo = qobject_cast<QComboBox*>(object);
  if (combo && dynamic_cast<FormWindow*>(combo->parentWidget())) return new NamedComboBox(combo);
  return nullptr;
}

}  // namespace

void InstallAccessibility() {
  static bool installed = false;
  if (installed) return;
  installed = true;
  QAccessible::installFactory(Presentation);
}

QString LabelName(const Control& control) {
  if (!control.Buddy || control.Buddy->kind() != Control::Kind::Label) return {};
  return ToQt(static_cast<const Label*>(control.Buddy)->Caption()).remove(QLatin1Char('&')).trimmed();
}
