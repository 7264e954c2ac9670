// Where the data files live. Whether the program runs installed is settled when it is built:
// the installed program knows where the files it ships lie beside it. Installed, everyone, root
// too, keeps their databases and teams in a folder of their own and never writes where the
// program lies. Run from the build tree or from a folder of the user's, the program's own
// folder is the data folder.
#pragma once

#include <optional>
#include <string>

class Dialogs;

// The user's own data folder: $XDG_DATA_HOME/Ondulix, or ~/.local/share/Ondulix when that
// variable is unset, empty or not an absolute path. Either argument may be null (unset); with
// no usable home either, the empty text.
std::string UserDataFolder(const char* xdgDataHome, const char* home);

// Where a program finds its data.
struct DataPlaces {
  std::string programFolder;
  // Where the shipped tables, descriptions and samples lie, relative to the program's folder;
  // empty when the program is not installed.
  std::string shippedData;
  // The user's own data folder (UserDataFolder); only an installed program uses it.
  std::string userFolder;
};

// The data folder, ready for use. Not installed: the program's folder. Installed: the user's
// folder, made when missing, with the samples copied in then and only then (a sample the user
// removed stays removed); the cycle tables and descriptions are copied in whenever they are
// missing or older than the shipped ones. A file of the user's is never overwritten. A folder
// that cannot be made or written is not used: the user is told in a box which folder, the
// system's reason and what to do, and nothing is given.
std::optional<std::string> ReadyDataFolder(const DataPlaces& places, Dialogs& dialogs);
