#include "core/csv.h"

#include <gtest/gtest.h>

namespace {

// A field is quoted only where a reader would otherwise split it, end its row or trim it; the
// program's letters beyond ASCII reach the file in UTF-8; every row ends with CR LF.
TEST(CsvText, QuotesWhatAReaderWouldSplitOrTrimAndWritesUtf8) {
  const struct {
    std::string field, written;
  } cases[] = {
      {"ADAMS JO\xCB", "ADAMS JO\xC3\x8B"},
      {"", ""},
      {"BAKER, LUCY", "\"BAKER, LUCY\""},
      {"O\"NEIL", "\"O\"\"NEIL\""},
      {"line\nfeed", "\"line\nfeed\""},
      {"07/04/1970 ", "\"07/04/1970 \""},
      {"\xC9t\xE9, \xFF", "\"\xC3\x89t\xC3\xA9, \xC3\xBF\""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CsvText({{c.field, "x"}, {"y", c.field}}), c.written + ",x\r\ny," + c.written + "\r\n")
        << c.field;
  }
}

}  // namespace
