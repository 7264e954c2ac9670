// Reads the fields of a text file: a field ends at a comma or a line end (CR LF, LF or CR),
// blanks around it are dropped, a field that begins with a double quote runs to the next
// double quote and the rest up to the comma or line end is skipped. An empty line is one
// empty field.
#pragma once

#include <string>
#include <string_view>

class FieldReader {
 public:
  explicit FieldReader(std::string_view text) : text_(text) {}

  bool AtEnd() const { return pos_ >= text_.size(); }
  // The next field; empty at the end of the text.
  std::string Next();
  // Everything from here up to (not including) the next occurrence of the character, or to
  // the end; the character itself is consumed.
  std::string_view Until(char stop);

 private:
  void SkipBlanks();
  void SkipLineEndOrComma();

  std::string_view text_;
  size_t pos_ = 0;
};
