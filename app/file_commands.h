// The File menu's data-file commands: open a data file onto the pages, save
// the pages to a data file, and show the current data folder in the file
// browser. The dialogs and the shell come in as interfaces so that the
// commands run the same under tests as on the desktop.
#pragma once

#include <functional>

#include <QString>

#include "app/file_chooser.h"
#include "app/shell_open.h"
#include "engine/laminate_data.h"
#include "engine/messages.h"
#include "pages/input_pages.h"

namespace vc {

// The filters of the data-file dialogs: "*.vcl" files, then all files.
QList<FileFilter> dataFileFilters();

// `path` with the default extension `extension` (without its dot) applied
// to a file name that has none: a name ending in "." gets `extension`, a name
// without any dot gets "." + `extension`; a name that has an extension keeps
// it. Only the last path component is looked at.
QString withDefaultExtension(const QString& path, const QString& extension);

// "&Open Data File...": asks for a file, reads it and shows it on the pages.
// A file the reader refuses ("Data File Error") leaves the pages and the
// record as they were; on success the pages are cleared first (the input
// pages, then `clearOtherPages` when given, e.g. the micromechanics page),
// then the record read and its report options are put on the pages.
// `inputPath` becomes the chosen file and `currentDataFolder` its folder,
// which is stored as LastPath. Returns whether a file was loaded.
bool openDataFileCommand(FileChooser& chooser, InputPages& pages, LaminateData& data,
                         QString& currentDataFolder, QString& inputPath, MessageSink& messages,
                         const std::function<void()>& clearOtherPages = {});

// "&Save Data File...": asks for a file name (".vcl" added when the name has
// no extension) and writes the pages to it. `outputPath` becomes the path
// written and `currentDataFolder` its folder (stored as LastPath). Returns
// whether the file was written.
bool saveDataFileCommand(FileChooser& chooser, InputPages& pages, LaminateData& data,
                         QString& currentDataFolder, QString& outputPath, MessageSink& messages);

// "Open Current Directory": shows `currentDataFolder` in the file browser,
// re-creating the default data folder first when the remembered one is gone.
void openCurrentDirectoryCommand(ShellOpener& shell, QString& currentDataFolder);

}  // namespace vc
