#include "datafile/value_scanner.h"

#include <cmath>

#include "format/number_scan.h"

namespace vc {

void ValueScanner::skipSpace() {
  while (p_ != end_ && isBlankChar(*p_)) ++p_;
}

Scan ValueScanner::readInt(int& value) {
  skipSpace();
  if (p_ == end_) return Scan::End;
  int read = 0;
  const char* stop = scanWhole(p_, end_, read);
  if (stop == p_ || (stop != end_ && !isBlankChar(*stop))) return Scan::NotNumber;
  p_ = stop;
  value = read;
  return Scan::Ok;
}

Scan ValueScanner::readReal(double& value) {
  skipSpace();
  if (p_ == end_) return Scan::End;
  double read = 0.0;
  const char* stop = scanReal(p_, end_, read, true);
  if (stop == p_ || (stop != end_ && !isBlankChar(*stop))) return Scan::NotNumber;
  if (!std::isfinite(read)) return Scan::NotFinite;
  p_ = stop;
  value = read;
  return Scan::Ok;
}

std::string ValueScanner::token() const {
  std::string out;
  for (const char* p = p_; p != end_ && !isBlankChar(*p) && out.size() < 24; ++p) {
    const unsigned char c = static_cast<unsigned char>(*p);
    out.push_back(c < 0x20 || c == 0x7f ? '?' : *p);
  }
  return out;
}

}  // namespace vc
