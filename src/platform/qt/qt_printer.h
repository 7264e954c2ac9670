// The system's default printer (or a PDF file) fed lines and pictures through a painter.
#pragma once

#include <QFont>
#include <QString>
#include <memory>

#include "platform/printer.h"

class QPainter;
class QPrinter;

class QtPrinter : public Printer {
 public:
  // Where a document goes: the system's default printer, a named printer, or a PDF file.
  struct Target {
    QString printerName;  // empty: the default printer
    QString pdfFile;      // set: write the page to this file instead of printing
  };

  QtPrinter();
  explicit QtPrinter(Target target);
  ~QtPrinter() override;

  bool SetFontName(const std::string& name) override;
  bool SetFontSize(double points) override;
  bool SetBold(bool bold) override;
  bool PrintLine(const std::string& text) override;
  bool PrintPicture(int width, int height, const PaintRoutine& paint) override;
  bool EndDoc() override;
  void Discard() override;

 private:
  bool Open();
  bool Ready();
  // Starts a new page when something this tall (device pixels) does not fit below y_.
  bool Room(double height);
  void Close();

  Target target_;
  std::string fontName_ = "Arial";
  double fontSize_ = 10;
  bool bold_ = false;
  std::unique_ptr<QPrinter> printer_;
  std::unique_ptr<QPainter> painter_;
  double y_ = 0;
  bool failed_ = false;
};
