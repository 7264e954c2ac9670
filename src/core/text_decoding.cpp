#include "core/text_decoding.h"

#include <unicode/unistr.h>
#include <unicode/utf8.h>

#include <algorithm>

namespace {

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

bool ValidUtf8(std::string_view bytes) {
  const auto* s = reinterpret_cast<const uint8_t*>(bytes.data());
  const auto length = static_cast<int32_t>(bytes.size());
  for (int32_t i = 0; i < length;) {
    UChar32 c;
    U8_NEXT(s, i, length, c);
    if (c < 0) return false;
  }
  return true;
}

std::string Utf8Of(const icu::UnicodeString& text) {
  std::string utf8;
  return text.toUTF8String(utf8);
}

// Latin-1 as Windows writes it: the letters it puts at 0x80 to 0x9F (Š, Ž, Œ and others), where
// Latin-1 proper has only control codes, keep their base letters too.
std::string FromLatin1(std::string_view bytes) {
  return Utf8Of(icu::UnicodeString(bytes.data(), static_cast<int32_t>(bytes.size()), "windows-1252"));
}

// Bytes forced to UTF-8 that are not: whatever is not UTF-8 becomes U+FFFD, which no name keeps.
std::string RepairedUtf8(std::string_view bytes) {
  return Utf8Of(icu::UnicodeString::fromUTF8(icu::StringPiece(bytes.data(), static_cast<int32_t>(bytes.size()))));
}

}  // namespace

bool IsAscii(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

DecodedText DecodeText(std::string_view bytes, TextEncoding encoding) {
  if (bytes.starts_with(ByteOrderMark)) bytes.remove_prefix(ByteOrderMark.size());
  // One pass over the bytes serves both the guess and the choice of a copy.
  const bool valid = ValidUtf8(bytes);
  if (encoding == TextEncoding::Guess) encoding = valid ? TextEncoding::Utf8 : TextEncoding::Latin1;
  if (encoding == TextEncoding::Utf8) return {valid ? std::string(bytes) : RepairedUtf8(bytes), encoding};
  return {IsAscii(bytes) ? std::string(bytes) : FromLatin1(bytes), encoding};
}
