// A pair's or a team's four compatibility figures as the windows show them: a caption a row,
// and beside the captions a bar a row, the physical, emotional and intellectual figures in their
// cycles' colours and the overall one, each against a track that stands for 100 percent.
#pragma once

#include <string>

#include "charts/compatibility.h"
#include "platform/drawing.h"

// The row of each bar, top to bottom, and its name.
inline constexpr const char* BarNames[4] = {"Physical", "Emotional", "Intellectual", "Overall"};

// The bar's name and its figure, in columns for a fixed-pitch font: "Emotional      22.25".
std::string BarCaption(int bar, const Compatibility& figures);
void DrawCompatibilityBars(Drawing& drawing, const Compatibility& figures, int width, int height);
