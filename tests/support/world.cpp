#include "support/world.h"

#include "core/cycle_tables.h"

World::World(bool shippedData, bool samples)
    : g(Platform{desktop, dialogs, printer, clock}, folder.path()) {
  InitGlobals(g);
  if (shippedData) {
    folder.AddShippedData(samples);
    LoadCycleTables(g);
  }
}
