#include "app/chosen_file_type.h"

#include <QFileInfo>

#include "app/file_commands.h"

namespace vc {

namespace {

// "json" for "*.json"; empty for a pattern that is not one plain extension.
QString extensionOf(const FileFilter& filter) {
  if (!filter.pattern.startsWith(QLatin1String("*."))) return {};
  const QString extension = filter.pattern.mid(2);
  for (const QChar c : extension) {
    if (!c.isLetterOrNumber()) return {};
  }
  return extension;
}

}  // namespace

ChosenFileType chosenFileType(const QString& chosen, const QList<FileFilter>& filters,
                              int chosenFilter) {
  ChosenFileType result;
  result.path = chosen.trimmed();
  result.filter = chosenFilter >= 0 && chosenFilter < filters.size() ? chosenFilter : 0;
  const QString suffix = QFileInfo(result.path).suffix();
  for (int i = 0; i < filters.size(); ++i) {
    const QString extension = extensionOf(filters.at(i));
    if (!extension.isEmpty() && suffix.compare(extension, Qt::CaseInsensitive) == 0) {
      result.filter = i;
      return result;
    }
  }
  if (!filters.isEmpty()) {
    const QString extension = extensionOf(filters.at(result.filter));
    if (!extension.isEmpty()) result.path = withDefaultExtension(result.path, extension);
  }
  return result;
}

}  // namespace vc
