#include "core/cycle_tables.h"

#include <charconv>
#include <cmath>
#include <string_view>

#include "core/field_reader.h"
#include "platform/dialogs.h"
#include "platform/files.h"

namespace {

// The first L characters of the file are the symbols of entries 1 to L; line breaks among
// them count as symbols too.
template <int L>
bool LoadSymbols(const GLOBAL& g, const char* file, SymbolTable<L>& table) {
  const auto text = files::Read(g.DataFolder, file);
  if (!text || text->size() < static_cast<size_t>(L)) return false;
  for (int k = 1; k <= L; ++k) table[k] = (*text)[k - 1];
  return true;
}

// A field without a value counts 0; a field that is no number spoils the table. Numbers are
// written with a point whatever the machine's language settings, so they are read without them.
bool ReadScale(std::string_view field, double& value) {
  value = 0;
  if (field.empty()) return true;
  if (field.front() == '+') field.remove_prefix(1);
  const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
  return error == std::errc() && end == field.data() + field.size() && std::isfinite(value);
}

template <int L>
bool LoadScale(const GLOBAL& g, const char* file, ScaleTable<L>& table) {
  const auto text = files::Read(g.DataFolder, file);
  if (!text) return false;
  FieldReader reader(*text);
  for (int k = 1; k <= L; ++k) {
    if (reader.AtEnd() || !ReadScale(reader.Next(), table[k])) return false;
  }
  return true;
}

}  // namespace

bool LoadCycleTables(GLOBAL& g) {
  const bool loaded = LoadSymbols<PhysicalLength>(g, "BR_PHY.SYM", g.PhysicalSymbols) &&
                      LoadSymbols<EmotionalLength>(g, "BR_EMO.SYM", g.EmotionalSymbols) &&
                      LoadSymbols<IntellectualLength>(g, "BR_INT.SYM", g.IntellectualSymbols) &&
                      LoadScale<PhysicalLength>(g, "BR_PHY.SCA", g.PhysicalScale) &&
                      LoadScale<EmotionalLength>(g, "BR_EMO.SCA", g.EmotionalScale) &&
                      LoadScale<IntellectualLength>(g, "BR_INT.SCA", g.IntellectualScale);
  if (!loaded) {
    g.platform.dialogs.MsgBox("Cannot read data files! " + g.DataFolder, Buttons::OK,
                              Icon::Question, "Error");
  }
  return loaded;
}

long DayNumber(Date dob, Date event) { return DaysBetween(dob, event) + 1; }

CyclePlace CyclePosition(Date dob, Date event, int length) {
  const int position = static_cast<int>(DayNumber(dob, event) % length);
  return CyclePlace{position, position + 1};
}

std::string DayState::StateKey() const {
  return std::string{PhysicalSymbol, EmotionalSymbol, IntellectualSymbol};
}

DayState StateOn(const GLOBAL& g, Date dob, Date event) {
  DayState state{};
  state.Physical = CyclePosition(dob, event, PhysicalLength);
  state.Emotional = CyclePosition(dob, event, EmotionalLength);
  state.Intellectual = CyclePosition(dob, event, IntellectualLength);
  state.PhysicalSymbol = g.PhysicalSymbols[state.Physical.Entry];
  state.EmotionalSymbol = g.EmotionalSymbols[state.Emotional.Entry];
  state.IntellectualSymbol = g.IntellectualSymbols[state.Intellectual.Entry];
  state.PhysicalScale = g.PhysicalScale[state.Physical.Entry];
  state.EmotionalScale = g.EmotionalScale[state.Emotional.Entry];
  state.IntellectualScale = g.IntellectualScale[state.Intellectual.Entry];
  return state;
}
