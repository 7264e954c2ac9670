#include "core/cycle_tables.h"

#include <cstdlib>

#include "core/field_reader.h"
#include "platform/dialogs.h"
#include "platform/files.h"

namespace {

// The first L characters of the file are the symbols of entries 1 to L; line breaks among
// them count as symbols too.
template <int L>
bool LoadSymbols(const GLOBAL& g, const char* file, CycleTable<L>& table) {
  const auto text = files::Read(g.DataFolder, file);
  if (!text || text->size() < static_cast<size_t>(L)) return false;
  for (int k = 1; k <= L; ++k) table.Symbols[k] = (*text)[k - 1];
  return true;
}

// A field without a value counts 0; a field that is no number spoils the table.
bool ReadScale(const std::string& field, double& value) {
  value = 0;
  if (field.empty()) return true;
  char* end = nullptr;
  value = std::strtod(field.c_str(), &end);
  return end == field.c_str() + field.size();
}

template <int L>
bool LoadScale(const GLOBAL& g, const char* file, CycleTable<L>& table) {
  const auto text = files::Read(g.DataFolder, file);
  if (!text) return false;
  FieldReader reader(*text);
  for (int k = 1; k <= L; ++k) {
    if (reader.AtEnd() || !ReadScale(reader.Next(), table.Scale[k])) return false;
  }
  return true;
}

}  // namespace

bool LoadCycleTables(GLOBAL& g) {
  const bool loaded = LoadSymbols(g, "BR_PHY.SYM", g.Physical) &&
                      LoadSymbols(g, "BR_EMO.SYM", g.Emotional) &&
                      LoadSymbols(g, "BR_INT.SYM", g.Intellectual) &&
                      LoadScale(g, "BR_PHY.SCA", g.Physical) &&
                      LoadScale(g, "BR_EMO.SCA", g.Emotional) &&
                      LoadScale(g, "BR_INT.SCA", g.Intellectual);
  if (!loaded) {
    g.platform.dialogs.MsgBox("Cannot read data files! " + g.DataFolder, Buttons::OK,
                              Icon::Question, "Error");
  }
  return loaded;
}

long DayNumber(Date dob, Date event) { return DaysBetween(dob, event) + 1; }

CyclePlace CyclePosition(long dayNumber, int length) {
  const int position = static_cast<int>(dayNumber % length);
  return CyclePlace{position, position + 1};
}

std::string DayState::StateKey() const {
  return std::string{PhysicalSymbol, EmotionalSymbol, IntellectualSymbol};
}

DayState StateOn(const GLOBAL& g, Date dob, Date event) {
  const long n = DayNumber(dob, event);
  DayState state{};
  state.Physical = CyclePosition(n, g.Physical.Length);
  state.Emotional = CyclePosition(n, g.Emotional.Length);
  state.Intellectual = CyclePosition(n, g.Intellectual.Length);
  state.PhysicalSymbol = g.Physical.Symbols[state.Physical.Entry];
  state.EmotionalSymbol = g.Emotional.Symbols[state.Emotional.Entry];
  state.IntellectualSymbol = g.Intellectual.Symbols[state.Intellectual.Entry];
  state.PhysicalScale = g.Physical.Scale[state.Physical.Entry];
  state.EmotionalScale = g.Emotional.Scale[state.Emotional.Entry];
  state.IntellectualScale = g.Intellectual.Scale[state.Intellectual.Entry];
  return state;
}
