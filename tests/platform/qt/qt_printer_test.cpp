#include "platform/qt/qt_printer.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QThread>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/br_cp.h"
#include "platform/qt/pdf_tools.h"
#include "support/world.h"

namespace {

// The newest job file written since the given time. The spooled file keeps the program's own
// PDF with its text and fonts; the PDF queue's output, redrawn, is only the fallback.
QString NewestJobFile(const QDateTime& since) {
  for (const QString& folder :
       {QStringLiteral("/var/spool/cups"), QStringLiteral("/var/spool/cups-pdf/ANONYMOUS"),
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

// Two full teams compared and printed: all 50 rows reach the printer in the report's font,
// running on to a second page; the job CUPS took is read back.
TEST(QtPrinter, DefaultPrinterPrintsFiftyRowsOnTwoPages) {
  if (QPrinterInfo::defaultPrinter().isNull()) {
    if (std::getenv("ONDULIX_REQUIRE_PRINTER")) FAIL() << "no default printer, and this run requires one";
    GTEST_SKIP() << "no default printer reachable";
  }
  QtPrinter paper{QtPrinter::Target{}};
  World program(paper);
  program.panel.Open(program.g);
  for (const char* team : {"FULL OFF.BTM", "FULL DEF.BTM"}) {
    std::string members = "LEAGUE.BDB\r\n";
    for (int k = 1; k <= 25; ++k)
      members += team[5] + std::string(" MEMBER ") + std::to_string(k) + "\r\n01/01/1990\r\n";
    program.folder.Write(team, members);
  }
  br_grp& teams = program.OpenComparison("FULL OFF.BTM", "FULL DEF.BTM");
  std::vector<std::string> lines = {"Biorhythm for team : FULL OFF.BTM", teams.Label4.Caption(),
                                    "Grand Totals :"};
  for (const auto& rows : {World::Rows(teams.TmContents1), World::Rows(teams.TmContents2)})
    lines.insert(lines.end(), rows.begin(), rows.end());
  ASSERT_EQ(lines.size(), 53u);

  const QDateTime start = QDateTime::currentDateTime().addSecs(-1);
  teams.Command3.Click();
  for (int wait = 0; wait < 300 && JobsPending(); ++wait) QThread::msleep(100);
  EXPECT_FALSE(JobsPending());
  EXPECT_THAT(program.dialogs.boxes, testing::IsEmpty());
  const QString job = NewestJobFile(start);
  ASSERT_FALSE(job.isEmpty()) << "no job file found";
  // The text read back keeps the words of each line, not the exact run of blanks.
  const QString page = PdfText(job).simplified();
  for (const std::string& line : lines) {
    EXPECT_TRUE(page.contains(QString::fromStdString(line).simplified())) << line << " not in:\n"
                                                                          << page.toStdString();
  }
  EXPECT_TRUE(Output(QStringLiteral("pdfinfo"), {job})
                  .contains(QRegularExpression(QStringLiteral("Pages:\\s+[2-9]\\n"))));
  EXPECT_TRUE(Output(QStringLiteral("pdffonts"), {job}).contains(QStringLiteral("LiberationMono-Bold")));
}

// Nothing goes out from the first call on, for the next document as for the first; what the
// window does with a failing printer the report tests show.
TEST(QtPrinter, NoPrinterFailsAtOnce) {
  QtPrinter printer(QtPrinter::Target{QStringLiteral("No Such Printer"), {}});
  for (int document = 0; document < 2; ++document) {
    EXPECT_FALSE(printer.PrintLine("NFL Biorhythm Comparison"));
    EXPECT_FALSE(printer.SetBold(true));
    EXPECT_FALSE(printer.EndDoc());
    printer.Discard();
  }
}

}  // namespace
