#include "platform/qt/qt_drawing.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPen>
#include <QPolygonF>
#include <cmath>

#include "platform/qt/fonts.h"
#include "platform/qt/qt_text.h"

namespace {

// A point is 20 twips.
constexpr double TwipsPerPoint = 20;

}  // namespace

QtDrawing::QtDrawing(QPainter& painter, double scale, QPointF origin)
    : painter_(painter), scale_(scale), origin_(origin) {
  painter_.setRenderHint(QPainter::Antialiasing);
  painter_.setRenderHint(QPainter::TextAntialiasing);
}

QPointF QtDrawing::Map(Point point) const { return origin_ + QPointF(point.X, point.Y) * scale_; }

void QtDrawing::UsePen(Colour colour, int width) {
  QPen pen(QColor(colour.Red, colour.Green, colour.Blue), std::max(1.0, width * scale_));
  pen.setCapStyle(Qt::RoundCap);
  pen.setJoinStyle(Qt::RoundJoin);
  painter_.setPen(pen);
}

void QtDrawing::Line(Point from, Point to, Colour colour, int width) {
  UsePen(colour, width);
  painter_.drawLine(Map(from), Map(to));
}

void QtDrawing::Polyline(const std::vector<Point>& points, Colour colour, int width) {
  QPolygonF line;
  line.reserve(static_cast<qsizetype>(points.size()));
  for (const Point& point : points) line << Map(point);
  UsePen(colour, width);
  painter_.drawPolyline(line);
}

// The font is sized in device pixels, so that text keeps its place among the lines however
// far the picture is scaled.
void QtDrawing::Text(Point at, const std::string& text, const Font& font, Colour colour,
                     Align align) {
  QFont face = ToQFont(font.Name, font.Size, font.Bold);
  face.setPixelSize(std::max(1, static_cast<int>(std::lround(font.Size * TwipsPerPoint * scale_))));
  painter_.setFont(face);
  painter_.setPen(QColor(colour.Red, colour.Green, colour.Blue));
  const QFontMetricsF metrics = painter_.fontMetrics();
  const QString shown = ToQt(text);
  const double width = metrics.horizontalAdvance(shown);
  const double shift = align == Align::Left ? 0 : align == Align::Centre ? width / 2 : width;
  const QPointF top = Map(at);
  painter_.drawText(QPointF(top.x() - shift, top.y() + metrics.ascent()), shown);
}
