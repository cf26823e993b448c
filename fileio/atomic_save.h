// Saving a whole file so that a failure never destroys what was there: the
// bytes go to a new file beside the target, are flushed, and the new file is
// renamed over the target. Data files, reports, saved results and exports all
// save through here.
#pragma once

#include <string>

namespace vc {

// Writes `bytes` to `path`:
// - a new or regular file (also through a symbolic link, which stays) is
//   replaced atomically through the temporary file ".NAME.vellacore-XXXXXX"
//   beside it, which keeps the old file's permissions and is removed again
//   on any failure;
// - when no temporary file can be made beside an existing writable file (a
//   read-only folder), that file is truncated and written in place;
// - any other kind of file (a device, a FIFO with a reader) is written
//   directly, never replaced.
// Returns an empty string on success, else the reason in a few words.
std::string saveFileAtomically(const std::string& path, const std::string& bytes);

}  // namespace vc
