#include "core/cycle_sine.h"

#include <cmath>
#include <numbers>

double CycleSine(double t, int length) { return std::sin(2 * std::numbers::pi * t / length); }

// A day number n falls on table entry (n mod L) + 1, so entry e holds day n = e - 1 of the
// cycle (entry 1 holds the last day, n = L).
SineEntry SineEntryOf(int entry, int length) {
  const int n = entry == 1 ? length : entry - 1;
  // Rounding keeps the zero of sin(pi) from reading as a tiny positive or negative value. A
  // zero at the end of the day belongs to the next day, which starts on it.
  const double start = std::round(CycleSine(n - 1, length) * 1e9);
  const double end = std::round(CycleSine(n, length) * 1e9);
  const bool critical = start == 0 || (end != 0 && (start > 0) != (end > 0));
  if (critical) return SineEntry{'*', 0};
  const double middle = CycleSine(n - 0.5, length);
  return SineEntry{middle > 0 ? '+' : '-', static_cast<int>(std::lround(10 * middle))};
}
