#include "platform/qt/fonts.h"

#include <QStringList>

#include "platform/qt/qt_text.h"

namespace {

struct Substitute {
  const char* name;
  QStringList families;
};

// Windows and reports are laid out for these faces; the metric twins keep every column and
// line where it was meant to be.
void InstallSubstitutes() {
  const Substitute substitutes[] = {
      {"MS Sans Serif", {"Liberation Sans", "DejaVu Sans"}},
      {"Arial", {"Liberation Sans", "DejaVu Sans"}},
      {"Times New Roman", {"Liberation Serif", "DejaVu Serif"}},
      {"Courier New", {"Liberation Mono", "DejaVu Sans Mono"}},
      {"Courier", {"Liberation Mono", "DejaVu Sans Mono"}},
  };
  for (const Substitute& substitute : substitutes) {
    QFont::insertSubstitutions(QString::fromLatin1(substitute.name), substitute.families);
  }
}

bool FixedPitch(const QString& family) { return family.contains(QLatin1String("courier"), Qt::CaseInsensitive); }

}  // namespace

QFont ToQFont(const std::string& name, double points, bool bold) {
  static const bool installed = (InstallSubstitutes(), true);
  (void)installed;
  QFont font(ToQt(name));
  font.setPointSizeF(points);
  font.setBold(bold);
  // Chart lines and reports line their symbols up in columns.
  if (FixedPitch(font.family())) {
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
  }
  return font;
}
