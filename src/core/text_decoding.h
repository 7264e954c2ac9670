// Text that other programs wrote: files saved as UTF-8, with or without a byte-order mark, or
// in the single-byte Latin-1 of older spreadsheets, all read into UTF-8.
#pragma once

#include <string>
#include <string_view>

enum class TextEncoding { Guess, Utf8, Latin1 };

struct DecodedText {
  std::string text;       // UTF-8, without a byte-order mark
  TextEncoding encoding;  // the one the bytes were read in: Utf8 or Latin1
};

// Reads the bytes in the encoding asked for. A UTF-8 byte-order mark is always dropped. A guess
// takes UTF-8 when the bytes are valid UTF-8 and Latin-1 otherwise; bytes forced to UTF-8 that
// are not valid UTF-8 become U+FFFD. At most 2 GiB of bytes.
DecodedText DecodeText(std::string_view bytes, TextEncoding encoding = TextEncoding::Guess);

bool IsAscii(std::string_view text);
