// The printed curves of one person: name and dates, the picture of the period shown and its
// critical days.
#pragma once

#include "core/globals.h"

class br_curve;

// Prints the period the window shows; does nothing while it shows none.
void PrintCurveReport(GLOBAL& g, br_curve& window);
