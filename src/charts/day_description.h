// The words that go with a day's state, from the description file of the data folder.
#pragma once

#include <string>

#include "core/globals.h"

inline constexpr const char* NoDescription = "No description available";

// The text of the state's section of biodesc.ini, line breaks included, up to the next "[";
// "No description available" when the file has no such section or cannot be read.
std::string DayDescription(const GLOBAL& g, const std::string& stateKey);
