// The kind of file a save dialog with several kinds (filters "*.json",
// "*.csv", ...) was answered with: the kind whose extension the chosen name
// has; for a name without an extension the chosen filter's kind, its
// extension appended ("name." gets it after the dot); for a name with some
// other extension the chosen filter's kind, the name kept as it is.
#pragma once

#include <QList>
#include <QString>

#include "app/file_chooser.h"

namespace vc {

struct ChosenFileType {
  QString path;    // trimmed, the extension applied
  int filter = 0;  // index into the filters
};

ChosenFileType chosenFileType(const QString& chosen, const QList<FileFilter>& filters,
                              int chosenFilter);

}  // namespace vc
