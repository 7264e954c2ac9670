// One person's critical days for other programs: those of the period the curve window shows as a
// table for spreadsheets, and those of the coming year as a calendar to import.
#pragma once

#include <string>

#include "charts/cycle_curves.h"

// The calendar covers this many days from today.
inline constexpr int CalendarDays = 365;

// "Date,Cycles,Double or triple", then a row per critical day of the period.
std::string CriticalDaysCsv(const CycleCurves& curves);

// An all-day event for each of the person's critical days from today on, named for the person,
// the cycles and "double" or "triple". Each day's event keeps its identity from one file to the
// next, so a calendar that imports the file again updates it rather than showing it twice.
std::string CriticalDaysCalendar(const GLOBAL& g, const std::string& name, Date dob);
