#include "platform/qt/biorhythm_picture.h"

#include <QPainter>
#include <QPainterPath>

#include "core/cycle_inks.h"
#include "core/cycle_sine.h"
#include "core/globals.h"

namespace {

// The first month of a life: every cycle once round, the longest just so.
constexpr double DaysShown = IntellectualLength;

QPainterPath Wave(const QRectF& area, int length) {
  QPainterPath path;
  const int steps = static_cast<int>(area.width());
  for (int step = 0; step <= steps; ++step) {
    const double value = CycleSine(DaysShown * step / steps, length);
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
  for (int cycle = 0; cycle < 3; ++cycle) {
    const Colour& ink = CycleInks[cycle];
    painter.setPen(QPen(QColor(ink.Red, ink.Green, ink.Blue), 2));
    painter.drawPath(Wave(area, CycleLengths[cycle]));
  }
}
