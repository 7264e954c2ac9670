// The three cycles as the pictures draw them (the About window's picture, the program's icon):
// the first month from birth, each cycle starting upward.
#pragma once

#include <cmath>
#include <numbers>

struct CycleCurve {
  int days;
  int red, green, blue;
};

inline constexpr double CurveDaysShown = 33;
// Physical red, emotional green, intellectual blue.
inline constexpr CycleCurve CycleCurves[] = {{23, 200, 40, 40}, {28, 30, 140, 60}, {33, 40, 70, 200}};

// Where the cycle stands on a day after birth, from -1 (lowest) to 1 (highest).
inline double CurveHeight(const CycleCurve& curve, double day) {
  return std::sin(2 * std::numbers::pi * day / curve.days);
}
