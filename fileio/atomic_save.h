// Saving a whole file so that a failure never destroys what was there: the
// bytes go to a new file beside the target, are flushed, and the new file is
// renamed over the target. Data files, reports, saved results and exports all
// save through here.
#pragma once

#include <string>

namespace vc {

// Writes `bytes` to `path` as described above. Returns an empty string on
// success, else the reason of the failure in a few words (for a message).
std::string saveFileAtomically(const std::string& path, const std::string& bytes);

}  // namespace vc
