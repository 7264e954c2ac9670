#include "core/cycle_waves.h"

#include <cmath>

#include "core/cycle_inks.h"
#include "core/cycle_sine.h"
#include "core/globals.h"

namespace {

constexpr int PointsPerDay = 8;
constexpr Colour MiddleLine{150, 150, 150};

Point PointOf(const LifeSpan& span, double t, double value) {
  const Rect& area = span.Area;
  const double across = (t - span.From) * area.Width / (span.To - span.From);
  const double up = value * area.Height / 2.0;
  return Point{area.Left + static_cast<int>(std::lround(across)),
               area.Top + area.Height / 2 - static_cast<int>(std::lround(up))};
}

}  // namespace

void DrawCycleWave(Drawing& drawing, const LifeSpan& span, int cycle, double from, double to,
                   int width) {
  std::vector<Point> points;
  for (double step = std::ceil(from * PointsPerDay); step <= to * PointsPerDay; ++step) {
    const double t = step / PointsPerDay;
    points.push_back(PointOf(span, t, CycleSine(t, CycleLengths[cycle])));
  }
  if (points.size() > 1) drawing.Polyline(points, CycleInks[cycle], width);
}

void DrawFirstMonth(Drawing& drawing, const Rect& area, int lineWidth, int waveWidth) {
  const LifeSpan month{area, 0, IntellectualLength};
  drawing.Line(PointOf(month, month.From, 0), PointOf(month, month.To, 0), MiddleLine, lineWidth);
  for (int cycle = 0; cycle < 3; ++cycle) {
    DrawCycleWave(drawing, month, cycle, month.From, month.To, waveWidth);
  }
}
