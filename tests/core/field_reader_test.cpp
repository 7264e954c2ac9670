#include "core/field_reader.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<std::string> Fields(std::string_view text) {
  FieldReader reader(text);
  std::vector<std::string> fields;
  while (!reader.AtEnd()) fields.push_back(reader.Next());
  return fields;
}

using Case = std::pair<const char*, std::vector<std::string>>;

class FieldReaderCase : public testing::TestWithParam<Case> {};

TEST_P(FieldReaderCase, SplitsAsTheFilesAreRead) {
  EXPECT_EQ(Fields(GetParam().first), GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, FieldReaderCase,
    testing::Values(
        Case{"BAKER LUCY\r\n03/14/1961\r\n", {"BAKER LUCY", "03/14/1961"}},
        Case{"BAKER LUCY\n03/14/1961", {"BAKER LUCY", "03/14/1961"}},
        Case{"BAKER, LUCY\r\n", {"BAKER", "LUCY"}},
        Case{"  LEE  \r\n\r\nX\r\n", {"LEE", "", "X"}},
        Case{"1,2,,3\r\n", {"1", "2", "", "3"}},
        Case{"\"A, B\" rest,C\r\n", {"A, B", "C"}},
        Case{"\"open to the end", {"open to the end"}},
        Case{"", {}}));

TEST(FieldReader, ReadsCharactersAndRunsUpToAStop) {
  FieldReader reader("[++-]\r\nfirst\r\nsecond\r\n[---]\r\nnext");
  EXPECT_EQ(reader.Next(), "[++-]");
  EXPECT_EQ(reader.Until('['), "first\r\nsecond\r\n");
  char c = 0;
  ASSERT_TRUE(reader.NextChar(c));
  EXPECT_EQ(c, '-');
  EXPECT_EQ(reader.Until('['), "--]\r\nnext");
  EXPECT_TRUE(reader.AtEnd());
  EXPECT_FALSE(reader.NextChar(c));
}

}  // namespace
