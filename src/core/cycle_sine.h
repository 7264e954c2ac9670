// The sine curve the cycle tables are made from. Day n of a life (n = 1 is the day of birth)
// covers the stretch of sin(2 pi t / L) from t = n - 1 to t = n, for the cycle length L, so
// each curve starts rising through zero at birth.
#pragma once

// The curve of a cycle of the length at t days after birth, from -1 to 1.
double CycleSine(double t, int length);

// What the curve gives a table entry: "*" when its day starts on zero or crosses it, else "+"
// above zero and "-" below; the scale value is the curve at the middle of the day times 10,
// rounded, and 0 on a critical day.
struct SineEntry {
  char Symbol;
  int Scale;
};
SineEntry SineEntryOf(int entry, int length);
