// Writes the program's icon as SVG: the About window's picture on a square tile, the three
// cycles over their first month, drawn thick enough to read at 16 pixels.
//
// Usage: make-icon FILE
#include <cstdio>
#include <sstream>
#include <string>

#include "core/cycle_waves.h"

namespace {

// The icon is 256 pixels square; its drawing counts in twips, 15 to the pixel, as every
// picture of the program does.
constexpr int Size = 256 * 15;

std::string Ink(const Colour& colour) {
  char hex[8];
  std::snprintf(hex, sizeof hex, "#%02x%02x%02x", colour.Red, colour.Green, colour.Blue);
  return hex;
}

// A drawing written out as SVG elements, with round ends and joins as on the screen.
class SvgDrawing : public Drawing {
 public:
  void Line(Point from, Point to, Colour colour, int width) override {
    Polyline({from, to}, colour, width);
  }
  void Polyline(const std::vector<Point>& points, Colour colour, int width) override {
    svg << "  <polyline fill=\"none\" stroke=\"" << Ink(colour) << "\" stroke-width=\"" << width
        << "\" stroke-linecap=\"round\" stroke-linejoin=\"round\" points=\"";
    for (size_t k = 0; k < points.size(); ++k) {
      svg << (k ? " " : "") << points[k].X << ',' << points[k].Y;
    }
    svg << "\"/>\n";
  }
  // The icon has no lettering.
  void Text(Point, const std::string&, const Font&, Colour, Align) override {}

  std::ostringstream svg;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make-icon FILE\n");
    return 2;
  }
  // A white tile with a grey frame, the curves across it about the middle line, as in the About
  // window.
  SvgDrawing drawing;
  drawing.svg << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" "
              << "viewBox=\"0 0 " << Size << ' ' << Size << "\">\n"
              << "  <rect x=\"180\" y=\"180\" width=\"3480\" height=\"3480\" rx=\"420\" "
              << "fill=\"#ffffff\" stroke=\"#969696\" stroke-width=\"120\"/>\n";
  DrawFirstMonth(drawing, Rect{510, 870, 2820, 2100}, 90, 240);
  drawing.svg << "</svg>\n";
  std::FILE* out = std::fopen(argv[1], "w");
  if (!out) return 1;
  const bool written = std::fputs(drawing.svg.str().c_str(), out) >= 0;
  return std::fclose(out) == 0 && written ? 0 : 1;
}
