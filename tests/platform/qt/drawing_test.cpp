#include <gtest/gtest.h>

#include <QAccessible>
#include <QImage>
#include <QRegularExpression>
#include <QTest>
#include <QWidget>
#include <functional>

#include "platform/form.h"
#include "platform/picture_box.h"
#include "platform/qt/drawing_widget.h"
#include "platform/qt/pdf_tools.h"
#include "platform/qt/qt_desktop.h"
#include "platform/qt/qt_printer.h"
#include "support/test_data.h"

namespace {

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
  EXPECT_TRUE(Near(shot.pixelColor(100, 35), Colour{255, 255, 255}));
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

}  // namespace
