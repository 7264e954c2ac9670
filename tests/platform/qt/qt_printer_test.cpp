#include "platform/qt/qt_printer.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QThread>
#include <cstdlib>
#include <functional>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "app/br_cp.h"
#include "platform/qt/pdf_tools.h"
#include "support/world.h"

namespace {

// The text read back from a page keeps the words of each line, not the exact run of blanks.
void ExpectPrinted(const QString& page, const std::vector<std::string>& lines) {
  const QString text = page.simplified();
  for (const std::string& line : lines) {
    EXPECT_TRUE(text.contains(QString::fromStdString(line).simplified())) << line << " not in:\n" << page.toStdString();
  }
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

// The text of the job that printing sent to CUPS, once CUPS has taken it.
QString PrintedText(const std::function<void()>& print) {
  const QDateTime start = QDateTime::currentDateTime().addSecs(-1);
  print();
  for (int wait = 0; wait < 300 && JobsPending(); ++wait) QThread::msleep(100);
  EXPECT_FALSE(JobsPending());
  const QString job = NewestJobFile(start);
  EXPECT_FALSE(job.isEmpty()) << "no job file found";
  return job.isEmpty() ? QString() : PdfText(job);
}

// The program with the sample data, printing on a real printer.
struct Paper {
  explicit Paper(QtPrinter::Target target) : paper(std::move(target)) {}
  QtPrinter paper;
};

class Reports : public Paper, public World {
 public:
  explicit Reports(QtPrinter::Target target = {}) : Paper(std::move(target)), World(paper) {
    panel.Open(g);
    g.EventDate = "11/20/2026";
  }
};

TEST(QtPrinter, DefaultPrinterPrintsBothReports) {
  if (QPrinterInfo::defaultPrinter().isNull()) {
    if (std::getenv("ONDULIX_REQUIRE_PRINTER")) FAIL() << "no default printer, and this run requires one";
    GTEST_SKIP() << "no default printer reachable";
  }
  Reports program;
  br_grp& teams = program.OpenComparison("HARBOR OFF.BTM", "SUMMIT DEF.BTM");
  std::vector<std::string> lines = {"Event Date : 11/20/2026", "Biorhythm for team : HARBOR OFF.BTM",
                                    "Biorhythm for team : SUMMIT DEF.BTM", teams.Label4.Caption(),
                                    teams.Label9.Caption(), "Grand Totals :"};
  for (const auto& rows : {World::Rows(teams.TmContents1), World::Rows(teams.TmContents2)}) lines.insert(lines.end(), rows.begin(), rows.end());
  ASSERT_GT(lines.size(), 10u);
  ExpectPrinted(PrintedText([&] { teams.Command3.Click(); }), lines);
  teams.Command4.Click();

  br_ind& person = program.OpenIndividual();
  person.Contents.SetListIndex(0);
  ASSERT_FALSE(person.ChartName.empty());
  const std::string firstLine = person.ChartDescription.substr(0, person.ChartDescription.find_first_of("\r\n"));
  ExpectPrinted(PrintedText([&] { person.cb_Print.Click(); }),
                {"Biorhythm for " + person.ChartName, "Born on : " + person.ChartDob, "Event Date : 11/20/2026",
                 person.ChartPhysicalLine, person.ChartEmotionalLine, person.ChartIntellectLine, "Description", firstLine});
  EXPECT_THAT(program.dialogs.boxes, testing::IsEmpty());
}

// Two full teams: all 50 rows are printed in the report's font, running on to a second page.
TEST(QtPrinter, FiftyRowsRunOnToASecondPage) {
  TempFolder paper;
  const QString file = QString::fromStdString(paper.path()) + QStringLiteral("/teams.pdf");
  Reports program(QtPrinter::Target{{}, file});
  for (const char* team : {"FULL OFF.BTM", "FULL DEF.BTM"}) {
    std::string members = "LEAGUE.BDB\r\n";
    for (int k = 1; k <= 25; ++k) members += team[5] + std::string(" MEMBER ") + std::to_string(k) + "\r\n01/01/1990\r\n";
    program.folder.Write(team, members);
  }
  br_grp& teams = program.OpenComparison("FULL OFF.BTM", "FULL DEF.BTM");
  ASSERT_EQ(teams.TmContents1.ListCount() + teams.TmContents2.ListCount(), 50);
  teams.Command3.Click();
  ASSERT_THAT(program.dialogs.boxes, testing::IsEmpty());
  EXPECT_TRUE(Output(QStringLiteral("pdfinfo"), {file}).contains(QRegularExpression(QStringLiteral("Pages:\\s+[2-9]\\n"))));
  std::vector<std::string> rows = World::Rows(teams.TmContents1);
  for (const std::string& row : World::Rows(teams.TmContents2)) rows.push_back(row);
  ExpectPrinted(PdfText(file), rows);
  EXPECT_TRUE(Output(QStringLiteral("pdffonts"), {file}).contains(QStringLiteral("LiberationMono-Bold")));
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
