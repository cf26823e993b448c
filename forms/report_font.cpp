#include "forms/report_font.h"

#include <QFontDatabase>
#include <QFontMetricsF>

namespace vc::forms {

namespace {

// Whether the font that `font` resolves to gives a narrow, a wide, a digit
// and a blank one advance width, as the report's columns need.
bool hasOneAdvanceWidth(const QFont& font) {
  const QFontMetricsF metrics(font);
  const qreal width = metrics.horizontalAdvance(QLatin1Char('i'));
  for (const char c : {'W', '0', ' '}) {
    if (metrics.horizontalAdvance(QLatin1Char(c)) != width) return false;
  }
  return width > 0;
}

}  // namespace

QFont reportFont() {
  // "Courier New" is asked for by name and the font that the system puts in
  // its place accepted when it is of one width: on Linux fontconfig gives
  // Liberation Mono, made to Courier New's metrics, where installed. Failing
  // that, the first font of one width from a short list of common ones, and
  // at last the system's fixed font.
  for (const char* family : {"Courier New", "Liberation Mono", "Cousine", "DejaVu Sans Mono",
                             "Noto Sans Mono", "Nimbus Mono PS", "FreeMono"}) {
    QFont font(QString::fromLatin1(family), 10);
    if (hasOneAdvanceWidth(font)) return font;
  }
  QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  font.setPointSize(10);
  return font;
}

}  // namespace vc::forms
