// The printed chart of one person: name, dates, the three cycle lines and the description.
#pragma once

#include "core/globals.h"

class br_ind;

// Prints the chart the window shows; does nothing while it shows none.
void PrintIndividualReport(GLOBAL& g, br_ind& window);
