#include "core/csv.h"

#include "platform/utf8.h"

namespace {

// Blanks at either end are quoted too, so that a reader that trims fields keeps them.
bool NeedsQuotes(const std::string& text) {
  return text.find_first_of(",\"\r\n") != std::string::npos ||
         (!text.empty() && (text.front() == ' ' || text.back() == ' '));
}

std::string Field(const std::string& text) {
  if (!NeedsQuotes(text)) return ToUtf8(text);
  std::string quoted = "\"";
  for (const char c : text) {
    quoted += c;
    if (c == '"') quoted += '"';
  }
  return ToUtf8(quoted + "\"");
}

}  // namespace

std::string CsvText(const std::vector<CsvRow>& rows) {
  std::string text;
  for (const CsvRow& row : rows) {
    for (size_t k = 0; k < row.size(); ++k) {
      if (k) text += ',';
      text += Field(row[k]);
    }
    text += "\r\n";
  }
  return text;
}
