#include "people/csv_reader.h"

#include <gtest/gtest.h>

namespace {

// Each record as "line:field|field".
std::vector<std::string> Read(std::string_view text, char separator) {
  std::vector<std::string> records;
  for (const CsvRecord& record : ReadCsv(text, separator)) {
    std::string shown = std::to_string(record.line) + ":";
    for (size_t k = 0; k < record.fields.size(); ++k) shown += (k ? "|" : "") + record.fields[k];
    records.push_back(shown);
  }
  return records;
}

TEST(ReadCsv, ReadsRecordsAsSpreadsheetsWriteThemEachWithTheLineItStartsOn) {
  const struct {
    std::string text;
    char separator;
    std::vector<std::string> records;
  } cases[] = {
      {"Name;Born\nLee;1.2.1990", ';', {"1:Name|Born", "2:Lee|1.2.1990"}},
      {"Lee Ann\t 1/2/1990 \n", '\t', {"1:Lee Ann|1/2/1990"}},
      {"\"Nunez, Jose\",\"the \"\"Fast\"\"\"\n", ',', {"1:Nunez, Jose|the \"Fast\""}},
      {"a\n\"two\r\nlines\",b\r\n\"and\nthree\nmore\"\nc,d\n", ',',
       {"1:a", "2:two\r\nlines|b", "4:and\nthree\nmore", "7:c|d"}},
      {"\r\n\n  \na,b\n\n,\n c\n", ',', {"4:a|b", "6:|", "7:c"}},
      {"a,b\rc,d\r", ',', {"1:a|b", "2:c|d"}},
      {"a,\"never closed\nb,c\n", ',', {"1:a|never closed\nb,c\n"}},
  };
  for (const auto& c : cases) EXPECT_EQ(Read(c.text, c.separator), c.records) << c.text;
}

}  // namespace
