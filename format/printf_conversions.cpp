// The general conversions of number text: every flag, width and precision.
//
// A real value is rounded directly where the digits can be decided (see
// format/decimal_digits.h), else written by std::to_chars, else by the C
// library's snprintf (without its field width); the text is then put right:
// the exponent of e/E/g/G conversions is widened to three digits, a locale
// decimal point is turned back into '.', infinities and NaN get fixed
// spellings, and finally the field width is applied here, so that the wider
// exponent is absorbed by the padding instead of widening the field.
#include "format/conversion.h"

#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>
#include <system_error>

#include "format/decimal_digits.h"
#include "format/text_sink.h"

namespace vc {
namespace {

// Builds the snprintf format for one conversion, without the field width.
void buildFormat(const Conversion& s, char* fmt) {
  char* p = fmt;
  *p++ = '%';
  if (s.plus) *p++ = '+';
  if (s.space) *p++ = ' ';
  if (s.alt) *p++ = '#';
  if (s.precision >= 0) {
    *p++ = '.';
    *p++ = '*';
  }
  *p++ = s.conv;
  *p = '\0';
}

// Runs snprintf for a single value into `buf`, using `heap` when the text
// does not fit the local buffer. Returns the text and its length.
template <typename T>
const char* runOne(const char* fmt, const Conversion& s, T value, char* buf, std::size_t bufSize,
                   std::string& heap, std::size_t& len) {
  int n;
  if (s.precision >= 0)
    n = std::snprintf(buf, bufSize, fmt, s.precision, value);
  else
    n = std::snprintf(buf, bufSize, fmt, value);
  if (n < 0) {
    len = 0;
    return buf;
  }
  if (static_cast<std::size_t>(n) < bufSize) {
    len = static_cast<std::size_t>(n);
    return buf;
  }
  heap.assign(static_cast<std::size_t>(n) + 1, '\0');
  if (s.precision >= 0)
    std::snprintf(&heap[0], heap.size(), fmt, s.precision, value);
  else
    std::snprintf(&heap[0], heap.size(), fmt, value);
  heap.resize(static_cast<std::size_t>(n));
  len = heap.size();
  return heap.data();
}

// Conversions whose text std::to_chars produces exactly: no sign or '#'
// flags and a precision that keeps the text short.
bool shortestRoundTripFree(const Conversion& s) {
  return !s.plus && !s.space && !s.alt && s.precision <= 60;
}

// The report's own conversions (e, E, f, F, g, G without sign flags), rounded and
// written straight into their field, digit for digit as printf writes them.
// Returns false, having written nothing, when the value needs the exact
// fallback.
bool appendRounded(TextSink& out, const Conversion& s, double value) {
  const bool scientific = s.conv == 'e' || s.conv == 'E';
  const bool general = s.conv == 'g' || s.conv == 'G';
  if ((!scientific && !general && s.conv != 'f' && s.conv != 'F') || s.plus || s.space || s.alt ||
      s.width > 256)
    return false;
  const int precision = precisionOf(s);
  // Signs come in no pattern; fabs and signbit keep them off the branches.
  // (The caller has already turned a negative zero into zero.)
  const bool negative = std::signbit(value);
  const double magnitude = std::fabs(value);
  RoundedDecimal rounded;
  if (!(scientific ? roundScientific(magnitude, precision, rounded)
        : general  ? roundGeneral(magnitude, precision, rounded)
                   : roundFixed(magnitude, precision, rounded)))
    return false;
  const std::size_t len = static_cast<std::size_t>(rounded.length) + (negative ? 1 : 0);
  const std::size_t width = static_cast<std::size_t>(s.width);
  const std::size_t pad = width > len ? width - len : 0;
  char* p = out.room(len + pad);
  const char fill = s.zero && !s.left ? '0' : ' ';
  if (!s.left && fill == ' ') {
    // The report's right-aligned fields: blanks across the whole field, then
    // the sign and the digits in place, so that the sign and the padding's
    // length (which follow the data) cost no branch.
    for (std::size_t i = 0; i < width; ++i) p[i] = ' ';
    p += pad;
    p[0] = negative ? '-' : ' ';  // a blank is overwritten by the first digit
    p += negative ? 1 : 0;
  } else if (negative) {
    *p++ = '-';
  }
  if (!s.left && fill == '0')
    for (std::size_t i = 0; i < pad; ++i) *p++ = '0';
  if (scientific)
    writeScientific(rounded, precision, s.conv, p);
  else if (general)
    writeGeneral(rounded, s.conv == 'G' ? 'E' : 'e', p);
  else
    writeFixed(rounded, precision, p);
  p += rounded.length;
  if (s.left)
    for (std::size_t i = 0; i < pad; ++i) *p++ = ' ';
  out.commit(len + pad);
  return true;
}

// The conversions and values the direct path leaves: to_chars, else printf
// with the program's conventions applied afterwards. Kept out of line so that
// the direct path stays small.
#if defined(__GNUC__)
__attribute__((noinline))
#endif
void appendRealExactly(TextSink& out, const Conversion& s, double value) {
  const bool upper = s.conv == 'F' || s.conv == 'E' || s.conv == 'G';
  if (!std::isfinite(value)) {
    char text[8];
    std::size_t n = 0;
    if (std::signbit(value))
      text[n++] = '-';
    else if (s.plus)
      text[n++] = '+';
    else if (s.space)
      text[n++] = ' ';
    const char* word = std::isnan(value) ? (upper ? "NAN" : "nan") : (upper ? "INF" : "inf");
    for (int i = 0; i < 3; ++i) text[n++] = word[i];
    appendPadded(out, s, text, n, false);
    return;
  }
  char local[400];
  std::string big;
  char* t = local;
  std::size_t len = 0;
  const int precision = precisionOf(s);
  if (shortestRoundTripFree(s)) {
    // Fast path: std::to_chars gives the same correctly rounded digits as
    // printf, without the locale and several times faster.
    const std::chars_format form = (s.conv == 'e' || s.conv == 'E') ? std::chars_format::scientific
                                   : (s.conv == 'f' || s.conv == 'F') ? std::chars_format::fixed
                                                                      : std::chars_format::general;
    const std::to_chars_result r =
        std::to_chars(local, local + sizeof local - 8, value, form, precision);
    if (r.ec == std::errc()) {
      len = static_cast<std::size_t>(r.ptr - local);
      if (upper) {
        for (std::size_t i = 0; i < len; ++i)
          if (t[i] == 'e') t[i] = 'E';
      }
    }
  }
  if (len == 0) {
    char fmt[16];
    buildFormat(s, fmt);
    char buf[128];
    std::string heap;
    const char* text = runOne(fmt, s, value, buf, sizeof buf, heap, len);

    // Work on a small editable copy: locale point and exponent fix-ups.
    if (len + 8 <= sizeof local) {
      std::memcpy(local, text, len);
      t = local;
    } else {
      big.assign(text, len);
      big.append(8, '\0');
      t = &big[0];
    }

    // A locale with another decimal point: replace it by '.'.
    const char* point = std::localeconv()->decimal_point;
    if (point && !(point[0] == '.' && point[1] == '\0') && point[0] != '\0') {
      std::size_t plen = std::strlen(point);
      for (std::size_t i = 0; i + plen <= len; ++i) {
        if (std::memcmp(t + i, point, plen) == 0) {
          t[i] = '.';
          std::memmove(t + i + 1, t + i + plen, len - i - plen);
          len -= plen - 1;
          break;
        }
      }
    }
  }

  // Exponent with exactly three digits (more only if the value needs it).
  if ((s.conv == 'e' || s.conv == 'E' || s.conv == 'g' || s.conv == 'G')) {
    for (std::size_t i = 0; i < len; ++i) {
      if (t[i] == 'e' || t[i] == 'E') {
        std::size_t digits = i + 2;  // after 'e' and its sign
        std::size_t count = len - digits;
        if (count < 3) {
          std::size_t add = 3 - count;
          std::memmove(t + digits + add, t + digits, count);
          std::memset(t + digits, '0', add);
          len += add;
        }
        break;
      }
    }
  }
  appendPadded(out, s, t, len, s.zero && !s.left);
}

}  // namespace

void appendPadded(TextSink& out, const Conversion& s, const char* body, std::size_t len,
                  bool zeroPad) {
  std::size_t width = s.width > 0 ? static_cast<std::size_t>(s.width) : 0;
  if (len >= width) {
    out.append(body, len);
    return;
  }
  std::size_t pad = width - len;
  if (s.left) {
    out.append(body, len);
    out.append(pad, ' ');
  } else if (zeroPad) {
    std::size_t lead = 0;
    if (len > 0 && (body[0] == '-' || body[0] == '+' || body[0] == ' ')) lead = 1;
    if (len >= lead + 2 && body[lead] == '0' && (body[lead + 1] == 'x' || body[lead + 1] == 'X'))
      lead += 2;
    out.append(body, lead);
    out.append(pad, '0');
    out.append(body + lead, len - lead);
  } else {
    out.append(pad, ' ');
    out.append(body, len);
  }
}

void appendRealGenerally(TextSink& out, const Conversion& s, double value) {
  if (std::isfinite(value)) {
    value += 0.0;  // drops the sign of a negative zero (-0 + 0 is +0), without a branch
    if (appendRounded(out, s, value)) return;
  }
  appendRealExactly(out, s, value);
}

void appendIntegerGenerally(TextSink& out, const Conversion& s, int value) {
  if (!s.plus && !s.space && s.precision < 0) {
    char text[16];
    const std::to_chars_result r = std::to_chars(text, text + sizeof text, value);
    appendPadded(out, s, text, static_cast<std::size_t>(r.ptr - text), s.zero && !s.left);
    return;
  }
  char fmt[16];
  buildFormat(s, fmt);
  char buf[128];
  std::string heap;
  std::size_t len = 0;
  const char* text = runOne(fmt, s, value, buf, sizeof buf, heap, len);
  // '0' is ignored with a precision, as in printf.
  appendPadded(out, s, text, len, s.zero && !s.left && s.precision < 0);
}

}  // namespace vc
