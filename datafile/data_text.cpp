#include "datafile/data_text.h"

namespace vc {

int DataText::lineAt(std::size_t pos) const {
  std::size_t lo = 0, hi = lineStart.size();
  while (hi - lo > 1) {
    const std::size_t mid = (lo + hi) / 2;
    if (lineStart[mid] <= pos)
      lo = mid;
    else
      hi = mid;
  }
  return lineNumber.empty() ? 1 : lineNumber[lo];
}

DataText dropComments(const std::string& contents) {
  DataText out;
  std::size_t pos = 0;
  if (contents.compare(0, 3, "\xEF\xBB\xBF") == 0) pos = 3;
  int line = 0;
  while (pos < contents.size()) {
    ++line;
    std::size_t end = contents.find('\n', pos);
    const std::size_t next = end == std::string::npos ? contents.size() : end + 1;
    if (end == std::string::npos) end = contents.size();
    std::size_t stop = end;
    if (stop > pos && contents[stop - 1] == '\r') --stop;
    if (contents[pos] != '$') {
      out.lineStart.push_back(out.text.size());
      out.lineNumber.push_back(line);
      out.text.append(contents, pos, stop - pos);
      out.text.push_back('\n');
    }
    pos = next;
  }
  return out;
}

}  // namespace vc
