// Database and team names as typed, turned into the file names and paths of the data folder,
// and the OK/Cancel question asked before anything is overwritten or dropped.
#pragma once

#include <string>

#include "core/globals.h"

std::string DatabaseFileName(const std::string& name);
std::string TeamFileName(const std::string& name);
std::string DatabasePath(const GLOBAL& g, const std::string& name);
std::string TeamPath(const GLOBAL& g, const std::string& name);
// True when the data folder holds a file of that name, letter case aside.
bool FileExists(const GLOBAL& g, const std::string& fileName);
// A name that stays inside the data folder: no path separator, no "..", no control character.
bool SafeFileName(const std::string& fileName);

bool Confirm(GLOBAL& g, const std::string& question);
