#include "fileio/atomic_save.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>
#include <string>
#include <system_error>

#if !defined(_WIN32)
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace vc {

namespace {

namespace fs = std::filesystem;

std::string because(const char* what, int code) {
  return std::string(what) + " (" + std::strerror(code) + ")";
}

// Writes all bytes to an open stream and flushes it; 0 or the errno.
int writeAll(std::FILE* file, const std::string& bytes) {
  errno = 0;
  const bool ok =
      std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size() && std::fflush(file) == 0;
  const int error = ok ? 0 : (errno ? errno : EIO);
  return std::fclose(file) == 0 || error ? error : (errno ? errno : EIO);
}

// A device or FIFO: written as it is. A FIFO is opened without blocking, so
// one that nobody reads fails instead of hanging.
std::string writeDirectly(const std::string& path, const std::string& bytes) {
#if defined(_WIN32)
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return because("the file cannot be opened", errno);
#else
  const int fd = ::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) return because("the file cannot be opened", errno);
  ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  std::FILE* file = ::fdopen(fd, "wb");
  if (!file) {
    const int error = errno;
    ::close(fd);
    return because("the file cannot be opened", error);
  }
#endif
  const int error = writeAll(file, bytes);
  return error ? because("writing failed", error) : std::string();
}

// No temporary file beside it: the existing file is truncated and written.
std::string writeInPlace(const std::string& path, const std::string& bytes, int createError) {
  std::FILE* file = std::fopen(path.c_str(), "r+b");
  if (!file) return because("cannot create a file in its folder", createError);
  std::fclose(file);
  file = std::fopen(path.c_str(), "wb");
  if (!file) return because("cannot create a file in its folder", createError);
  const int error = writeAll(file, bytes);
  return error ? because("writing failed", error) : std::string();
}

// Creates ".NAME.vellacore-XXXXXX" beside `target`, never reusing a name.
std::FILE* createTemporary(const fs::path& target, std::string& temporary, int& error) {
  static const char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  // Seeded once per thread: opening the random device for every file costs
  // more than writing a small report. "x" below makes a clash harmless.
  thread_local std::mt19937 random(std::random_device{}());
  error = EEXIST;
  for (int attempt = 0; attempt < 32 && error == EEXIST; ++attempt) {
    std::string suffix;
    for (int i = 0; i < 6; ++i) suffix += kLetters[random() % (sizeof kLetters - 1)];
    temporary = (target.parent_path() / ("." + target.filename().string() + ".vellacore-" + suffix))
                    .string();
    errno = 0;
    if (std::FILE* file = std::fopen(temporary.c_str(), "wbx")) return file;
    error = errno ? errno : EIO;
  }
  return nullptr;
}

}  // namespace

std::string saveFileAtomically(const std::string& path, const std::string& bytes) {
  std::error_code ec;
  fs::path target = path;
  // Through a link the file it names is replaced; the link stays.
  if (fs::is_symlink(target, ec)) {
    const fs::path resolved = fs::weakly_canonical(target, ec);
    if (!ec) target = resolved;
  }
  const fs::file_status old = fs::status(target, ec);
  const bool exists = fs::exists(old);
  if (exists && !fs::is_regular_file(old) && !fs::is_directory(old))
    return writeDirectly(target.string(), bytes);

  std::string temporary;
  int createError = 0;
  std::FILE* file = createTemporary(target, temporary, createError);
  if (!file) {
    if (exists && fs::is_regular_file(old))
      return writeInPlace(target.string(), bytes, createError);
    return because("cannot create a file in its folder", createError);
  }
  const int writeError = writeAll(file, bytes);
  if (writeError) {
    fs::remove(temporary, ec);
    return because("writing failed", writeError);
  }
  if (exists) fs::permissions(temporary, old.permissions(), ec);
  fs::rename(temporary, target, ec);
  if (ec) {
    std::error_code ignored;
    fs::remove(temporary, ignored);
    return "the file cannot be replaced (" + ec.message() + ")";
  }
  return std::string();
}

}  // namespace vc
