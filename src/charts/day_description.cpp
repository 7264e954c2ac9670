#include "charts/day_description.h"

#include "core/field_reader.h"
#include "platform/files.h"

std::string DayDescription(const GLOBAL& g, const std::string& stateKey) {
  const auto text = files::Read(g.DataFolder, "biodesc.ini");
  if (!text) return NoDescription;
  const std::string header = "[" + stateKey + "]";
  FieldReader reader(*text);
  while (!reader.AtEnd()) {
    if (reader.Next() == header) return std::string(reader.Until('['));
  }
  return NoDescription;
}
