// Writes the program's icon as SVG: the About window's picture on a square tile, the three
// cycles over their first month, drawn thick enough to read at 16 pixels.
//
// Usage: make-icon FILE
#include <cstdio>
#include <string>

#include "core/cycle_inks.h"
#include "core/cycle_sine.h"
#include "core/globals.h"

namespace {

// On a 256-unit square: a white tile with a grey frame, the curves across it about the
// middle line, as in the About window.
constexpr double Left = 34, Right = 222, Middle = 128, Amplitude = 70;
constexpr int Steps = 96;
// The first month of a life: every cycle once round, the longest just so.
constexpr double DaysShown = IntellectualLength;

std::string Polyline(int length, const Colour& ink) {
  std::string points;
  char point[32];
  for (int step = 0; step <= Steps; ++step) {
    const double x = Left + (Right - Left) * step / Steps;
    const double y = Middle - Amplitude * CycleSine(DaysShown * step / Steps, length);
    std::snprintf(point, sizeof point, "%s%.1f,%.1f", step ? " " : "", x, y);
    points += point;
  }
  char line[160];
  std::snprintf(line, sizeof line,
                "  <polyline fill=\"none\" stroke=\"#%02x%02x%02x\" stroke-width=\"16\" "
                "stroke-linecap=\"round\" stroke-linejoin=\"round\" points=\"",
                ink.Red, ink.Green, ink.Blue);
  return line + points + "\"/>\n";
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make-icon FILE\n");
    return 2;
  }
  char frame[400];
  std::snprintf(frame, sizeof frame,
                "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" "
                "viewBox=\"0 0 256 256\">\n"
                "  <rect x=\"12\" y=\"12\" width=\"232\" height=\"232\" rx=\"28\" fill=\"#ffffff\" "
                "stroke=\"#969696\" stroke-width=\"8\"/>\n"
                "  <line x1=\"%g\" y1=\"%g\" x2=\"%g\" y2=\"%g\" stroke=\"#969696\" stroke-width=\"6\"/>\n",
                Left, Middle, Right, Middle);
  std::string svg = frame;
  for (int cycle = 0; cycle < 3; ++cycle) svg += Polyline(CycleLengths[cycle], CycleInks[cycle]);
  svg += "</svg>\n";
  std::FILE* out = std::fopen(argv[1], "w");
  if (!out) return 1;
  const bool written = std::fputs(svg.c_str(), out) >= 0;
  return std::fclose(out) == 0 && written ? 0 : 1;
}
