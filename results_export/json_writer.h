// A JSON document written as it goes, for the large results documents: the
// numbers go straight into the text in their shortest round-trip form,
// without first building a tree of values. String escaping is left to
// nlohmann-json, which also reads the documents back in the tests.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

namespace vc {

class JsonWriter {
 public:
  // Appends to `out`, with room made for about `expected` characters; the
  // text is complete when the writer is destroyed.
  explicit JsonWriter(std::string& out, std::size_t expected = 4096);
  ~JsonWriter();
  JsonWriter(const JsonWriter&) = delete;
  JsonWriter& operator=(const JsonWriter&) = delete;

  void beginObject();
  void endObject();
  void beginArray();
  void endArray();
  // The next member's name: plain ASCII that needs no escaping.
  JsonWriter& key(const char* name) { return key(name, std::strlen(name)); }
  template <std::size_t N>
  JsonWriter& key(const char (&name)[N]) {
    return key(name, N - 1);
  }

  // The shortest text that reads back to the same double; an integral value
  // keeps a ".0" so that readers see a real number; inf and nan are null.
  void number(double value);
  void integer(long long value);
  void boolean(bool value);
  void null();
  // Any bytes: what is not UTF-8 becomes U+FFFD, so the document stays valid.
  void string(const std::string& value);

  // CR LF after the document.
  void lineEnd();

  // An array of `count` numbers.
  void numbers(const double* values, int count);

 private:
  // Inline, so that a literal name's length is known where it is copied.
  JsonWriter& key(const char* name, std::size_t n) {
    beforeValue();
    char* p = room(n + 3);
    *p++ = '"';
    std::memcpy(p, name, n);
    p[n] = '"';
    p[n + 1] = ':';
    used_ += n + 3;
    afterKey_ = true;
    return *this;
  }
  char* writeNumber(char* start, double value);
  // The text grows inside out_'s own buffer: out_ is kept longer than the
  // text and cut to it at the end, so that each piece is one copy, not one
  // append. (These small steps are inline: a document takes thousands.)
  char* room(std::size_t n) {
    if (out_.size() - used_ < n) grow(n);
    return &out_[used_];
  }
  void grow(std::size_t n);
  void put(const char* text, std::size_t n);
  void putChar(char c) {
    *room(1) = c;
    ++used_;
  }
  // The comma before every value but the first in its array or object.
  void beforeValue() {
    if (afterKey_) {
      afterKey_ = false;
      return;
    }
    if (depth_ > 0 && depth_ <= kMaxDepth) {  // the results documents nest 7 deep
      if (!first_[depth_ - 1]) putChar(',');
      first_[depth_ - 1] = false;
    }
  }
  void open(char bracket);
  void close(char bracket);

  std::string& out_;
  std::size_t used_;  // the length of the text in out_
  static constexpr int kMaxDepth = 32;
  bool first_[kMaxDepth] = {};
  int depth_ = 0;
  bool afterKey_ = false;

  // The text of numbers already written, by bit pattern: nearly half the
  // numbers of a results document repeat one written before (plies of one
  // material and angle, strains equal to the total strains, zeros).
  static constexpr int kCacheBits = 10;
  static constexpr std::size_t kCachedNumbers = std::size_t{1} << kCacheBits;
  static constexpr std::size_t kNumberRoom = 32;  // the longest number text fits
  std::uint64_t cachedBits_[kCachedNumbers];
  char cachedText_[kCachedNumbers][kNumberRoom];
  unsigned char cachedLength_[kCachedNumbers];
};

}  // namespace vc
