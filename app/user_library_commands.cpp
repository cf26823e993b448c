#include "app/user_library_commands.h"

#include <QFile>

#include "app/file_commands.h"
#include "app/settings_store.h"
#include "materials/user_library_transfer.h"

namespace vc {

namespace {

std::string localPath(const QString& path) {
  return path.isEmpty() ? std::string() : QFile::encodeName(path).toStdString();
}

// The folder of a chosen file becomes the program's folder, as after the
// data-file dialogs.
void followChosenFolder(const QString& chosen, QString& currentDataFolder) {
  currentDataFolder = folderOfPath(chosen);
  storeLastPath(currentDataFolder);
}

}  // namespace

QList<FileFilter> userLibraryFileFilters() {
  return {{QStringLiteral("Vellacore material files (*.usr)"), QStringLiteral("*.usr")},
          {QStringLiteral("All files (*.*)"), QStringLiteral("*.*")}};
}

void exportUserLibraryCommand(FileChooser& chooser, UserRecordStore& store,
                              QString& currentDataFolder, MessageSink& messages) {
  if (!store.available()) return;
  const UserSlots records = readUserSlots(store);
  const QString chosen =
      chooser.saveOrAppendFileName(QStringLiteral("Export user material library to a file"),
                                   currentDataFolder, userLibraryFileFilters());
  QString path;
  if (!chosen.trimmed().isEmpty()) {
    followChosenFolder(chosen, currentDataFolder);
    path = withDefaultExtension(chosen.trimmed(), QStringLiteral("usr"));
  }
  exportUserLibrary(records, localPath(path), messages);
}

void importUserLibraryCommand(FileChooser& chooser, UserRecordStore& store,
                              QString& currentDataFolder, MessageSink& messages) {
  const QString chosen =
      chooser.openFileName(QStringLiteral("Open a Vellacore user material library file"),
                           currentDataFolder, userLibraryFileFilters());
  if (!chosen.trimmed().isEmpty()) followChosenFolder(chosen, currentDataFolder);
  importUserLibrary(store, localPath(chosen.trimmed()), messages);
}

}  // namespace vc
