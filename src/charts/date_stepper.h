// The event-date stepper of the two chart windows: a date box with a button for the next day
// and one for the day before, stepping a date of the window's own rather than the box's text.
#pragma once

#include "platform/calendar.h"
#include "platform/controls.h"

// Moves the step date by the days (1 or -1), no earlier than 01/01/0001 and no later than
// 12/31/9999, and shows it in the box, which raises the box's change just as typing does.
void DateStepper(Date& stepDate, int days, TextBox& box);
