#include "support/world.h"

#include "core/cycle_tables.h"

World::World(bool shippedData, bool samples) : World(nullptr, shippedData, samples) {}

World::World(Printer& paper) : World(&paper, true, true) {}

World::World(Printer* paper, bool shippedData, bool samples)
    : g(Platform{desktop, dialogs, paper ? *paper : printer, clock}, folder.path()) {
  InitGlobals(g);
  if (shippedData) {
    folder.AddShippedData(samples);
    LoadCycleTables(g);
  }
}
