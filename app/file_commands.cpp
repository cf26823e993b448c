#include "app/file_commands.h"

#include <algorithm>
#include <string>

#include <QFile>
#include <QFileInfo>

#include "app/settings_page_options.h"
#include "app/settings_store.h"
#include "datafile/data_file.h"
#include "pages/page_clearing.h"
#include "pages/page_transfer.h"

namespace vc {

namespace {

std::string localPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

int fileNameStart(const QString& path) {
  int slash = path.lastIndexOf(QLatin1Char('/'));
#ifdef Q_OS_WIN
  slash = std::max(slash, int(path.lastIndexOf(QLatin1Char('\\'))));
  slash = std::max(slash, int(path.lastIndexOf(QLatin1Char(':'))));
#endif
  return slash + 1;
}

}  // namespace

QList<FileFilter> dataFileFilters() {
  return {{QStringLiteral("Vellacore text files (*.vcl)"), QStringLiteral("*.vcl")},
          {QStringLiteral("All files (*.*)"), QStringLiteral("*.*")}};
}

QString withDefaultExtension(const QString& path, const QString& extension) {
  const int nameStart = fileNameStart(path);
  const int dot = path.lastIndexOf(QLatin1Char('.'));
  if (dot < nameStart) return path + QLatin1Char('.') + extension;  // no dot in the name
  if (dot == path.size() - 1) return path + extension;              // "name."
  return path;                                                      // has an extension
}

bool openDataFileCommand(FileChooser& chooser, InputPages& pages, LaminateData& data,
                         QString& currentDataFolder, QString& inputPath, MessageSink& messages,
                         const std::function<void()>& clearOtherPages) {
  const QString chosen = chooser.openFileName(QStringLiteral("Open a Vellacore Data File"),
                                              currentDataFolder, dataFileFilters());
  if (chosen.isEmpty()) return false;
  inputPath = chosen;

  // Read into copies first: a refused file must not cost the user the
  // contents of the pages nor the record behind them.
  LaminateData read = data;
  DataFileOptions readOptions = optionsFromSettingsPage(pages.settings);
  const bool loaded = readDataFile(localPath(inputPath), read, readOptions, messages);
  if (loaded) {
    clearAllInputPages(pages);
    if (clearOtherPages) clearOtherPages();
    showOptionsOnSettingsPage(readOptions, pages.settings);
    data = read;
    showDataOnPages(data, pages);
  }

  currentDataFolder = folderOfPath(inputPath);
  storeLastPath(currentDataFolder);
  return loaded;
}

bool saveDataFileCommand(FileChooser& chooser, InputPages& pages, LaminateData& data,
                         QString& currentDataFolder, QString& outputPath, MessageSink& messages) {
  const QString chosen = chooser.saveFileName(QStringLiteral("Save Input to a Vellacore Data File"),
                                              currentDataFolder, dataFileFilters());
  if (chosen.trimmed().isEmpty()) return false;
  outputPath = withDefaultExtension(chosen.trimmed(), QStringLiteral("vcl"));

  copyPagesToData(pages, data);
  const bool written =
      writeDataFile(localPath(outputPath), data, optionsFromSettingsPage(pages.settings), messages);

  currentDataFolder = folderOfPath(outputPath);
  storeLastPath(currentDataFolder);
  return written;
}

void openCurrentDirectoryCommand(ShellOpener& shell, QString& currentDataFolder) {
  if (currentDataFolder.isEmpty() || !QFileInfo::exists(currentDataFolder)) {
    prepareDefaultDataFolder(currentDataFolder);
  }
  shell.openFolder(currentDataFolder);
}

}  // namespace vc
