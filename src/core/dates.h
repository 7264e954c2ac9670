// Checks of the dates typed by the user, with the program's messages.
#pragma once

#include <string>

#include "core/globals.h"

// Rewrites a date text as "mm/dd/yyyy" when it reads as a date; leaves it as it is otherwise.
void NormaliseDate(std::string& text);

// Checks an event date: it must be a date not before September 2, 1752. On failure says why,
// sets the text to today and gives false.
bool ValidDate(GLOBAL& g, std::string& text);

// Checks a date of birth against today and the event date; says why and gives false when it
// is no date, lies after today or after the event date. The date of birth is normalised.
bool CheckDates(GLOBAL& g, const std::string& name, std::string& dob,
                const std::string& eventDate);
// What CheckDates would say about the dates; empty when they pass.
std::string DatesFault(const GLOBAL& g, const std::string& name, std::string& dob,
                       const std::string& eventDate);

