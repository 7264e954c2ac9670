#include "core/letter_folding.h"

#include <unicode/translit.h>
#include <unicode/unistr.h>

#include <memory>

#include "core/text_decoding.h"

namespace {

// Made once: building the rules costs far more than applying them. Only what is not ASCII
// already goes through them, which halves their cost on names that are mostly plain.
const icu::Transliterator* Folding() {
  static const std::unique_ptr<icu::Transliterator> folding = [] {
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::Transliterator> made(icu::Transliterator::createInstance(
        "[:^ASCII:] Any-Latin; Latin-ASCII", UTRANS_FORWARD, status));
    return U_SUCCESS(status) ? std::move(made) : nullptr;
  }();
  return folding.get();
}

}  // namespace

std::string FoldToPlainLetters(std::string_view utf8) {
  // Names the program wrote itself are plain already: loading a full database stays as fast.
  if (IsAscii(utf8)) return std::string(utf8);
  icu::UnicodeString text =
      icu::UnicodeString::fromUTF8(icu::StringPiece(utf8.data(), static_cast<int32_t>(utf8.size())));
  if (const icu::Transliterator* folding = Folding()) folding->transliterate(text);
  std::string folded;
  return text.toUTF8String(folded);
}
