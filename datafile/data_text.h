// A data file without its comment lines: every line whose first character is
// "$" is dropped, the others are kept with their original line numbers, so a
// refusal can point at the line of the file.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace vc {

struct DataText {
  std::string text;                    // kept lines, each ended by '\n'
  std::vector<std::size_t> lineStart;  // offset of each kept line in `text`
  std::vector<int> lineNumber;         // its line number in the file

  // The file's line number of the kept text at offset `pos`.
  int lineAt(std::size_t pos) const;
};

// CR LF and LF line ends both read; a byte order mark in front is dropped.
DataText dropComments(const std::string& contents);

}  // namespace vc
