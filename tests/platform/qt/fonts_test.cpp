#include "platform/qt/fonts.h"

#include <gtest/gtest.h>

#include <QFontInfo>

namespace {

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
