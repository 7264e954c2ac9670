#include "platform/qt/fonts.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <gtest/gtest.h>

namespace {

struct FontCase {
  const char* name;
  const char* family;
  bool fixedPitch;
};

// The windows and reports are laid out for these faces; each must come out as a free face of
// the same measure, so that every column and line stays where it was meant to be.
TEST(Fonts, EveryNamedFaceResolvesToAFreeFaceOfTheSameMeasure) {
  const FontCase cases[] = {
      {"MS Sans Serif", "Liberation Sans", false},
      {"Arial", "Liberation Sans", false},
      {"Times New Roman", "Liberation Serif", false},
      {"Courier New", "Liberation Mono", true},
      {"courier new", "Liberation Mono", true},
  };
  for (const FontCase& c : cases) {
    const QFontInfo info(ToQFont(c.name, 9.75, false));
    EXPECT_EQ(info.family().toStdString(), c.family) << c.name;
    EXPECT_EQ(info.fixedPitch(), c.fixedPitch) << c.name;
  }
}

TEST(Fonts, ChartSymbolsLineUpUnderTheirHeading) {
  const QFontMetricsF metrics(ToQFont("Courier New", 9.75, false));
  const QString heading = QStringLiteral(" P   E   I");
  for (const QString& line : {QStringLiteral(" +   -   *"), QStringLiteral(" *   +   -")}) {
    for (int column = 1; column <= heading.size(); ++column) {
      EXPECT_DOUBLE_EQ(metrics.horizontalAdvance(line.left(column)),
                       metrics.horizontalAdvance(heading.left(column)))
          << line.toStdString() << " column " << column;
    }
  }
}

}  // namespace
