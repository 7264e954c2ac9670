// Writes the six cycle-table files from the sine curve of each cycle (core/cycle_sine.h).
//
// Usage: make-cycle-tables FOLDER
#include <cstdio>
#include <string>

#include "core/cycle_sine.h"

namespace {

bool WriteTables(const std::string& folder, const char* name, int length) {
  std::string symbols;
  std::string scale;
  for (int entry = 1; entry <= length; ++entry) {
    const SineEntry day = SineEntryOf(entry, length);
    symbols += day.Symbol;
    scale += std::to_string(day.Scale) + "\r\n";
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
