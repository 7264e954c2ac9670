#include "platform/qt/qt_printer.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QThread>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "support/test_data.h"

namespace {

const std::vector<std::string> Lines = {"NFL Biorhythm Comparison", "LIONS        12  -3",
                                        "BEARS         4  10"};

bool Print(QtPrinter& printer) {
  bool ok = printer.SetFontName("courier new") && printer.SetFontSize(12) && printer.SetBold(true);
  for (const std::string& line : Lines) ok = ok && printer.PrintLine(line);
  return ok && printer.EndDoc();
}

QString Output(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  if (!process.waitForFinished(30000)) return {};
  return QString::fromLocal8Bit(process.readAllStandardOutput());
}

QString PdfText(const QString& file) { return Output(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), file, QStringLiteral("-")}); }

// The text read back from a page keeps the words of each line, not the exact run of blanks.
void ExpectLines(const QString& page) {
  const QString text = page.simplified();
  for (const std::string& line : Lines) {
    EXPECT_TRUE(text.contains(QString::fromStdString(line).simplified())) << line << " not in:\n" << page.toStdString();
  }
}

TEST(QtPrinter, PdfFileHoldsTheLinesInTheirFont) {
  TempFolder folder;
  const QString file = QString::fromStdString(folder.path()) + QStringLiteral("/page.pdf");
  QtPrinter printer(QtPrinter::Target{{}, file});
  ASSERT_TRUE(Print(printer));
  ExpectLines(PdfText(file));
  EXPECT_TRUE(Output(QStringLiteral("pdffonts"), {file}).contains(QStringLiteral("LiberationMono-Bold")));
}

TEST(QtPrinter, LinesPastTheBottomGoOnANewPage) {
  TempFolder folder;
  const QString file = QString::fromStdString(folder.path()) + QStringLiteral("/pages.pdf");
  QtPrinter printer(QtPrinter::Target{{}, file});
  bool ok = printer.SetFontSize(24);
  for (int line = 1; line <= 80 && ok; ++line) ok = printer.PrintLine("Line " + std::to_string(line));
  ASSERT_TRUE(ok && printer.EndDoc());
  const QString info = Output(QStringLiteral("pdfinfo"), {file});
  EXPECT_FALSE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))));
  const QString text = PdfText(file);
  EXPECT_TRUE(text.contains(QStringLiteral("Line 1\n")));
  EXPECT_TRUE(text.contains(QStringLiteral("Line 80")));
}

TEST(QtPrinter, MissingPrinterFailsAtOnceAndTheNextDocumentStartsClean) {
  QtPrinter printer(QtPrinter::Target{QStringLiteral("No Such Printer"), {}});
  EXPECT_FALSE(printer.PrintLine("NFL Biorhythm Comparison"));
  EXPECT_FALSE(printer.SetBold(true));
  EXPECT_FALSE(printer.EndDoc());
  printer.Discard();
  EXPECT_FALSE(printer.PrintLine("again"));
  printer.Discard();
}

// The newest job file written since the given time. The spooled file keeps the program's own
// PDF with its text; the PDF queue's output, redrawn, is only the fallback.
QString NewestJobFile(const QDateTime& since) {
  for (const QString& folder : {QStringLiteral("/var/spool/cups"), QStringLiteral("/var/spool/cups-pdf/ANONYMOUS"),
                                QDir::homePath() + QStringLiteral("/PDF")}) {
    const QFileInfoList files = QDir(folder).entryInfoList(QDir::Files, QDir::Time);
    for (const QFileInfo& file : files) {
      const bool job = file.fileName().startsWith(QLatin1Char('d')) || file.suffix() == QLatin1String("pdf");
      if (job && file.lastModified() >= since) return file.absoluteFilePath();
    }
  }
  return {};
}

bool JobsPending() { return !Output(QStringLiteral("lpstat"), {QStringLiteral("-o")}).trimmed().isEmpty(); }

TEST(QtPrinter, DefaultPrinterReceivesTheJob) {
  if (QPrinterInfo::defaultPrinter().isNull()) {
    if (std::getenv("ONDULIX_REQUIRE_PRINTER")) FAIL() << "no default printer, and this run requires one";
    GTEST_SKIP() << "no default printer reachable";
  }
  const QDateTime start = QDateTime::currentDateTime().addSecs(-1);
  QtPrinter printer;
  ASSERT_TRUE(Print(printer));
  for (int wait = 0; wait < 300 && JobsPending(); ++wait) QThread::msleep(100);
  EXPECT_FALSE(JobsPending());
  const QString job = NewestJobFile(start);
  ASSERT_FALSE(job.isEmpty()) << "no job file found";
  ExpectLines(PdfText(job));
}

}  // namespace
