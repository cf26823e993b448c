// Exchanging user materials as ".usr" files: one user record per line,
// lines ended by CR LF, in slot order. The File menu's commands run the file
// dialogs and hand the chosen path to these steps, which say how it went
// with the messages of captions "Material Export" and "Material Import".
#pragma once

#include <string>
#include <vector>

#include "engine/messages.h"
#include "materials/user_library.h"

namespace vc {

enum class TransferOutcome {
  Done,       // the file was written, or the records were stored
  Cancelled,  // the dialog or the question was cancelled
  Failed,     // the file could not be written or read (reported)
  NoStore,    // the settings store could not be opened (nothing said)
};

// The export file text: every non-empty slot text in slot order, each
// followed by CR LF.
std::string userLibraryExportText(const UserSlots& slots);

// The export after the save dialog. The command reads `slots` before the
// dialog (and does nothing when the store cannot be opened); `path` is the
// chosen file, trimmed and with ".usr" added where the name has no
// extension, or empty when the dialog was cancelled. An existing file is
// replaced (Yes) or added to (No) after a Yes/No/Cancel question; the file
// is written whole through a temporary file, an addition after a copy of
// the old contents.
TransferOutcome exportUserLibrary(const UserSlots& slots, const std::string& path,
                                  MessageSink& messages);

// The records of an import file, in file order: whole lines without their
// line ends (LF or CR LF), up to the end of the file or the first line
// shorter than 5 characters counting its line end as one.
std::vector<std::string> readImportRecords(const std::string& fileText);

// The import after the open dialog: `path` is the chosen file (trimmed), or
// empty when the dialog was cancelled. When the library holds records, a
// Yes/No question decides between replacing them all (Yes) and adding to
// them (No). Records go into the empty slots in slot order and never over
// a stored record; records that find no empty slot are dropped, and the
// success message then says how many were imported and how many dropped.
TransferOutcome importUserLibrary(UserRecordStore& store, const std::string& path,
                                  MessageSink& messages);

}  // namespace vc
