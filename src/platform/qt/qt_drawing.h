// A picture's drawing on a Qt painter: the screen's widget and the printer's page both draw
// through it, each at its own number of device pixels per twip.
#pragma once

#include <QPointF>

#include "platform/drawing.h"

class QPainter;

class QtDrawing : public Drawing {
 public:
  // The picture's top left corner stands at the origin; scale is device pixels per twip.
  QtDrawing(QPainter& painter, double scale, QPointF origin = QPointF());

  void Line(Point from, Point to, Colour colour, int width) override;
  void Polyline(const std::vector<Point>& points, Colour colour, int width) override;
  void Text(Point at, const std::string& text, const Font& font, Colour colour,
            Align align) override;

 private:
  QPointF Map(Point point) const;
  void UsePen(Colour colour, int width);

  QPainter& painter_;
  double scale_;
  QPointF origin_;
};
