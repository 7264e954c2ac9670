// Database and team names as typed, turned into the file names and paths of the data folder,
// and the OK/Cancel question asked before anything is overwritten or dropped.
#pragma once

#include <string>

#include "core/globals.h"

// The files the program reads and never writes: the cycle tables and the day descriptions.
inline constexpr const char* ProgramFiles[] = {"BR_PHY.SYM", "BR_EMO.SYM", "BR_INT.SYM",
                                               "BR_PHY.SCA", "BR_EMO.SCA", "BR_INT.SCA",
                                               "BIODESC.INI"};

// What the user keeps in the data folder: people databases and teams.
enum class FileKind { Database, Team };

// How the messages name the kind: "database", "team".
const char* KindNoun(FileKind kind);
std::string DatabaseFileName(const std::string& name);
std::string TeamFileName(const std::string& name);
// The file name of that kind: DatabaseFileName or TeamFileName.
std::string KindFileName(FileKind kind, const std::string& name);
std::string DatabasePath(const GLOBAL& g, const std::string& name);
std::string TeamPath(const GLOBAL& g, const std::string& name);
// True when the data folder holds a file of that name, letter case aside.
bool FileExists(const GLOBAL& g, const std::string& fileName);
// A name that stays inside the data folder: no path separator, not "." or "..", no control
// character.
bool SafeFileName(const std::string& fileName);
// Why a file of that kind may not be written under the (normalised) name, as the end of the
// refusing command's message: " ! A database name may not ..."; empty when it may. Besides
// what SafeFileName refuses, a saved file is never hidden, never one of the other kind's and
// never one of the program's own data files.
std::string NameFault(FileKind kind, const std::string& fileName);

bool Confirm(GLOBAL& g, const std::string& question);
