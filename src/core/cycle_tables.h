// The three cycle tables and the rule that places a day in each cycle.
#pragma once

#include <string>

#include "core/globals.h"

// Reads the six table files; on any failure says "Cannot read data files! " and gives false
// (the caller then ends the program).
bool LoadCycleTables(GLOBAL& g);

// Where a day falls in one cycle: the day within the cycle shown to the user (0..L-1) and the
// table entry that holds its state (1..L).
struct CyclePlace {
  int Position;
  int Entry;
};

// Day 1 is the day of birth. Both dates have passed CheckDates.
long DayNumber(Date dob, Date event);
CyclePlace CyclePosition(Date dob, Date event, int length);

// The state of a day in all three cycles.
struct DayState {
  CyclePlace Physical, Emotional, Intellectual;
  char PhysicalSymbol, EmotionalSymbol, IntellectualSymbol;
  double PhysicalScale, EmotionalScale, IntellectualScale;
  // The three symbols joined, physical first.
  std::string StateKey() const;
};

DayState StateOn(const GLOBAL& g, Date dob, Date event);
