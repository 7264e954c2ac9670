// The colours every picture gives the three cycles (the curve window, the About window's
// picture, the program's icon): physical red, emotional green, intellectual blue.
#pragma once

#include "platform/controls.h"

inline constexpr Colour CycleInks[3] = {{200, 30, 30}, {20, 140, 40}, {30, 60, 200}};
