#include "platform/qt/drawing_widget.h"

#include <QPainter>

#include "platform/qt/qt_drawing.h"

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

}  // namespace

DrawingWidget::DrawingWidget(const PictureBox& picture, QWidget* window)
    : QWidget(window), picture_(picture) {
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
