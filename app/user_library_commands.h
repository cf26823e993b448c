// The File menu's "Export Material Library..." and "Import Material
// Library...": the file dialogs, the folder they leave behind, and the
// user library's export and import steps. The dialogs come in as an
// interface so that tests drive the commands without a person.
#pragma once

#include <QList>
#include <QString>

#include "app/file_chooser.h"
#include "engine/messages.h"
#include "materials/user_record_store.h"

namespace vc {

// The filters of both dialogs: "*.usr" files, then all files.
QList<FileFilter> userLibraryFileFilters();

// Writes the stored records to a file the user chooses (".usr" added to a
// name without an extension); an existing file is replaced or added to, as
// the user answers. Nothing happens when the store cannot be opened. A
// chosen file makes its folder `currentDataFolder` (stored as LastPath).
void exportUserLibraryCommand(FileChooser& chooser, UserRecordStore& store,
                              QString& currentDataFolder, MessageSink& messages);

// Reads the records of a file the user chooses into the empty slots, after
// asking whether to replace the stored ones. `currentDataFolder` as above.
void importUserLibraryCommand(FileChooser& chooser, UserRecordStore& store,
                              QString& currentDataFolder, MessageSink& messages);

}  // namespace vc
