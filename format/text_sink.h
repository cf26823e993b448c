// A buffer in front of a string: text gathered here reaches the string in
// large appends rather than one per field and padding run. Used by appendf,
// and by report tables that write many rows through one sink (with the
// sink-taking appendFields and appendInteger of format/number_text.h).
// Nothing else may append to the string while its sink lives; the text is
// complete when the sink is destroyed.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string>

namespace vc {

class TextSink {
 public:
  explicit TextSink(std::string& out) : out_(out) {}
  TextSink(const TextSink&) = delete;
  TextSink& operator=(const TextSink&) = delete;
  ~TextSink() { flush(); }

  void append(const char* text, std::size_t n) {
    if (n > sizeof buffer_ - used_) {
      flush();
      if (n > sizeof buffer_) {
        out_.append(text, n);
        return;
      }
    }
    std::memcpy(buffer_ + used_, text, n);
    used_ += n;
  }
  template <std::size_t N>
  void append(const char (&literal)[N]) {
    append(literal, N - 1);
  }
  void append(std::size_t n, char c) {
    if (n <= sizeof buffer_ - used_) {  // padding runs are short
      for (std::size_t i = 0; i < n; ++i) buffer_[used_ + i] = c;
      used_ += n;
      return;
    }
    while (n > 0) {
      if (used_ == sizeof buffer_) flush();
      const std::size_t room = std::min(n, sizeof buffer_ - used_);
      std::memset(buffer_ + used_, c, room);
      used_ += room;
      n -= room;
    }
  }
  // Room for `n` characters (at most the buffer's size), to be filled by the
  // caller and then counted in with commit().
  char* room(std::size_t n) {
    if (n > sizeof buffer_ - used_) flush();
    return buffer_ + used_;
  }
  void commit(std::size_t n) { used_ += n; }
  void push_back(char c) {
    if (used_ == sizeof buffer_) flush();
    buffer_[used_++] = c;
  }

 private:
  void flush() {
    out_.append(buffer_, used_);
    used_ = 0;
  }

  std::string& out_;
  char buffer_[1024];
  std::size_t used_ = 0;
};

}  // namespace vc
