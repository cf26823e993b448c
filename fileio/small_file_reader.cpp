#include "fileio/small_file_reader.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#if defined(_WIN32)
#include <filesystem>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace vc {

namespace {

std::string tooLarge(std::size_t limit) {
  return limit % (1024 * 1024) == 0
             ? "the file is larger than " + std::to_string(limit >> 20) + " MiB."
             : "the file is larger than " + std::to_string(limit) + " bytes.";
}

}  // namespace

#if defined(_WIN32)

std::string readSmallRegularFile(const std::string& path, std::string& contents,
                                 std::size_t limit) {
  namespace fs = std::filesystem;
  std::error_code ec;
  if (fs::exists(path, ec) && !fs::is_regular_file(path, ec)) return "it is not a regular file.";
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return std::string("the file cannot be opened (") + std::strerror(errno) + ").";
  contents.clear();
  char buffer[65536];
  std::size_t n;
  while (contents.size() <= limit && (n = std::fread(buffer, 1, sizeof buffer, file)) > 0)
    contents.append(buffer, n);
  const bool failed = std::ferror(file) != 0;
  std::fclose(file);
  if (failed) return "the file cannot be read.";
  return contents.size() > limit ? tooLarge(limit) : std::string();
}

#else

std::string readSmallRegularFile(const std::string& path, std::string& contents,
                                 std::size_t limit) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) return std::string("the file cannot be opened (") + std::strerror(errno) + ").";
  struct stat info {};
  std::string problem;
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    problem = "it is not a regular file.";
  } else if (static_cast<unsigned long long>(info.st_size) > limit) {
    problem = tooLarge(limit);
  } else {
    contents.clear();
    char buffer[65536];
    for (;;) {
      const ssize_t n = ::read(fd, buffer, sizeof buffer);
      if (n > 0) contents.append(buffer, static_cast<std::size_t>(n));
      if (n > 0 && contents.size() <= limit) continue;
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) problem = std::string("the file cannot be read (") + std::strerror(errno) + ").";
      if (contents.size() > limit) problem = tooLarge(limit);  // it grew while read
      break;
    }
  }
  ::close(fd);
  return problem;
}

#endif

}  // namespace vc
