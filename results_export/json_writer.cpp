#include "results_export/json_writer.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <nlohmann/json.hpp>

#include "format/shortest_digits.h"

namespace vc {

JsonWriter::JsonWriter(std::string& out, std::size_t expected) : out_(out), used_(out.size()) {
  out_.resize(used_ + expected);
  // A NaN's bits: never those of a number written (non-finite ones are null).
  for (std::uint64_t& bits : cachedBits_) bits = 0x7FF8000000000001ULL;
}

JsonWriter::~JsonWriter() { out_.resize(used_); }

void JsonWriter::grow(std::size_t n) { out_.resize(std::max(2 * out_.size(), used_ + n + 4096)); }

void JsonWriter::put(const char* text, std::size_t n) {
  std::memcpy(room(n), text, n);
  used_ += n;
}

void JsonWriter::open(char bracket) {
  beforeValue();
  putChar(bracket);
  if (depth_ < kMaxDepth) first_[depth_] = true;
  ++depth_;
}

void JsonWriter::close(char bracket) {
  --depth_;
  putChar(bracket);
}

void JsonWriter::beginObject() { open('{'); }
void JsonWriter::endObject() { close('}'); }
void JsonWriter::beginArray() { open('['); }
void JsonWriter::endArray() { close(']'); }

// Writes one number at `start` (kNumberRoom characters of room); returns the
// end of its text.
char* JsonWriter::writeNumber(char* start, double value) {
  if (!std::isfinite(value)) {
    std::memcpy(start, "null", 4);
    return start + 4;
  }
  std::uint64_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  const std::size_t slot =
      static_cast<std::size_t>((bits * 0x9E3779B97F4A7C15ULL) >> (64 - kCacheBits));
  if (cachedBits_[slot] == bits) {
    std::memcpy(start, cachedText_[slot], kNumberRoom);  // the whole slot: one fixed copy
    return start + cachedLength_[slot];
  }
  char* end = writeShortest(start, value);
  // Only a whole value can come out as bare digits ("3", but also "1e+05").
  // (From 2^52 on every double is whole; below it, a round trip through an
  // integer tells, without a call to floor.)
  bool bare = !(std::fabs(value) < 0x1p52) ||
              value == static_cast<double>(static_cast<std::int64_t>(value));
  for (const char* p = start; p < end && bare; ++p) bare = (*p >= '0' && *p <= '9') || *p == '-';
  if (bare) {
    *end++ = '.';
    *end++ = '0';
  }
  cachedBits_[slot] = bits;
  cachedLength_[slot] = static_cast<unsigned char>(end - start);
  // The whole room, in one fixed-length copy: the caller made kNumberRoom
  // characters of room at `start`, of which the text is the first part.
  std::memcpy(cachedText_[slot], start, kNumberRoom);
  return end;
}

void JsonWriter::number(double value) {
  beforeValue();
  char* start = room(kNumberRoom);
  used_ += static_cast<std::size_t>(writeNumber(start, value) - start);
}

void JsonWriter::integer(long long value) {
  beforeValue();
  char* start = room(24);
  used_ += static_cast<std::size_t>(std::to_chars(start, start + 24, value).ptr - start);
}

void JsonWriter::boolean(bool value) {
  beforeValue();
  if (value)
    put("true", 4);
  else
    put("false", 5);
}

void JsonWriter::null() {
  beforeValue();
  put("null", 4);
}

void JsonWriter::string(const std::string& value) {
  beforeValue();
  const std::string quoted =
      nlohmann::json(value).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
  put(quoted.data(), quoted.size());
}

void JsonWriter::lineEnd() { put("\r\n", 2); }

// The vectors and matrix rows that make up most of a document: room made
// once, the separators written in line.
void JsonWriter::numbers(const double* values, int count) {
  beforeValue();
  char* const start = room(2 + kNumberRoom * static_cast<std::size_t>(count));
  char* p = start;
  *p++ = '[';
  for (int i = 0; i < count; ++i) {
    if (i > 0) *p++ = ',';
    p = writeNumber(p, values[i]);
  }
  *p++ = ']';
  used_ += static_cast<std::size_t>(p - start);
}

}  // namespace vc
