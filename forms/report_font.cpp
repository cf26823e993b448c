#include "forms/report_font.h"

#include <QFontDatabase>
#include <QStringList>

namespace vc::forms {

QFont reportFont() {
  QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  const QString courier = QStringLiteral("Courier New");
  if (QFontDatabase::families().contains(courier, Qt::CaseInsensitive)) font = QFont(courier);
  font.setPointSize(10);
  font.setStyleHint(QFont::TypeWriter);
  font.setFixedPitch(true);
  return font;
}

}  // namespace vc::forms
