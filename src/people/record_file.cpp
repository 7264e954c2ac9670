#include "people/record_file.h"

#include <algorithm>
#include <cctype>

#include "people/database_file.h"

std::string UpperCase(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return text;
}

bool MakePerson(const std::string& name, const std::string& dob, Person& person) {
  person.Name = CleanName(UpperCase(name));
  // A name that begins with a double quote would read back as a quoted field running into the
  // following lines, so such quotes go, with the blanks after them.
  person.Name.erase(0, std::min(person.Name.size(), person.Name.find_first_not_of("\" ")));
  person.Dob = ReformatDate(dob);
  // The file cannot carry an empty name: its reader would pair the following lines wrongly.
  return !person.Name.empty();
}

std::string RecordLines(const Person* first, int count) {
  std::string lines;
  for (int k = 0; k < count; ++k) lines += UpperCase(first[k].Name) + "\r\n" + first[k].Dob + "\r\n";
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
