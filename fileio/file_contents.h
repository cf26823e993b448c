// Reading a whole file into memory, with the reason of a failure in a few
// words for a message. Data files and user material imports read through
// here.
#pragma once

#include <string>

namespace vc {

// Reads the bytes of `path` into `contents`. Returns an empty string on
// success, else the reason ("the file cannot be opened (...)" or "the file
// cannot be read (...)", without a final period).
std::string readFileContents(const std::string& path, std::string& contents);

}  // namespace vc
