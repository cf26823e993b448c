#include "fileio/file_contents.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace vc {

std::string readFileContents(const std::string& path, std::string& contents) {
  contents.clear();
  errno = 0;
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return std::string("the file cannot be opened (") + std::strerror(errno) + ")";
  std::string problem;
  char buffer[65536];
  std::size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0) contents.append(buffer, n);
  if (std::ferror(file)) problem = std::string("the file cannot be read (") + std::strerror(errno) + ")";
  std::fclose(file);
  return problem;
}

}  // namespace vc
