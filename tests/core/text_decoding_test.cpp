#include "core/text_decoding.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

TEST(DecodeText, ReadsUtf8AndLatin1IntoUtf8AndSaysWhichItTook) {
  using enum TextEncoding;
  // The bytes and the encoding asked for; the text in UTF-8 and the encoding taken.
  const std::tuple<std::string, TextEncoding, std::string, TextEncoding> cases[] = {
      {"Name,Born\r\nLee,1/2/1990\r\n", Guess, "Name,Born\r\nLee,1/2/1990\r\n", Utf8},
      {"\xEF\xBB\xBFName\n", Guess, "Name\n", Utf8},
      {"Jos\xC3\xA9 \xC5\x81ukasz", Guess, "Jos\xC3\xA9 \xC5\x81ukasz", Utf8},
      {"Jos\xE9 N\xFA\xF1" "ez", Guess, "Jos\xC3\xA9 N\xC3\xBA\xC3\xB1" "ez", Latin1},
      // Windows' letters between 0x80 and 0x9F: Š.
      {"\x8Aimon", Guess, "\xC5\xA0imon", Latin1},
      {"\xEF\xBB\xBFJos\xE9", Guess, "Jos\xC3\xA9", Latin1},
      // Forced, whatever the bytes look like.
      {"Jos\xC3\xA9", Latin1, "Jos\xC3\x83\xC2\xA9", Latin1},
      {"Jos\xE9!", Utf8, "Jos\xEF\xBF\xBD!", Utf8},
      {"\xEF\xBB\xBFJos\xC3\xA9", Latin1, "Jos\xC3\x83\xC2\xA9", Latin1},
  };
  for (const auto& [bytes, asked, text, taken] : cases) {
    const DecodedText decoded = DecodeText(bytes, asked);
    EXPECT_EQ(decoded.text, text) << bytes;
    EXPECT_EQ(decoded.encoding, taken) << bytes;
  }
}

}  // namespace
