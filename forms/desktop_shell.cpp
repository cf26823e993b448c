#include "forms/desktop_shell.h"

#include <QDesktopServices>
#include <QUrl>

namespace vc::forms {

void DesktopShell::openFolder(const QString& folder) {
  QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
}

void DesktopShell::openLink(const QString& url) {
  QDesktopServices::openUrl(QUrl(url, QUrl::TolerantMode));
}

}  // namespace vc::forms
