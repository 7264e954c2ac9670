#include "platform/qt/drawing_widget.h"

#include <QAccessibleWidget>
#include <QPainter>

#include "platform/qt/qt_drawing.h"
#include "platform/qt/qt_text.h"

namespace {

// A twip is a fifteenth of a pixel at 96 dots per inch, as everywhere on the screen.
constexpr double PixelsPerTwip = 1.0 / 15;

class PictureBinding : public ControlBinding {
 public:
  PictureBinding(PictureBox& picture, QWidget* window)
      : ControlBinding(picture, new DrawingWidget(picture, window)) {}

 private:
  void ShowContent() override { widget()->update(); }
};

// A screen reader tells the picture as a chart, named by the label beside it as that label
// reads now: the program names what the picture shows after the window opened.
class ChartReader : public QAccessibleWidget {
 public:
  explicit ChartReader(DrawingWidget* widget) : QAccessibleWidget(widget, QAccessible::Chart) {}
  QString text(QAccessible::Text kind) const override {
    const Control* label = static_cast<const DrawingWidget*>(widget())->Picture().Buddy;
    if (kind != QAccessible::Name || !label || label->kind() != Control::Kind::Label) {
      return QAccessibleWidget::text(kind);
    }
    return ToQt(static_cast<const Label*>(label)->Caption()).remove(QLatin1Char('&')).trimmed();
  }
};

QAccessibleInterface* ChartAccessible(const QString& className, QObject* object) {
  if (className != QLatin1String("DrawingWidget") || !object->isWidgetType()) return nullptr;
  return new ChartReader(static_cast<DrawingWidget*>(object));
}

}  // namespace

DrawingWidget::DrawingWidget(const PictureBox& picture, QWidget* window)
    : QWidget(window), picture_(picture) {
  static const bool installed = (QAccessible::installFactory(ChartAccessible), true);
  (void)installed;
  setAttribute(Qt::WA_OpaquePaintEvent);
  // A keyboard reaches the picture too, and a screen reader then tells its name.
  setFocusPolicy(Qt::StrongFocus);
}

void DrawingWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  QtDrawing drawing(painter, PixelsPerTwip);
  picture_.Paint(drawing);
  painter.setPen(hasFocus() ? palette().color(QPalette::Highlight) : QColor(150, 150, 150));
  painter.setBrush(Qt::NoBrush);
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

std::unique_ptr<ControlBinding> BindPicture(PictureBox& picture, QWidget* window) {
  return std::make_unique<PictureBinding>(picture, window);
}
