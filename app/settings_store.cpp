// The settings store lives in QSettings' native format for the current user:
// the registry on Windows, ~/.config/Orlenvik/Vellacore.conf (section [3.0])
// elsewhere. The registry key's unnamed default value is written under the
// QSettings key "Default", which is how QSettings addresses a registry key's
// default value on Windows; other platforms store it as an ordinary key of
// that name.
#include "app/settings_store.h"

#include <QByteArray>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>

#include "app/executable_path.h"
#include "app/settings_file.h"
#include "app/settings_keys.h"

namespace vc {

namespace {

// Makes sure `folder` exists as a folder, creating missing levels.
bool ensureFolder(const QString& folder) {
  QFileInfo info(folder);
  if (info.exists()) return info.isDir();
  return QDir().mkpath(folder);
}

QString withTrailingSlash(QString folder) {
  if (!folder.endsWith(QLatin1Char('/'))) folder += QLatin1Char('/');
  return folder;
}

}  // namespace

std::unique_ptr<QSettings> openSettingsKey() {
  auto settings = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                              QString::fromLatin1(kSettingsOrganization),
                                              QString::fromLatin1(kSettingsApplication));
  settings->beginGroup(QString::fromLatin1(kSettingsGroup));
  return settings;
}

bool settingsKeyExists(const QSettings& key) {
  return !key.childKeys().isEmpty() || !key.childGroups().isEmpty();
}

void createSettingsKey(const QString& lastPath) {
  writeSettingsValues(
      {{QString::fromLatin1(kDefaultValueName), QString::fromLatin1(kDefaultValueText)},
       {QString::fromLatin1(kLastPathName), lastPath}});
}

QString defaultDataFolder() {
  QString candidate;
  const QByteArray appData = qgetenv("APPDATA");
  if (!appData.isEmpty()) {
    candidate = QDir::fromNativeSeparators(QString::fromLocal8Bit(appData));
  } else {
    candidate = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
  }
  if (!candidate.isEmpty()) {
    candidate = withTrailingSlash(candidate) + QStringLiteral("The Vellacore/");
    if (ensureFolder(candidate)) return candidate;
  }
  // No usable per-user location: work in the program's own folder rather
  // than in a folder that does not exist.
  return withTrailingSlash(executableFolder());
}

QString prepareDefaultDataFolder(QString& currentDataFolder) {
  const QString folder = defaultDataFolder();
  ensureFolder(folder);
  QDir::setCurrent(folder);
  currentDataFolder = folder;
  storeLastPath(currentDataFolder);
  return folder;
}

void storeLastPath(const QString& currentDataFolder) {
  if (settingsKeyExists(*openSettingsKey())) {
    writeSettingsValues({{QString::fromLatin1(kLastPathName), currentDataFolder}});
  } else {
    createSettingsKey(currentDataFolder);
  }
}

void loadLastPath(QString& currentDataFolder) {
  bool prepare = false;
  {
    auto key = openSettingsKey();
    if (settingsKeyExists(*key)) {
      const QString name = QString::fromLatin1(kLastPathName);
      if (key->contains(name)) currentDataFolder = key->value(name).toString();
      prepare = currentDataFolder.isEmpty();
    } else {
      key.reset();
      createSettingsKey(currentDataFolder);
    }
  }
  // The key is closed before preparing, which opens it again to store.
  if (prepare) prepareDefaultDataFolder(currentDataFolder);
}

QString folderOfPath(const QString& path) {
  const QString file = QDir::fromNativeSeparators(path.trimmed());
  QString folder;
  const int slash = file.lastIndexOf(QLatin1Char('/'));
  if (slash >= 0) {
    folder = file.left(slash + 1);
  } else {
    folder = QDir::currentPath();
  }
  return withTrailingSlash(folder.trimmed());
}

QString userMaterialValueName(int slot) { return QStringLiteral("UserMat%1").arg(slot); }

bool readUserMaterialRecord(const QSettings& key, int slot, QString& record) {
  const QString name = userMaterialValueName(slot);
  if (!key.contains(name)) return false;
  const QVariant value = key.value(name);
  record = value.typeId() == QMetaType::QStringList ? value.toStringList().join(QLatin1Char(','))
                                                    : value.toString();
  return true;
}

}  // namespace vc

namespace vc {

void loadResultsFolder(QString& resultsFolder) {
  auto key = openSettingsKey();
  if (settingsKeyExists(*key)) {
    const QString name = QString::fromLatin1(kLastPathName);
    if (key->contains(name)) resultsFolder = key->value(name).toString();
  } else {
    key.reset();
    createSettingsKey(resultsFolder);
  }
}

}  // namespace vc
