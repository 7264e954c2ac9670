// People databases on disk (.BDB) and in memory.
#pragma once

#include <string>

#include "core/globals.h"

// Upper-cased names reduced to what the file format can carry: commas gone, blanks trimmed,
// only character codes 32 to 95 kept.
std::string CleanName(std::string name);
// The date-of-birth text as "mm/dd/yyyy" when it reads as a date, else unchanged.
std::string ReformatDate(const std::string& dob);
// How a person is listed: the first 21 characters of the name, blanks up to 24, the date.
std::string PersonListEntry(const Person& person);

// Appends a person, cleaned and reformatted, and marks the database modified. False, with
// nothing changed, when the database already holds 32767 persons.
bool AddPerson(std::string name, std::string dob, PeopleDatabase& database);
// Replaces the database with the file's persons; says "Error loading database : " on failure.
bool LoadDatabase(GLOBAL& g, const std::string& fileName, PeopleDatabase& database);
// Writes the database under that name, which becomes its FileName; the old file survives a
// failed save. Says "Error saving database : " on failure.
bool SaveDatabase(GLOBAL& g, const std::string& fileName, PeopleDatabase& database);
