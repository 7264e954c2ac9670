// The printed chemistry of the two teams: for each, what the window shows, in the team report's
// font.
#pragma once

#include "core/globals.h"

class br_chem;

void PrintChemistryReport(GLOBAL& g, br_chem& window);
