#include "charts/day_plot.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr Colour Ink{0, 0, 0};
constexpr Colour Grid{215, 215, 215};
constexpr Colour MiddleLine{110, 110, 110};
constexpr Colour MarkedDay{40, 40, 40};

constexpr int LegendTop = 60;
constexpr int LegendStroke = 360;
constexpr int PlotTop = 480;
constexpr int PlotLeft = 600;
constexpr int PlotRightMargin = 540;
constexpr int Tick = 60;
constexpr int MarkStep = 150;
constexpr int MarkSize = 110;
constexpr int LabelHeight = 240;
// Half a line of lettering: a text centred on a height starts this far above it.
constexpr int HalfLine = 90;
// Texts are placed without measuring them: a character of the lettering is at most this wide.
constexpr int CharacterWidth = 100;
// The points a day of a curve is drawn through; the middle of the day is one of them.
constexpr int Steps = 8;

// The slopes at the days of a curve through them that never swings past the values of two
// neighbouring days: it stays between them, and is flat where a day is a peak or a trough.
std::vector<double> MonotoneSlopes(const std::vector<double>& y) {
  const size_t n = y.size();
  std::vector<double> slope(n, 0.0);
  if (n < 2) return slope;
  std::vector<double> secant(n - 1);
  for (size_t k = 0; k + 1 < n; ++k) secant[k] = y[k + 1] - y[k];
  slope[0] = secant[0];
  slope[n - 1] = secant[n - 2];
  for (size_t k = 1; k + 1 < n; ++k) {
    slope[k] = secant[k - 1] * secant[k] <= 0 ? 0 : (secant[k - 1] + secant[k]) / 2;
  }
  for (size_t k = 0; k + 1 < n; ++k) {
    if (secant[k] == 0) {
      slope[k] = slope[k + 1] = 0;
      continue;
    }
    const double a = slope[k] / secant[k], b = slope[k + 1] / secant[k];
    const double length = std::hypot(a, b);
    if (length > 3) {
      slope[k] = 3 * a / length * secant[k];
      slope[k + 1] = 3 * b / length * secant[k];
    }
  }
  return slope;
}

double Hermite(double y0, double y1, double m0, double m1, double t) {
  const double t2 = t * t, t3 = t2 * t;
  return (2 * t3 - 3 * t2 + 1) * y0 + (t3 - 2 * t2 + t) * m0 + (-2 * t3 + 3 * t2) * y1 +
         (t3 - t2) * m1;
}

}  // namespace

const Font DayPlot::Lettering{"Arial", 8, false};

DayPlot::DayPlot(int width, int height, Date first, int days, int markRows)
    : left_(PlotLeft),
      right_(width - PlotRightMargin),
      top_(PlotTop),
      bottom_(height - (2 * Tick + markRows * MarkStep + LabelHeight)),
      labelTop_(bottom_ + 2 * Tick + markRows * MarkStep),
      first_(first),
      days_(std::max(days, 1)) {}

int DayPlot::X(double day) const {
  return left_ + static_cast<int>(std::lround((2.0 * day + 1) * (right_ - left_) / (2.0 * days_)));
}

int DayPlot::Y(double value) const {
  return (top_ + bottom_) / 2 - static_cast<int>(std::lround(value * (bottom_ - top_) / 2.0));
}

int DayPlot::MarkY(int row) const { return bottom_ + 2 * Tick + row * MarkStep; }

Rect DayPlot::Area() const { return Rect{left_, top_, right_ - left_, bottom_ - top_}; }

int DayPlot::Legend(Drawing& drawing, const std::vector<Entry>& entries) const {
  int x = left_;
  const int middle = LegendTop + HalfLine;
  for (const Entry& entry : entries) {
    drawing.Line(Point{x, middle}, Point{x + LegendStroke, middle}, entry.Ink, 45);
    drawing.Text(Point{x + LegendStroke + 90, LegendTop}, entry.Text, Lettering, Ink,
                 Drawing::Align::Left);
    x += LegendStroke + 90 + static_cast<int>(entry.Text.size()) * CharacterWidth + 240;
  }
  return x;
}

void DayPlot::Frame(Drawing& drawing, int every, const std::string& top,
                    const std::string& bottom, std::optional<int> marked) const {
  const int middle = Y(0);
  drawing.Line(Point{left_, top_}, Point{right_, top_}, Grid, 15);
  drawing.Line(Point{left_, bottom_}, Point{right_, bottom_}, Grid, 15);
  for (int day = 0; day < days_; ++day) {
    const int x = X(day);
    const bool labelled = every > 0 && day % every == 0;
    if (labelled) drawing.Line(Point{x, top_}, Point{x, bottom_}, Grid, 15);
    drawing.Line(Point{x, bottom_}, Point{x, bottom_ + (labelled ? 2 * Tick : Tick)}, MiddleLine, 15);
    if (!labelled) continue;
    Font lettering = Lettering;
    lettering.Bold = day == marked;
    drawing.Text(Point{x, labelTop_}, WriteDate(AddDays(first_, day)), lettering, Ink,
                 Drawing::Align::Centre);
  }
  drawing.Line(Point{left_, middle}, Point{right_, middle}, MiddleLine, 15);
  drawing.Text(Point{left_ - HalfLine, top_ - HalfLine}, top, Lettering, Ink, Drawing::Align::Right);
  drawing.Text(Point{left_ - HalfLine, bottom_ - HalfLine}, bottom, Lettering, Ink,
               Drawing::Align::Right);
  if (marked && *marked >= 0 && *marked < days_) {
    drawing.Line(Point{X(*marked), top_}, Point{X(*marked), bottom_}, MarkedDay, 30);
  }
}

void DayPlot::Series(Drawing& drawing, const std::vector<std::optional<double>>& values,
                     Colour ink, bool smooth) const {
  size_t day = 0;
  while (day < values.size()) {
    if (!values[day]) {
      ++day;
      continue;
    }
    // A run of days with values.
    std::vector<double> run;
    const size_t start = day;
    while (day < values.size() && values[day]) run.push_back(*values[day++]);
    const std::vector<double> slope = MonotoneSlopes(run);
    std::vector<Point> points;
    for (size_t k = 0; k < run.size(); ++k) {
      const int d = static_cast<int>(start + k);
      points.push_back(Point{X(d), Y(run[k])});
      if (!smooth || k + 1 == run.size()) continue;
      for (int step = 1; step < Steps; ++step) {
        const double t = static_cast<double>(step) / Steps;
        points.push_back(Point{X(d + t), Y(Hermite(run[k], run[k + 1], slope[k], slope[k + 1], t))});
      }
    }
    drawing.Polyline(points, ink, 30);
  }
}

void DayPlot::Mark(Drawing& drawing, Point tip, Colour ink) {
  for (int down = 0; down <= MarkSize; down += 15) {
    const int half = down / 2;
    drawing.Line(Point{tip.X - half, tip.Y + down}, Point{tip.X + half, tip.Y + down}, ink, 20);
  }
}
