// Pictures the program draws itself: lines, polylines and text in colour, placed in twips.
// The same drawing code paints a window's picture and a printed page.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/controls.h"

// A place in a picture, in twips from its top left corner; y grows downwards.
struct Point {
  int X = 0;
  int Y = 0;
  bool operator==(const Point&) const = default;
};

class Drawing {
 public:
  // Where text stands against the point it is drawn at: the point is the top of the text,
  // at its left edge, its middle or its right edge.
  enum class Align { Left, Centre, Right };

  virtual ~Drawing() = default;
  // Widths are in twips too; any width draws at least the thinnest line the device has.
  virtual void Line(Point from, Point to, Colour colour, int width) = 0;
  virtual void Polyline(const std::vector<Point>& points, Colour colour, int width) = 0;
  virtual void Text(Point at, const std::string& text, const Font& font, Colour colour,
                    Align align) = 0;
};

// What draws a picture of a given size (twips) on any drawing.
using PaintRoutine = std::function<void(Drawing& drawing, int width, int height)>;
