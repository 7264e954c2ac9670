// The cycles drawn as the sine waves they follow: one drawing of them for the About window's
// picture, the program's icon and the curve window.
#pragma once

#include "platform/drawing.h"

// A stretch of a life laid across a rectangle of a picture: the moment `From` days after birth
// at its left edge, `To` at its right edge; a cycle's value 1 at its top, 0 across its middle
// and -1 at its bottom.
struct LifeSpan {
  Rect Area;
  double From = 0;
  double To = 0;
};

// The wave of one cycle (0 physical, 1 emotional, 2 intellectual) in its ink, from `from` to `to`
// days after birth, drawn through points an eighth of a day apart, among them the middle of
// every day.
void DrawCycleWave(Drawing& drawing, const LifeSpan& span, int cycle, double from, double to,
                   int width);

// The picture the program is known by: the three cycles over the first month of a life, each
// once round and the longest just so, about a middle line.
void DrawFirstMonth(Drawing& drawing, const Rect& area, int lineWidth, int waveWidth);
