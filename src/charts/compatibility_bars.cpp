#include "charts/compatibility_bars.h"

#include <cmath>

#include "core/cycle_inks.h"

namespace {

constexpr Colour OverallInk{70, 70, 70};
constexpr Colour Track{215, 215, 215};
// A bar is filled with lines a pixel apart, the thinnest the screen shows.
constexpr int FillStep = 15;
// The lines' round ends stay inside the picture.
constexpr int Inset = 30;

double Figure(int bar, const Compatibility& figures) {
  const double values[4] = {figures.Physical, figures.Emotional, figures.Intellectual,
                            figures.Overall()};
  return values[bar];
}

}  // namespace

std::string BarCaption(int bar, const Compatibility& figures) {
  std::string caption = BarNames[bar];
  const std::string figure = Percent(Figure(bar, figures));
  caption.resize(21 - figure.size(), ' ');
  return caption + figure;
}

void DrawCompatibilityBars(Drawing& drawing, const Compatibility& figures, int width, int height) {
  const int left = Inset, right = width - Inset;
  const int row = height / 4, thickness = row / 2;
  for (int bar = 0; bar < 4; ++bar) {
    const Colour ink = bar < 3 ? CycleInks[bar] : OverallInk;
    const int top = bar * row + (row - thickness) / 2, bottom = top + thickness;
    const int end = left + static_cast<int>(std::lround(Figure(bar, figures) / 100 * (right - left)));
    drawing.Line(Point{left, top}, Point{right, top}, Track, 15);
    drawing.Line(Point{left, bottom}, Point{right, bottom}, Track, 15);
    drawing.Line(Point{right, top}, Point{right, bottom}, Track, 15);
    if (end == left) continue;
    for (int y = top; y <= bottom; y += FillStep) drawing.Line(Point{left, y}, Point{end, y}, ink, 20);
  }
}
