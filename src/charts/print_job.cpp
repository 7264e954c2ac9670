#include "charts/print_job.h"

#include "platform/dialogs.h"
#include "platform/form.h"
#include "platform/printer.h"

void PrintJob::FontName(const std::string& name) {
  if (!failed_) Send(printer_.SetFontName(name));
}

void PrintJob::Style(double points, bool bold) {
  if (!failed_) Send(printer_.SetFontSize(points));
  if (!failed_) Send(printer_.SetBold(bold));
}

void PrintJob::Line(const std::string& text) {
  if (!failed_) Send(printer_.PrintLine(text));
}

void PrintJob::Blank(int count) {
  for (int k = 0; k < count; ++k) Line("");
}

void PrintJob::Picture(int width, int height, const PaintRoutine& paint) {
  if (!failed_) Send(printer_.PrintPicture(width, height, paint));
}

void PrintReport(GLOBAL& g, Form& window, const std::function<void(PrintJob&)>& report) {
  Printer& printer = g.platform.printer;
  window.SetMousePointer(Form::Pointer::Busy);
  PrintJob job(printer);
  report(job);
  if (job.Failed() || !printer.EndDoc()) {
    printer.Discard();
    g.platform.dialogs.Error("Error Printing ...", "Printer");
  }
  window.SetMousePointer(Form::Pointer::Default);
}
