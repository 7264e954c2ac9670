// The default printer, fed a document line by line and picture by picture.
#pragma once

#include <string>

#include "platform/drawing.h"

class Printer {
 public:
  virtual ~Printer() = default;
  // Each setting applies to the lines printed after it. Every call gives false when the
  // printer failed; the document is then dead until Discard.
  virtual bool SetFontName(const std::string& name) = 0;
  virtual bool SetFontSize(double points) = 0;
  virtual bool SetBold(bool bold) = 0;
  virtual bool PrintLine(const std::string& text) = 0;
  // Draws a picture of the given size (twips) below what was printed so far, on a new page
  // when it does not fit on this one and narrowed when it is wider than the page; the lines
  // after it go on below it.
  virtual bool PrintPicture(int width, int height, const PaintRoutine& paint) = 0;
  // Sends the document to the printer.
  virtual bool EndDoc() = 0;
  // Drops a document that failed, so that the next one starts clean.
  virtual void Discard() = 0;
};

// A number printed as an item of a line: a blank where a plus sign would stand, the digits,
// one trailing blank.
std::string PrintItem(long number);
