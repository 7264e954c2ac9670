#include "platform/qt/qt_printer.h"

#include <algorithm>

#include <QFontMetricsF>
#include <QMarginsF>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include "platform/qt/fonts.h"
#include "platform/qt/qt_drawing.h"
#include "platform/qt/qt_text.h"

QtPrinter::QtPrinter() = default;
QtPrinter::QtPrinter(Target target) : target_(std::move(target)) {}

QtPrinter::~QtPrinter() { Discard(); }

// A document opens on its first line: the printer chosen now is the one it goes to.
bool QtPrinter::Open() {
  if (!target_.pdfFile.isEmpty()) {
    printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer_->setOutputFormat(QPrinter::PdfFormat);
    printer_->setOutputFileName(target_.pdfFile);
  } else {
    const QPrinterInfo info = target_.printerName.isEmpty() ? QPrinterInfo::defaultPrinter()
                                                            : QPrinterInfo::printerInfo(target_.printerName);
    if (info.isNull()) return false;
    printer_ = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    printer_->setDocName(QStringLiteral("Ondulix"));
  }
  // Half an inch all round: inside what every printer reaches, and the page does not start
  // at the paper's very edge, as a bare PDF page would.
  printer_->setPageMargins(QMarginsF(0.5, 0.5, 0.5, 0.5), QPageLayout::Inch);
  painter_ = std::make_unique<QPainter>();
  if (!painter_->begin(printer_.get())) return false;
  y_ = 0;
  return true;
}

bool QtPrinter::Ready() {
  if (failed_) return false;
  if (!painter_ && !Open()) failed_ = true;
  return !failed_;
}

bool QtPrinter::SetFontName(const std::string& name) {
  fontName_ = name;
  return !failed_;
}

bool QtPrinter::SetFontSize(double points) {
  fontSize_ = points;
  return !failed_;
}

bool QtPrinter::SetBold(bool bold) {
  bold_ = bold;
  return !failed_;
}

bool QtPrinter::PrintLine(const std::string& text) {
  if (!Ready()) return false;
  const QFont font = ToQFont(fontName_, fontSize_, bold_);
  const QFontMetricsF metrics(font, printer_.get());
  if (!Room(metrics.lineSpacing())) return false;
  painter_->setFont(font);
  painter_->drawText(QPointF(0, y_ + metrics.ascent()), ToQt(text));
  y_ += metrics.lineSpacing();
  return true;
}

bool QtPrinter::PrintPicture(int width, int height, const PaintRoutine& paint) {
  if (!Ready()) return false;
  const double pageWidth = printer_->pageRect(QPrinter::DevicePixel).width();
  // A twip is 1/1440 inch.
  const double scale = std::min(printer_->resolution() / 1440.0, pageWidth / std::max(width, 1));
  if (!Room(height * scale)) return false;
  // The lines after the picture keep the printer's own pen and font.
  painter_->save();
  QtDrawing drawing(*painter_, scale, QPointF(0, y_));
  paint(drawing, width, height);
  painter_->restore();
  y_ += height * scale;
  return true;
}

bool QtPrinter::Room(double height) {
  const double pageHeight = printer_->pageRect(QPrinter::DevicePixel).height();
  if (y_ == 0 || y_ + height <= pageHeight) return true;
  if (!printer_->newPage()) return !(failed_ = true);
  y_ = 0;
  return true;
}

bool QtPrinter::EndDoc() {
  if (!Ready()) return false;
  const bool ended = painter_->end();
  const bool sent = ended && printer_->printerState() != QPrinter::Error;
  Close();
  failed_ = false;
  return sent;
}

void QtPrinter::Discard() {
  if (printer_) printer_->abort();
  if (painter_ && painter_->isActive()) painter_->end();
  Close();
  failed_ = false;
}

void QtPrinter::Close() {
  painter_.reset();
  printer_.reset();
  y_ = 0;
}
