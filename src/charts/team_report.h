// The printed team comparison: the event date, each team's chart lines and totals as the
// window last showed them, and the grand total.
#pragma once

#include "core/globals.h"

class br_grp;

// Prints what the window shows; a printer failure says "Error Printing ...".
void PrintTeamReport(GLOBAL& g, br_grp& window);
