// The report's plain number fields written whole, for appendf and
// appendFields. Private to format/.
#pragma once

#include <cstddef>

namespace vc {

// The fields "%W.Pe" or "%W.Pf" (`conversion` 'e' or 'f') of values[0..count),
// one after another in `out`, as far as the fast path takes them: the
// report's precisions (3 and 4 for "e", 0 to 4 for "f"), widths up to
// kWidestField, finite values ("f": below 2^52 / 10^P) whose rounding it can
// decide. Returns how many values were written and sets `length` to their
// text's length. `out` must have room for count * kFieldRoom characters, all
// of which may be overwritten. A negative zero is written as zero.
constexpr int kWidestField = 40;
constexpr std::size_t kFieldRoom = 48;
std::size_t plainFields(char conversion, const double* values, std::size_t count, int width,
                        int precision, char* out, std::size_t& length);

}  // namespace vc
