#include "core/field_reader.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(FieldReader, SplitsAsTheFilesAreRead) {
  const std::pair<const char*, std::vector<std::string>> cases[] = {
      {"BAKER LUCY\r\n03/14/1961\r\n", {"BAKER LUCY", "03/14/1961"}},
      {"BAKER LUCY\n03/14/1961", {"BAKER LUCY", "03/14/1961"}},
      {"BAKER, LUCY\r\n", {"BAKER", "LUCY"}},
      {"  LEE  \r\n\r\nX\r\n", {"LEE", "", "X"}},
      {"1,2,,3\r\n", {"1", "2", "", "3"}},
      {"\"A, B\" rest,C\r\n", {"A, B", "C"}},
      {"\"open to the end", {"open to the end"}},
      {"", {}},
  };
  for (const auto& [text, expected] : cases) {
    FieldReader reader(text);
    std::vector<std::string> fields;
    while (!reader.AtEnd()) fields.push_back(reader.Next());
    EXPECT_EQ(fields, expected) << text;
  }
}

}  // namespace
