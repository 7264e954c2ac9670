// Where the data files live. A copy of the program that the user can write to (the build
// tree, a portable folder) keeps them in its own folder. An installed copy's folder is
// read-only, so every save there would fail: the user gets a folder of their own instead,
// filled from the program's folder on start-up.
#pragma once

#include <string>

// The user's own data folder: $XDG_DATA_HOME/Ondulix, or ~/.local/share/Ondulix when that
// variable is unset, empty or not an absolute path. Either argument may be null (unset); with
// no usable home either, the empty text.
std::string UserDataFolder(const char* xdgDataHome, const char* home);

// The program's folder when it is writable; otherwise the user's folder, created when missing
// and seeded: the cycle tables and descriptions copied in when missing or older than the
// program's, the sample databases and teams only when missing. A file of the user's is never
// overwritten. Should the user's folder be impossible to create, the program's folder is
// kept: the data still read, and a save says why it failed.
std::string ChooseDataFolder(const std::string& programFolder, const std::string& userFolder);
