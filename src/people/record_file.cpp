#include "people/record_file.h"

#include <algorithm>

#include "core/letter_folding.h"
#include "core/text_decoding.h"
#include "people/database_file.h"

// Only the plain letters: cleaning drops every other character above code 95 whatever its
// case, so the machine's language settings make no difference.
std::string UpperCase(std::string text) {
  for (char& c : text) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return text;
}

namespace {

// What of a text its own line gives back unchanged as one field: a comma or a line break would
// split it, and a double quote at its start (blanks before or after it aside) would make the
// reader run on to the next quote, pairing the following lines wrongly.
std::string OneLineField(std::string text) {
  std::erase_if(text, [](char c) { return c == ',' || c == '\r' || c == '\n'; });
  text.erase(0, std::min(text.size(), text.find_first_not_of("\" \t")));
  return text;
}

// A date of birth with nothing its line can carry is kept as a text that reads as no date, so
// that the date checks name it: an empty line would be read back as no date of birth at all,
// and the person dropped.
std::string DobLine(std::string dob) {
  dob = OneLineField(std::move(dob));
  return dob.empty() ? "--/--/----" : dob;
}

// A name with letters beyond ASCII keeps their base letters ("JOSE", never "JOS"), whether it
// was typed, imported as UTF-8, or read from a file another program wrote in UTF-8 or Latin-1.
std::string PlainName(std::string name) {
  if (IsAscii(name)) return name;
  return FoldToPlainLetters(DecodeText(name).text);
}

}  // namespace

bool OneField(const std::string& text) { return OneLineField(text) == text; }

// The texts are cleaned in place, passed on from step to step: a load makes a person of every
// pair of lines it reads.
bool MakePerson(std::string name, std::string dob, Person& person) {
  person.Name = OneLineField(CleanName(UpperCase(PlainName(std::move(name)))));
  // A text that is no date is kept as it stands, but for what its line could not carry back.
  person.Dob = ReformatDate(DobLine(std::move(dob)));
  // The file cannot carry an empty name: its reader would pair the following lines wrongly.
  return !person.Name.empty();
}

std::string RecordLines(const Person* first, int count) {
  std::string lines;
  for (const Person* person = first; person != first + count; ++person) {
    // Persons set by other means than MakePerson are held to the same lines, so that no file
    // ever pairs a name with the wrong date.
    const std::string name = OneLineField(UpperCase(person->Name));
    if (!name.empty()) lines.append(name).append("\r\n").append(DobLine(person->Dob)).append("\r\n");
  }
  return lines;
}

bool ReadPairs(FieldReader& reader, const std::function<PairResult(std::string&, std::string&)>& add) {
  while (!reader.AtEnd()) {
    std::string name = reader.Next();
    if (name.empty()) continue;
    if (reader.AtEnd()) return false;  // the file ends between a name and its date of birth
    std::string dob = reader.Next();
    if (dob.empty()) continue;
    switch (add(name, dob)) {
      case PairResult::Added:
      case PairResult::Passed:
        break;
      case PairResult::Stop:
        return true;
      case PairResult::Fail:
        return false;
    }
  }
  return true;
}
