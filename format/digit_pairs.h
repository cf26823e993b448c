// "00" to "99" in one string: number writers put two digits at a time,
// halving their divisions. Private to format/.
#pragma once

#include <cstring>

namespace vc {

inline constexpr char kDigitPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

// The two digits of `n` (below 100) at `out`.
inline void putTwoDigits(unsigned n, char* out) { std::memcpy(out, kDigitPairs + 2 * n, 2); }

}  // namespace vc
