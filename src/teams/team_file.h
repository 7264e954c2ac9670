// Teams on disk (.BTM) and in memory.
#pragma once

#include <string>

#include "core/globals.h"

// Appends a member, cleaned and reformatted, and marks the team modified; refuses a 26th
// member with "Team full : Team size cannot exceed 25.".
bool AddMember(GLOBAL& g, const std::string& name, const std::string& dob, TeamRecord& team);
// Replaces the team with the file's members and loads the team's database; says
// "Error loading team : " on failure.
bool LoadTeam(GLOBAL& g, const std::string& fileName, TeamRecord& team);
// Writes the team under that name, which becomes its FileName; the old file survives a failed
// save. Says "Error saving team : " on failure. Leaves Modified to the caller.
bool SaveTeam(GLOBAL& g, const std::string& fileName, TeamRecord& team);
