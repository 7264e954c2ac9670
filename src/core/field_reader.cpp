#include "core/field_reader.h"

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }

}  // namespace

void FieldReader::SkipBlanks() {
  while (pos_ < text_.size() && IsBlank(text_[pos_])) ++pos_;
}

void FieldReader::SkipLineEndOrComma() {
  if (pos_ >= text_.size()) return;
  if (text_[pos_] == ',') {
    ++pos_;
    return;
  }
  if (text_[pos_] == '\r') ++pos_;
  if (pos_ < text_.size() && text_[pos_] == '\n') ++pos_;
}

std::string FieldReader::Next() {
  SkipBlanks();
  std::string field;
  if (pos_ < text_.size() && text_[pos_] == '"') {
    ++pos_;
    field = std::string(Until('"'));
    // What follows the closing quote, up to the comma or line end, is not part of the field.
    while (pos_ < text_.size() && text_[pos_] != ',' && !IsLineEnd(text_[pos_])) ++pos_;
  } else {
    const size_t start = pos_;
    while (pos_ < text_.size() && text_[pos_] != ',' && !IsLineEnd(text_[pos_])) ++pos_;
    size_t end = pos_;
    while (end > start && IsBlank(text_[end - 1])) --end;
    field = std::string(text_.substr(start, end - start));
  }
  SkipLineEndOrComma();
  return field;
}

std::string_view FieldReader::Until(char stop) {
  const size_t start = pos_;
  const size_t found = text_.find(stop, pos_);
  const size_t end = found == std::string_view::npos ? text_.size() : found;
  pos_ = found == std::string_view::npos ? text_.size() : found + 1;
  return text_.substr(start, end - start);
}
