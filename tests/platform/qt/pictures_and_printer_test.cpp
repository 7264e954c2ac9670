// The faces text is drawn in, pictures on the screen and on paper, and the real printer: what
// was printed is read back from the page file with the command-line PDF tools.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QAccessible>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QFontInfo>
#include <QImage>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <QThread>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "app/br_cp.h"
#include "platform/picture_box.h"
#include "platform/qt/drawing_widget.h"
#include "platform/qt/fonts.h"
#include "platform/qt/qt_desktop.h"
#include "platform/qt/qt_printer.h"
#include "support/world.h"

namespace {

// What the program wrote to its standard output; empty when it did not finish.
inline QString Output(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  if (!process.waitForFinished(30000)) return {};
  return QString::fromLocal8Bit(process.readAllStandardOutput());
}

// The text of the PDF's pages, laid out as printed.
inline QString PdfText(const QString& file, const QStringList& options = {}) {
  return Output(QStringLiteral("pdftotext"),
                QStringList{QStringLiteral("-layout")} + options + QStringList{file, QStringLiteral("-")});
}

constexpr Colour Red{220, 0, 0};
constexpr Colour Blue{0, 0, 220};
const Font TextFont{"Arial", 12, true};

// A word in black that ends at the picture's middle, low down; a blue polyline high up; and,
// drawn last, a thick red line across the middle.
void Sample(Drawing& drawing, int width, int height, const std::string& word) {
  drawing.Text(Point{width / 2, height * 3 / 4}, word, TextFont, Colour{}, Drawing::Align::Right);
  drawing.Polyline({Point{0, height / 4}, Point{width / 2, height / 4}, Point{width, height / 4}}, Blue, 90);
  drawing.Line(Point{0, height / 2}, Point{width, height / 2}, Red, 90);
}

class PictureForm : public Form {
 public:
  explicit PictureForm(Desktop& desktop)
      : Form(desktop, "PictureForm", "Picture", 3600, 2100),
        Chart(*this, "Chart", Rect{120, 300, 3000, 1500}) {
    Chart.OnPaint = [this](Drawing& drawing, int width, int height) {
      ++paints;
      Sample(drawing, width, height, "Word");
    };
  }
  PictureBox Chart;
  int paints = 0;
};

bool Near(QColor pixel, Colour colour) {
  return std::abs(pixel.red() - colour.Red) < 40 && std::abs(pixel.green() - colour.Green) < 40 &&
         std::abs(pixel.blue() - colour.Blue) < 40;
}

// The smallest rectangle that holds every pixel of the rows given that is of the colour.
QRect Where(const QImage& image, int top, int bottom, const std::function<bool(QColor)>& colour) {
  QRect box;
  for (int y = top; y < bottom; ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (colour(image.pixelColor(x, y))) box |= QRect(x, y, 1, 1);
    }
  }
  return box;
}

TEST(DrawingWidget, ShowsThePictureInTwipsAndRedrawsWhenToldItChanged) {
  QtDesktop desktop;
  PictureForm form(desktop);
  form.Show();
  auto* widget = desktop.Window(form)->findChild<DrawingWidget*>(QStringLiteral("Chart"));
  ASSERT_NE(widget, nullptr);
  // 3000 by 1500 twips are 200 by 100 pixels.
  EXPECT_EQ(widget->size(), QSize(200, 100));
  EXPECT_EQ(QAccessible::queryAccessibleInterface(widget)->role(), QAccessible::Chart);

  QImage shot = widget->grab().toImage();
  EXPECT_TRUE(Near(shot.pixelColor(100, 50), Red));
  EXPECT_TRUE(Near(shot.pixelColor(150, 25), Blue));
  // The word is right-aligned on the middle: it ends there and starts well left of it.
  const QRect word = Where(shot, 76, 98, [](QColor pixel) { return qGray(pixel.rgb()) <= 100; });
  EXPECT_TRUE(word.left() > 40 && word.left() < 90 && word.right() >= 95 && word.right() <= 101)
      << word.left() << ".." << word.right();

  // Once the window has drawn itself, a change told is drawn again.
  QTest::qWait(50);
  const int before = form.paints;
  form.Chart.Repaint();
  EXPECT_TRUE(QTest::qWaitFor([&] { return form.paints > before; }, 1000)) << "not redrawn";
}

// A picture wider than the page is narrowed to the page, not cut; one taller than the room left
// on a page starts the next page; the lines keep their order around the pictures.
TEST(QtPrinter, PicturesTakeTheirPlaceAmongTheLines) {
  TempFolder folder;
  const QString file = QString::fromStdString(folder.path()) + QStringLiteral("/picture.pdf");
  QtPrinter printer(QtPrinter::Target{{}, file});
  const auto picture = [](const std::string& word) {
    return [word](Drawing& drawing, int width, int height) { Sample(drawing, width, height, word); };
  };
  // Ten inches wide, two high; then nine inches high.
  ASSERT_TRUE(printer.PrintLine("Above") && printer.PrintPicture(14400, 2880, picture("Inside")) &&
              printer.PrintLine("Below") && printer.PrintPicture(7200, 12960, picture("Second")) &&
              printer.EndDoc());

  EXPECT_TRUE(Output(QStringLiteral("pdfinfo"), {file})
                  .contains(QRegularExpression(QStringLiteral("Pages:\\s+2\\n"))));
  const QString first = PdfText(file, {QStringLiteral("-l"), QStringLiteral("1")});
  EXPECT_TRUE(first.simplified().contains(QStringLiteral("Above Inside Below"))) << first.toStdString();
  EXPECT_FALSE(first.contains(QStringLiteral("Second")));

  // At 72 dots per inch the page's half-inch margins leave the picture all but 36 columns on
  // either side. Only its thick line is red: the line printed after it is not in its colours.
  const QString image = QString::fromStdString(folder.path()) + QStringLiteral("/page");
  Output(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("72"), QStringLiteral("-l"),
                                      QStringLiteral("1"), QStringLiteral("-png"), file, image});
  const QImage page(image + QStringLiteral("-1.png"));
  const QRect red = Where(page, 0, page.height(), [](QColor pixel) { return Near(pixel, Red); });
  EXPECT_NEAR(red.left(), 36, 3);
  EXPECT_NEAR(red.right(), page.width() - 36, 3);
  EXPECT_LE(red.height(), 7);
}

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

// The windows and reports are laid out for these faces; each must come out as a free face of
// the same measure, so that every column and line stays where it was meant to be: in a
// fixed-pitch face the chart symbols line up under their heading.
TEST(Fonts, EveryNamedFaceResolvesToAFreeFaceOfTheSameMeasure) {
  const struct {
    const char* name;
    const char* family;
    bool fixedPitch;
  } cases[] = {
      {"MS Sans Serif", "Liberation Sans", false},    {"Arial", "Liberation Sans", false},
      {"Times New Roman", "Liberation Serif", false}, {"Courier New", "Liberation Mono", true},
      {"courier new", "Liberation Mono", true},
  };
  for (const auto& c : cases) {
    const QFontInfo info(ToQFont(c.name, 9.75, false));
    EXPECT_EQ(info.family().toStdString(), c.family) << c.name;
    EXPECT_EQ(info.fixedPitch(), c.fixedPitch) << c.name;
  }
}

}  // namespace
