// The laminate data file (.vcl): a plain text file in which every data line
// follows a "$" comment line naming its values. Written with CR LF line
// ends; CR LF and LF both read.
#pragma once

#include <string>

#include "engine/laminate_data.h"
#include "engine/messages.h"
#include "pages/input_pages.h"

namespace vc {

// Parses the contents of a data file into the record and sets the eight
// report options on the Settings page. A file that cannot be read as a data
// file is refused: `error` then says why (for a value, its line number and
// what was expected), and neither the record nor the page is changed.
bool parseDataFile(const std::string& contents, LaminateData& data,
                   SettingsPage& settings, std::string& error);

// Reads the file at `path` as parseDataFile does. A refused or unreadable
// file shows one message, caption "Data File Error", naming the file and the
// first problem; nothing is loaded. Returns whether the file was loaded.
bool readDataFile(const std::string& path, LaminateData& data,
                  SettingsPage& settings, MessageSink& messages);

// The text a data file holds for the record and the Settings page options.
std::string formatDataFile(const LaminateData& data, const SettingsPage& settings);

// Copies the input pages into the record (copyPagesToData), then writes the
// file: to a temporary file in the same folder, renamed over `path`, so a
// failed save never destroys the previous file. A failure shows "Data File
// Error" with the path and the reason. Returns whether the file was written.
bool writeDataFile(const std::string& path, const InputPages& pages,
                   LaminateData& data, MessageSink& messages);

}  // namespace vc
