// The printed compatibility: the person, the pair on show with its figures and bars, the formula
// and the best matches in the database.
#pragma once

#include "core/globals.h"

class br_match;

void PrintMatchReport(GLOBAL& g, br_match& window);
