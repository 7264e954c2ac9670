// The printed team outlook: the two teams, each one's best day and the rows of the days, in
// the team report's font.
#pragma once

#include "core/globals.h"

class br_outlook;

void PrintOutlookReport(GLOBAL& g, br_outlook& window);
