// The temporary file never reuses an existing name, keeps the permissions of
// the file it replaces and is removed again when anything fails.

#include "fileio/atomic_save.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>
#include <string>
#include <system_error>

namespace vc {

namespace {

std::string errnoText(int code) { return std::strerror(code); }

}  // namespace

std::string saveFileAtomically(const std::string& path, const std::string& text) {
  namespace fs = std::filesystem;
  std::random_device random;
  std::string temporary;
  std::FILE* file = nullptr;
  int openError = 0;
  for (int attempt = 0; attempt < 16 && !file; ++attempt) {
    char digits[9];
    std::snprintf(digits, sizeof digits, "%08x", static_cast<unsigned>(random()));
    temporary = path + "." + digits + ".tmp";
    errno = 0;
    file = std::fopen(temporary.c_str(), "wbx");  // never reuses an existing file
    openError = errno;
    if (!file && openError != EEXIST) break;
  }
  if (!file) return "cannot create a file in its folder (" + errnoText(openError) + ")";

  errno = 0;
  const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size() &&
                       std::fflush(file) == 0;
  const int writeError = errno;
  const bool closed = std::fclose(file) == 0;
  std::error_code ec;
  if (!written || !closed) {
    fs::remove(temporary, ec);
    return "writing failed (" + errnoText(writeError ? writeError : EIO) + ")";
  }
  // Keep the permissions of the file that is replaced.
  const fs::file_status old = fs::status(path, ec);
  if (!ec && fs::is_regular_file(old)) fs::permissions(temporary, old.permissions(), ec);
  ec.clear();
  fs::rename(temporary, path, ec);
  if (ec) {
    std::error_code ignored;
    fs::remove(temporary, ignored);
    return "the file cannot be replaced (" + ec.message() + ")";
  }
  return std::string();
}


}  // namespace vc
