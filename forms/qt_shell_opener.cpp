#include "forms/qt_shell_opener.h"

#include <QDesktopServices>
#include <QUrl>

namespace vc {

void QtShellOpener::openFolder(const QString& folder) {
  QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
}

void QtShellOpener::openLink(const QString& url) {
  QDesktopServices::openUrl(QUrl(url, QUrl::TolerantMode));
}

}  // namespace vc
