// A picture of values over a run of days, as the curve and outlook windows draw them: a
// column per day from left to right with the dates under them, the middle line for the value
// 0, and a legend across the top.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/calendar.h"
#include "platform/drawing.h"

class DayPlot {
 public:
  struct Entry {
    std::string Text;
    Colour Ink;
  };

  // The plot in a picture of this size (twips), with room under the days for rows of marks.
  DayPlot(int width, int height, Date first, int days, int markRows = 0);

  // The middle of the day's column; day 0 is the first. A day's column runs from half a day
  // before its middle to half a day after it.
  int X(double day) const;
  // A value from 1 (the top of the plot) through 0 (the middle line) to -1 (its bottom).
  int Y(double value) const;
  // The top of a row of marks under the days, row 0 the highest.
  int MarkY(int row) const;
  // Where the values are drawn: from the left edge of the first day's column to the right edge
  // of the last day's, from the value 1 at the top to -1 at the bottom.
  Rect Area() const;

  // The legend: a stroke of each entry's colour and its text, left to right along the top.
  // Gives where the next entry would start.
  int Legend(Drawing& drawing, const std::vector<Entry>& entries) const;
  // The middle line with texts at the left end of the top, middle and bottom, a tick for every
  // day, the date under every `every`th day from the first, and a line through the marked day.
  void Frame(Drawing& drawing, int every, const std::string& top, const std::string& bottom,
             std::optional<int> marked) const;
  // The values of the days in one colour; a day without a value is left out. A smooth series
  // is curved through the days without swinging past any two neighbours' values.
  void Series(Drawing& drawing, const std::vector<std::optional<double>>& values, Colour ink,
              bool smooth) const;
  // A small triangle pointing up, its tip at the point.
  static void Mark(Drawing& drawing, Point tip, Colour ink);

  static const Font Lettering;

 private:
  int left_, right_, top_, bottom_, labelTop_;
  Date first_;
  int days_;
};
