// The value stream of a data file: whole numbers and reals read one after
// another across blanks and line ends, as "%d" and "%lf" read them.
#pragma once

#include <cstddef>
#include <string>

namespace vc {

// NotNumber: the value is not a whole blank-separated number token;
// NotFinite: it reads as an infinity or NaN (also by overflow).
enum class Scan { Ok, End, NotNumber, NotFinite };

class ValueScanner {
 public:
  ValueScanner(const char* begin, const char* end) : begin_(begin), p_(begin), end_(end) {}

  void skipSpace();
  std::size_t offset() const { return static_cast<std::size_t>(p_ - begin_); }
  const char* here() const { return p_; }
  void moveTo(const char* p) { p_ = p; }
  bool atEnd() const { return p_ == end_; }

  // Blanks are skipped first; End when nothing but blanks is left. A value
  // is a whole token: the number must end at a blank or at the end. Unless
  // the result is Ok the position stays at the start of the token.
  Scan readInt(int& value);
  Scan readReal(double& value);

  // The text at the current position up to the next blank, for messages.
  std::string token() const;

 private:
  const char* begin_;
  const char* p_;
  const char* end_;
};

}  // namespace vc
