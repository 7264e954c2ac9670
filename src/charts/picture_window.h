// What the curve and outlook windows share: a picture across the window and a row of buttons
// along its bottom, all in twips.
#pragma once

#include "platform/controls.h"

namespace picture_window {

inline constexpr int Margin = 120;
inline constexpr int PictureWidth = 10800;
inline constexpr int WindowWidth = Margin + PictureWidth + Margin;
inline constexpr int RowHeight = 375;
inline constexpr int ButtonWidth = 1215;
inline constexpr int ButtonGap = 120;

// The button at the place in the bottom row, counted from the left edge.
inline Rect ButtonFromLeft(int place, int top) {
  return Rect{Margin + place * (ButtonWidth + ButtonGap), top, ButtonWidth, RowHeight};
}

// The button at the place in the bottom row, counted from the right edge.
inline Rect ButtonFromRight(int place, int top) {
  return Rect{WindowWidth - Margin - ButtonWidth - place * (ButtonWidth + ButtonGap), top,
              ButtonWidth, RowHeight};
}

}  // namespace picture_window
