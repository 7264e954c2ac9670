#include "platform/utf8.h"

namespace {

// A continuation byte of a UTF-8 character: 10xxxxxx.
bool Continues(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// The length of the UTF-8 character that the byte starts; 0 when it starts none.
size_t LengthFrom(unsigned char byte) {
  if (byte >= 0xC2 && byte <= 0xDF) return 2;
  if (byte >= 0xE0 && byte <= 0xEF) return 3;
  if (byte >= 0xF0 && byte <= 0xF4) return 4;
  return 0;
}

}  // namespace

std::string ToUtf8(std::string_view text) {
  std::string utf8;
  utf8.reserve(text.size());
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x80) {
      utf8 += c;
    } else {
      utf8 += static_cast<char>(0xC0 | (byte >> 6));
      utf8 += static_cast<char>(0x80 | (byte & 0x3F));
    }
  }
  return utf8;
}

std::string FromUtf8(std::string_view utf8) {
  std::string text;
  for (size_t at = 0; at < utf8.size();) {
    const auto lead = static_cast<unsigned char>(utf8[at]);
    size_t length = LengthFrom(lead);
    for (size_t k = 1; k < length; ++k) {
      if (at + k >= utf8.size() || !Continues(static_cast<unsigned char>(utf8[at + k]))) length = 0;
    }
    if (length == 0) {
      text += utf8[at++];
    } else {
      // Two bytes from C2 and C3 hold the letters up to U+00FF, which the program's text holds.
      text += length == 2 && lead <= 0xC3
                  ? static_cast<char>(((lead & 0x03) << 6) | (utf8[at + 1] & 0x3F))
                  : '?';
      at += length;
    }
  }
  return text;
}
