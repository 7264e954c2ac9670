// What the database and the team files share: persons written as name and date lines, read
// back in pairs of fields.
#pragma once

#include <functional>
#include <string>

#include "core/field_reader.h"
#include "core/globals.h"

std::string UpperCase(std::string text);
// Cleans and reformats a name and date of birth into a person, letters with accents folded to
// their base letters first; false when the name cleans to nothing, which the files could not
// carry.
bool MakePerson(std::string name, std::string dob, Person& person);
// A text that reads back from its own line as the same one field.
bool OneField(const std::string& text);
// The lines of the persons, each name upper-cased, CR LF after every line; a person whose name
// holds nothing the file can carry is left out.
std::string RecordLines(const Person* first, int count);

enum class PairResult { Added, Passed, Stop, Fail };
// Reads name and date-of-birth pairs to the end of the text: an empty name field is skipped,
// an empty date drops the name before it. False when the text ends after a name, or when
// `add` fails.
bool ReadPairs(FieldReader& reader, const std::function<PairResult(std::string&, std::string&)>& add);
