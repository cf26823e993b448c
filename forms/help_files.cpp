#include "forms/help_files.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "app/executable_path.h"
#include "help/help_topics.h"

// The installed data folder relative to the installed program's folder, set
// by the build from the install layout.
#ifndef VC_HELP_FROM_PROGRAM
#define VC_HELP_FROM_PROGRAM "../share/vellacore"
#endif

namespace vc::forms {

namespace {

const QString kHelpFileName = QStringLiteral("vellacore.qch");

bool sameFile(const QFileInfo& a, const QFileInfo& b) {
  return a.exists() && b.exists() && a.size() == b.size() && a.lastModified() == b.lastModified();
}

// Copies `source` into `folder` as a file the user may write, keeping its
// modification time so that a later comparison finds it unchanged.
bool copyInto(const QFileInfo& source, const QString& folder) {
  const QString target = folder + QLatin1Char('/') + source.fileName();
  QFile::remove(target);
  if (!QFile::copy(source.absoluteFilePath(), target)) return false;
  QFile copy(target);
  copy.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
  if (copy.open(QIODevice::ReadWrite)) {
    copy.setFileTime(source.lastModified(), QFileDevice::FileModificationTime);
  }
  return true;
}

}  // namespace

QStringList helpCollectionCandidates(const QString& programFolder) {
  const QString name = QString::fromLatin1(help::kHelpCollectionFile);
  QStringList candidates;
  for (const QString& relative : {QStringLiteral("."), QStringLiteral(VC_HELP_FROM_PROGRAM),
                                  QStringLiteral("../share/vellacore")}) {
    const QString path =
        QDir::cleanPath(programFolder + QLatin1Char('/') + relative + QLatin1Char('/') + name);
    if (!candidates.contains(path)) candidates << path;
  }
  return candidates;
}

QString installedHelpCollection() {
  const QString folder = QFileInfo(executableFilePath()).canonicalPath();
  for (const QString& path :
       helpCollectionCandidates(folder.isEmpty() ? executableFolder() : folder)) {
    if (QFileInfo(path).isFile()) return path;
  }
  return {};
}

QString writableHelpCollection(const QString& collection) {
  const QFileInfo source(collection);
  const QFileInfo helpFile(source.absolutePath() + QLatin1Char('/') + kHelpFileName);
  const QString dataFolder = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
  QStringList folders;
  if (!dataFolder.isEmpty()) folders << dataFolder + QStringLiteral("/help");
  folders << QDir::tempPath() + QStringLiteral("/vellacore-help-") + QDir::home().dirName();
  for (const QString& folder : folders) {
    if (!QDir().mkpath(folder)) continue;
    const QFileInfo copiedHelpFile(folder + QLatin1Char('/') + kHelpFileName);
    if (!sameFile(helpFile, copiedHelpFile) && !copyInto(helpFile, folder)) continue;
    // The collection is copied afresh each time: the help engine writes to
    // its copy, and the copy must list the help file as installed.
    if (!copyInto(source, folder)) continue;
    return folder + QLatin1Char('/') + source.fileName();
  }
  return collection;
}

QUrl helpTopicUrl(const QString& topic) {
  const QByteArray utf8 = topic.toUtf8();
  const std::string_view path = help::topicPath(std::string_view(utf8.constData(), utf8.size()));
  return QUrl(QStringLiteral("qthelp://%1/%2/%3")
                  .arg(QLatin1String(help::kHelpNamespace), QLatin1String(help::kHelpVirtualFolder),
                       QString::fromUtf8(path.data(), static_cast<int>(path.size()))));
}

}  // namespace vc::forms
