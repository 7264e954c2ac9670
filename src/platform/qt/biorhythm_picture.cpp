#include "platform/qt/biorhythm_picture.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <numbers>

namespace {

struct Cycle {
  int days;
  QColor colour;
};

// Physical red, emotional green, intellectual blue, each starting upward at birth.
constexpr int DaysShown = 33;
const Cycle Cycles[] = {{23, QColor(200, 40, 40)}, {28, QColor(30, 140, 60)}, {33, QColor(40, 70, 200)}};

QPainterPath Wave(const QRectF& area, int days) {
  QPainterPath path;
  const int steps = static_cast<int>(area.width());
  for (int step = 0; step <= steps; ++step) {
    const double day = DaysShown * step / static_cast<double>(steps);
    const double value = std::sin(2 * std::numbers::pi * day / days);
    const QPointF point(area.left() + step, area.center().y() - value * area.height() / 2);
    if (step == 0) path.moveTo(point);
    else path.lineTo(point);
  }
  return path;
}

}  // namespace

void BiorhythmPicture::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const QRectF frame = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
  painter.fillRect(frame, Qt::white);
  painter.setPen(QPen(QColor(150, 150, 150), 1));
  painter.drawRect(frame);
  const QRectF area = frame.adjusted(6, 10, -6, -10);
  painter.drawLine(QPointF(area.left(), area.center().y()), QPointF(area.right(), area.center().y()));
  for (const Cycle& cycle : Cycles) {
    painter.setPen(QPen(cycle.colour, 2));
    painter.drawPath(Wave(area, cycle.days));
  }
}
