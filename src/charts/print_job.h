// A report on its way to the default printer, and the frame every report is printed in: the
// busy pointer over the window, and "Error Printing ..." when the printer fails.
#pragma once

#include <functional>
#include <string>

#include "core/globals.h"
#include "platform/drawing.h"

class PrintJob {
 public:
  explicit PrintJob(Printer& printer) : printer_(printer) {}

  // Each call reaches the printer only while every call before it went through; the first
  // failure stops the report there.
  void FontName(const std::string& name);
  void Style(double points, bool bold);
  void Line(const std::string& text);
  void Blank(int count);
  // A picture of the given size in twips, drawn where the next line would stand.
  void Picture(int width, int height, const PaintRoutine& paint);
  bool Failed() const { return failed_; }

 private:
  void Send(bool sent) { failed_ = !sent; }

  Printer& printer_;
  bool failed_ = false;
};

// Prints the lines the report gives as one document. A document the printer fails on is
// dropped, so that the next report starts on a clean page.
void PrintReport(GLOBAL& g, Form& window, const std::function<void(PrintJob&)>& report);
