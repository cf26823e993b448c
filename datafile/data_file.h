// The laminate data file (.vcl): a plain text file in which every data line
// follows a "$" comment line naming its values. Written with CR LF line
// ends; CR LF and LF both read.
#pragma once

#include <cstddef>
#include <string>

#include "engine/laminate_data.h"
#include "engine/messages.h"

namespace vc {

// The longest line a data file holds, its line end included.
constexpr std::size_t kMaxDataFileLine = 255;

// The report options a data file carries after the laminate: the seven
// option flags and the strain choice, in the order of the file.
struct DataFileOptions {
  bool showApparent = true;
  bool showABD = true;
  bool showLayerMatrices = false;
  bool showLoadVectors = false;
  bool showPlyStresses = false;
  bool effectiveStrains = true;  // strain choice 1; 2 (total strains) when clear
  bool showFailure = false;
  bool doubleDouble = false;
};

// Parses the contents of a data file into the record and the options (an
// option the file does not give keeps its value in `options`). A file that
// cannot be read as a data file is refused: `error` then says why (for a
// value, its line number and what was expected), and neither the record nor
// the options are changed.
bool parseDataFile(const std::string& contents, LaminateData& data, DataFileOptions& options,
                   std::string& error);

// Reads the file at `path` as parseDataFile does. A refused or unreadable
// file shows one message, caption "Data File Error", naming the file and the
// first problem; nothing is loaded. Returns whether the file was loaded.
bool readDataFile(const std::string& path, LaminateData& data, DataFileOptions& options,
                  MessageSink& messages);

// The text a data file holds for the record (as copyPagesToData leaves it)
// and the options.
std::string formatDataFile(const LaminateData& data, const DataFileOptions& options);

// Writes the file: to a temporary file in the same folder, renamed over
// `path`, so a failed save never destroys the previous file. A failure shows
// "Data File Error" with the path and the reason. Returns whether the file
// was written.
bool writeDataFile(const std::string& path, const LaminateData& data,
                   const DataFileOptions& options, MessageSink& messages);

}  // namespace vc
