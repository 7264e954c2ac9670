#include <gtest/gtest.h>

#include "core/cycle_tables.h"
#include "support/world.h"

TEST(Smoke, ShippedTablesLoad) {
  World world;
  EXPECT_TRUE(world.dialogs.boxes.empty());
  EXPECT_EQ(world.g.Physical.Symbols[2], '*');
}
