// Reading a small input file whole, safely: the file is opened without
// blocking (a FIFO without a writer never hangs the program), refused unless
// it is a regular file, and refused when it is larger than the limit, before
// anything is read into memory.
#pragma once

#include <cstddef>
#include <string>

namespace vc {

// The size above which an input file is not a file of ours.
constexpr std::size_t kSmallFileLimit = 1024 * 1024;

// Reads the file at `path` into `contents`. Returns an empty string on
// success, else the reason in a few words (for a message).
std::string readSmallRegularFile(const std::string& path, std::string& contents,
                                 std::size_t limit = kSmallFileLimit);

}  // namespace vc
