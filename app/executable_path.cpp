#include "app/executable_path.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#if defined(_WIN32)
#include <windows.h>
#endif

namespace vc {

QString executableFilePath() {
  if (QCoreApplication::instance() != nullptr) return QCoreApplication::applicationFilePath();
#if defined(_WIN32)
  wchar_t buffer[32768];
  DWORD length = GetModuleFileNameW(nullptr, buffer, 32768);
  return QDir::fromNativeSeparators(QString::fromWCharArray(buffer, static_cast<int>(length)));
#else
  // Linux keeps the executable's path behind /proc/self/exe; elsewhere the
  // current folder is the best that can be said without an application.
  QFileInfo self(QStringLiteral("/proc/self/exe"));
  QString target = self.symLinkTarget();
  if (!target.isEmpty()) return target;
  return QDir::currentPath() + QStringLiteral("/vellacore");
#endif
}

QString executableFolder() {
  if (QCoreApplication::instance() != nullptr) return QCoreApplication::applicationDirPath();
  return QFileInfo(executableFilePath()).absolutePath();
}

}  // namespace vc
