// Writes the six cycle-table files from the sine curve of each cycle.
//
// The rule: day n of a person's life (n = 1 is the day of birth) covers the stretch of the
// curve sin(2 pi t / L) from t = n - 1 to t = n, for the cycle length L (23, 28, 33). So the
// day of birth starts each curve rising through zero. A day whose stretch starts on or crosses
// zero is a critical day, "*"; any other day is "+" while the curve is above zero and "-"
// while it is below. The scale value is the curve at the middle of the day, times 10, rounded;
// a critical day scores 0. So a "+" day always scores above 0 and a "-" day below.
//
// A day number n falls on table entry (n mod L) + 1, so entry e holds day n = e - 1 of the
// cycle (entry 1 holds the last day, n = L).
//
// Usage: make-cycle-tables FOLDER
#include <cmath>
#include <cstdio>
#include <numbers>
#include <string>

namespace {

struct Day {
  char symbol;
  int scale;
};

double Curve(double t, int length) { return std::sin(2 * std::numbers::pi * t / length); }

Day DayOfEntry(int entry, int length) {
  const int n = entry == 1 ? length : entry - 1;
  const double start = Curve(n - 1, length);
  const double end = Curve(n, length);
  // Rounding keeps the zero of sin(pi) from reading as a tiny positive or negative value. A
  // zero at the end of the day belongs to the next day, which starts on it.
  const double startRounded = std::round(start * 1e9);
  const double endRounded = std::round(end * 1e9);
  const bool critical =
      startRounded == 0 || (endRounded != 0 && (startRounded > 0) != (endRounded > 0));
  if (critical) return Day{'*', 0};
  const double middle = Curve(n - 0.5, length);
  return Day{middle > 0 ? '+' : '-', static_cast<int>(std::lround(10 * middle))};
}

bool WriteTables(const std::string& folder, const char* name, int length) {
  std::string symbols;
  std::string scale;
  for (int entry = 1; entry <= length; ++entry) {
    const Day day = DayOfEntry(entry, length);
    symbols += day.symbol;
    scale += std::to_string(day.scale) + "\r\n";
  }
  symbols += "\r\n";
  for (const auto& [extension, text] : {std::pair{".SYM", symbols}, std::pair{".SCA", scale}}) {
    const std::string path = folder + "/" + name + extension;
    std::FILE* out = std::fopen(path.c_str(), "wb");
    if (!out) return false;
    const bool written = std::fwrite(text.data(), 1, text.size(), out) == text.size();
    if (std::fclose(out) != 0 || !written) return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
    return 2;
  }
  const bool ok = WriteTables(argv[1], "BR_PHY", 23) && WriteTables(argv[1], "BR_EMO", 28) &&
                  WriteTables(argv[1], "BR_INT", 33);
  if (!ok) std::fprintf(stderr, "%s: cannot write the tables\n", argv[0]);
  return ok ? 0 : 1;
}
