// Everything a form test needs: a data folder, the platform doubles and the program's
// globals built on them, with today fixed.
#pragma once

#include "core/globals.h"
#include "support/doubles.h"
#include "support/test_data.h"

// Today in every test unless it sets another: Wednesday, June 15, 2005.
inline constexpr Date TestToday{std::chrono::year{2005}, std::chrono::June, std::chrono::day{15}};

struct World {
  explicit World(bool shippedData = true, bool samples = false);
  // With the shipped data and samples, printing on a real printer instead of the recorder.
  explicit World(Printer& paper);

  TempFolder folder;
  FakeDesktop desktop;
  ScriptedDialogs dialogs;
  RecordingPrinter printer;
  FixedClock clock{TestToday};
  GLOBAL g;

 private:
  World(Printer* paper, bool shippedData, bool samples);
};
