#include "format/shortest_digits.h"

#include <charconv>
#include <cstdint>
#include <cstring>

#include "format/decimal_scaling.h"
#include "format/digit_pairs.h"

#if defined(_MSC_VER) && defined(_M_X64) && !defined(__SIZEOF_INT128__)
#include <intrin.h>
#endif

namespace vc {
namespace {

constexpr int kQMin = -1074;                 // the exponent of the least subnormal
constexpr std::uint64_t kCMin = 1ULL << 52;  // the hidden bit
constexpr std::uint64_t kMask63 = (1ULL << 63) - 1;
constexpr int kKMin = -324;

struct Power {
  std::uint64_t g1, g0;  // floor(10^-k 2^-r) + 1, in upper and lower 63 bits
};
constexpr Power kPowers[] = {
#include "format/shortest_powers.inc"
};

#if defined(__SIZEOF_INT128__)
// Not ISO C++, but in every 64-bit GCC and Clang; __extension__ says so.
__extension__ typedef unsigned __int128 Wide;
#endif

// The upper 64 bits of a b.
std::uint64_t multiplyHigh(std::uint64_t a, std::uint64_t b) {
#if defined(__SIZEOF_INT128__)
  return static_cast<std::uint64_t>((static_cast<Wide>(a) * b) >> 64);
#elif defined(_MSC_VER) && defined(_M_X64)
  return __umulh(a, b);
#else
  const std::uint64_t aLow = a & 0xFFFFFFFFu, aHigh = a >> 32;
  const std::uint64_t bLow = b & 0xFFFFFFFFu, bHigh = b >> 32;
  const std::uint64_t low = aLow * bLow, middle1 = aHigh * bLow, middle2 = aLow * bHigh;
  const std::uint64_t carry =
      ((low >> 32) + (middle1 & 0xFFFFFFFFu) + (middle2 & 0xFFFFFFFFu)) >> 32;
  return aHigh * bHigh + (middle1 >> 32) + (middle2 >> 32) + carry;
#endif
}

// (g cp) / 2^127 rounded to odd, g = g1 2^63 + g0.
std::uint64_t roundToOdd(const Power& g, std::uint64_t cp) {
  const std::uint64_t x1 = multiplyHigh(g.g0, cp);
  const std::uint64_t y0 = g.g1 * cp;
  const std::uint64_t y1 = multiplyHigh(g.g1, cp);
  const std::uint64_t z = (y0 >> 1) + x1;
  const std::uint64_t vbp = y1 + (z >> 63);
  return vbp | (((z & kMask63) + kMask63) >> 63);
}

// floor(q log10 2), floor(q log10 (3/4 2^q)) and floor(e log2 10), exact over
// the exponents of doubles. (An arithmetic shift floors negative values.)
int floorLog10Pow2(int q) { return static_cast<int>((q * 661971961083LL) >> 41); }
int floorLog10ThreeQuartersPow2(int q) {
  return static_cast<int>((q * 661971961083LL - 274743187321LL) >> 41);
}
int floorLog2Pow10(int e) { return static_cast<int>((e * 913124641741LL) >> 38); }

struct Decimal {
  std::uint64_t digits;
  int exponent;  // the value is digits 10^exponent
};

// The shortest decimal in the rounding interval of c 2^q.
Decimal toDecimal(int q, std::uint64_t c) {
  const std::uint64_t out = c & 1;  // an even c keeps the interval's ends
  const std::uint64_t cb = c << 2;
  const std::uint64_t cbr = cb + 2;
  std::uint64_t cbl;
  int k;
  if (c != kCMin || q == kQMin) {
    cbl = cb - 2;
    k = floorLog10Pow2(q);
  } else {  // at a power of two the interval below is half as wide
    cbl = cb - 1;
    k = floorLog10ThreeQuartersPow2(q);
  }
  const int h = q + floorLog2Pow10(-k) + 2;
  const Power& g = kPowers[k - kKMin];
  const std::uint64_t vb = roundToOdd(g, cb << h);
  const std::uint64_t vbl = roundToOdd(g, cbl << h);
  const std::uint64_t vbr = roundToOdd(g, cbr << h);
  const std::uint64_t s = vb >> 2;
  if (s >= 100) {
    // One digit fewer: s rounded down and up to a multiple of ten.
    const std::uint64_t sp10 = 10 * multiplyHigh(s, 115292150460684698ULL << 4);
    const std::uint64_t tp10 = sp10 + 10;
    const bool upin = vbl + out <= sp10 << 2;
    const bool wpin = (tp10 << 2) + out <= vbr;
    if (upin != wpin) return {upin ? sp10 : tp10, k};
  }
  const std::uint64_t t = s + 1;
  const bool uin = vbl + out <= s << 2;
  const bool win = (t << 2) + out <= vbr;
  if (uin != win) return {uin ? s : t, k};
  // Both in: the nearer, and on a tie the even one.
  const std::int64_t cmp = static_cast<std::int64_t>(vb - ((s + t) << 1));
  return {cmp < 0 || (cmp == 0 && (s & 1) == 0) ? s : t, k};
}

// For the bits of a normal, positive double.
Decimal shortestDecimal(std::uint64_t bits) {
  const int mq = -kQMin + 1 - static_cast<int>(bits >> 52);
  const std::uint64_t c = kCMin | (bits & (kCMin - 1));
  if (0 < mq && mq < 53) {  // a whole number below 2^53 is its own digits
    const std::uint64_t whole = c >> mq;
    if (whole << mq == c) return {whole, 0};
  }
  return toDecimal(-mq, c);
}

}  // namespace

char* writeShortest(char* first, double value) {
  std::uint64_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  char* out = first;
  if (bits >> 63) *out++ = '-';
  bits &= ~(1ULL << 63);
  // Infinities and NaN keep the library's spelling. Below the least normal
  // double the rounding interval is wide enough to hold numbers two digits
  // shorter than the scaled value, which the one-digit-fewer step does not
  // look for; such values are rare enough to leave to the library.
  if (bits >= 0x7FF0000000000000ULL || (bits != 0 && bits < kCMin))
    return std::to_chars(first, first + kShortestRoom, value).ptr;
  if (bits == 0) {
    *out = '0';
    return out + 1;
  }
  Decimal d = shortestDecimal(bits);
  while (d.digits % 10 == 0) {  // the shortest digits end in a non-zero one
    d.digits /= 10;
    ++d.exponent;
  }
  const int count = decimalDigitCount(d.digits);
  char digits[20];
  putDigits(d.digits, count, digits);
  const int x = d.exponent + count - 1;  // the exponent of the first digit
  const int absX = x < 0 ? -x : x;
  const int scientificLength = count + (count > 1 ? 1 : 0) + 2 + (absX >= 100 ? 3 : 2);
  const int fixedLength = x < 0 ? count + 1 - x : count <= x + 1 ? x + 1 : count + 1;
  if (fixedLength <= scientificLength) {
    // From 1e16 on, whole numbers are written with all their digits, which
    // the library works out exactly.
    if (x >= 16) return std::to_chars(first, first + kShortestRoom, value).ptr;
    if (x < 0) {  // 0.000ddd
      *out++ = '0';
      *out++ = '.';
      for (int i = 1; i < -x; ++i) *out++ = '0';
      std::memcpy(out, digits, static_cast<std::size_t>(count));
      return out + count;
    }
    if (count <= x + 1) {  // ddd000
      std::memcpy(out, digits, static_cast<std::size_t>(count));
      out += count;
      for (int i = count; i <= x; ++i) *out++ = '0';
      return out;
    }
    std::memcpy(out, digits, static_cast<std::size_t>(x + 1));  // dd.ddd
    out += x + 1;
    *out++ = '.';
    std::memcpy(out, digits + x + 1, static_cast<std::size_t>(count - x - 1));
    return out + (count - x - 1);
  }
  *out++ = digits[0];  // d.ddde+XX
  if (count > 1) {
    *out++ = '.';
    std::memcpy(out, digits + 1, static_cast<std::size_t>(count - 1));
    out += count - 1;
  }
  *out++ = 'e';
  *out++ = x < 0 ? '-' : '+';
  if (absX >= 100) {
    *out++ = static_cast<char>('0' + absX / 100);
    putTwoDigits(absX % 100, out);
  } else {
    putTwoDigits(absX, out);
  }
  return out + 2;
}

}  // namespace vc
