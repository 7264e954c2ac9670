#include "people/csv_reader.h"

#include <csv.h>

#include <algorithm>
#include <memory>

namespace {

// What the parser's calls back build: records, each with the line it began on.
class RecordBuilder {
 public:
  RecordBuilder(char separator, size_t most) : separator_(separator), most_(most) {}

  bool Full() const { return most_ != 0 && ended_ >= most_; }
  // Called before each line goes to the parser: the first line holding anything since the last
  // record ended is where the next record begins, even when the parser sees its first field
  // end only lines later (a quoted field with line breaks).
  void LineFed(int line, std::string_view text) {
    if (start_ == 0 && std::any_of(text.begin(), text.end(), [this](char c) { return Holds(c); })) {
      start_ = line;
    }
  }
  void Field(const void* data, size_t size) {
    if (!open_) {
      records_.push_back({start_, {}});
      open_ = true;
    }
    // An empty field may come without any characters to point at.
    records_.back().fields.push_back(size ? std::string(static_cast<const char*>(data), size) : std::string());
  }
  void RecordEnd() {
    open_ = false;
    start_ = 0;
    ++ended_;
  }
  std::vector<CsvRecord> Take() { return std::move(records_); }

 private:
  // The parser skips blanks and line breaks between records; anything else starts one.
  bool Holds(char c) const {
    return c != '\r' && c != '\n' && c != ' ' && (c != '\t' || separator_ == '\t');
  }

  char separator_;
  size_t most_;
  std::vector<CsvRecord> records_;
  int start_ = 0;
  bool open_ = false;
  size_t ended_ = 0;
};

void OnField(void* data, size_t size, void* builder) { static_cast<RecordBuilder*>(builder)->Field(data, size); }
void OnRecordEnd(int, void* builder) { static_cast<RecordBuilder*>(builder)->RecordEnd(); }

// With a tab as the separator, only the space is a blank around a field.
int IsSpace(unsigned char c) { return c == ' '; }
int IsBlank(unsigned char c) { return c == ' ' || c == '\t'; }

// The parser takes a long line in pieces of this size, so that a field growing over many of
// them (a quote never closed) can have its buffer doubled between pieces.
constexpr size_t Piece = 1 << 16;

// The length of the line at the start of the text, its line break included (CR LF, LF or CR).
size_t LineLength(std::string_view text) {
  const size_t end = text.find_first_of("\r\n");
  if (end == std::string_view::npos) return text.size();
  return end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
}

struct ParserFree {
  void operator()(csv_parser* parser) const {
    csv_free(parser);
    delete parser;
  }
};

}  // namespace

std::vector<CsvRecord> ReadCsv(std::string_view text, char separator, size_t most) {
  std::unique_ptr<csv_parser, ParserFree> parser(new csv_parser);
  // Not strict: a stray quote inside a field is read as part of it, as spreadsheets do.
  if (csv_init(parser.get(), 0) != 0) return {};
  csv_set_delim(parser.get(), static_cast<unsigned char>(separator));
  csv_set_space_func(parser.get(), separator == '\t' ? IsSpace : IsBlank);
  RecordBuilder builder(separator, most);
  // Fed one line at a time, so that each record knows the line it began on.
  for (int line = 1; !text.empty() && !builder.Full(); ++line) {
    std::string_view rest = text.substr(0, LineLength(text));
    text.remove_prefix(rest.size());
    while (!rest.empty()) {
      const std::string_view fed = rest.substr(0, Piece);
      builder.LineFed(line, fed);
      // The parser grows a field's buffer by a fixed step; growing it by its own size instead
      // keeps a field of many megabytes from being copied over and over.
      csv_set_blk_size(parser.get(), std::max<size_t>(128, csv_get_buffer_size(parser.get())));
      csv_parse(parser.get(), fed.data(), fed.size(), OnField, OnRecordEnd, &builder);
      rest.remove_prefix(fed.size());
    }
  }
  csv_fini(parser.get(), OnField, OnRecordEnd, &builder);
  return builder.Take();
}

char GuessSeparator(std::string_view text) {
  constexpr size_t Sample = 20;
  char best = ',';
  size_t bestAgreeing = 0;
  // Where two split the records alike ("Nunez, Jose;1990"), the one rarer inside a field wins:
  // names hold commas, hardly ever semicolons or tabs.
  for (const char separator : {'\t', ';', ','}) {
    const auto records = ReadCsv(text.substr(0, Piece), separator, Sample);
    if (records.empty() || records.front().fields.size() < 2) continue;
    // The records that have as many fields as the first, the heading most often.
    const auto agreeing = static_cast<size_t>(std::count_if(records.begin(), records.end(), [&](const CsvRecord& r) {
      return r.fields.size() == records.front().fields.size();
    }));
    if (agreeing > bestAgreeing) {
      best = separator;
      bestAgreeing = agreeing;
    }
  }
  return best;
}
