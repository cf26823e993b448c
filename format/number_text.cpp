// printf-style number text with fixed, platform-independent conventions.
//
// Each conversion of the format is handed on its own to the C library's
// snprintf (without its field width), and the result is then put right:
// the exponent of e/E/g/G conversions is widened to three digits, a locale
// decimal point is turned back into '.', infinities and NaN get fixed
// spellings, and finally the field width is applied here, so that the wider
// exponent is absorbed by the padding instead of widening the field.
#include "format/number_text.h"
#include "format/decimal_digits.h"
#include "format/text_sink.h"

#include <algorithm>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <limits>
#include <system_error>

namespace vc {
namespace {

struct Conversion {
  bool left = false;   // '-'
  bool plus = false;   // '+'
  bool space = false;  // ' '
  bool alt = false;    // '#'
  bool zero = false;   // '0'
  int width = 0;
  int precision = -1;  // -1: none given
  char conv = 0;
};

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

// Appends `body` padded to the field width. With the '0' flag (and not '-')
// the zeros go after a leading sign and any "0x" prefix.
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

// printf's precision of a real conversion: 6 when none is given.
int precisionOf(const Conversion& s) { return s.precision < 0 ? 6 : s.precision; }

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

// Every real conversion but the report's plain "%W.Pe" and "%W.Pf" fields.
#if defined(__GNUC__)
__attribute__((noinline))
#endif
void appendRealGenerally(TextSink& out, const Conversion& s, double value) {
  if (std::isfinite(value)) {
    value += 0.0;  // drops the sign of a negative zero (-0 + 0 is +0), without a branch
    if (appendRounded(out, s, value)) return;
  }
  appendRealExactly(out, s, value);
}

// The report's plain fields ("%W.Pe", "%W.Pf"): as many as the fast path
// takes in one step, the others one by one.
void appendPlainFields(TextSink& out, const Conversion& s, const double* values,
                       std::size_t count) {
  constexpr std::size_t kFieldsAtOnce = 16;  // their room fits the sink
  while (count > 0) {
    const std::size_t chunk = std::min(count, kFieldsAtOnce);
    std::size_t length = 0;
    const std::size_t done = plainFields(s.conv, values, chunk, s.width, s.precision,
                                         out.room(chunk * kFieldRoom), length);
    out.commit(length);
    values += done;
    count -= done;
    if (done < chunk) {
      appendRealGenerally(out, s, *values++);
      --count;
    }
  }
}

bool isPlainField(const Conversion& s) {
  return (s.conv == 'e' || s.conv == 'f') && !s.left && !s.zero && !s.plus && !s.space && !s.alt;
}

void appendReal(TextSink& out, const Conversion& s, double value) {
  if (isPlainField(s))
    appendPlainFields(out, s, &value, 1);
  else
    appendRealGenerally(out, s, value);
}

void appendInteger(TextSink& out, const Conversion& s, int value) {
  if (!s.plus && !s.space && !s.left && !s.zero && s.precision < 0 && s.width <= kWidestField) {
    // The report's row numbers ("%4d"): blanks across the room, the digits
    // at the field's end.
    char text[16];
    const std::size_t len =
        static_cast<std::size_t>(std::to_chars(text, text + sizeof text, value).ptr - text);
    const std::size_t width = static_cast<std::size_t>(s.width);
    const std::size_t pad = width > len ? width - len : 0;
    char* const field = out.room(kFieldRoom + sizeof text);
    std::memset(field, ' ', kFieldRoom);
    std::memcpy(field + pad, text, sizeof text);  // a fixed length; what follows len is spare room
    out.commit(pad + len);
    return;
  }
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

void vappendf(std::string& text, const char* format, va_list args) {
  TextSink out(text);
  const char* p = format;
  while (*p) {
    if (*p != '%') {
      const char* start = p;
      while (*p && *p != '%') ++p;
      out.append(start, static_cast<std::size_t>(p - start));
      continue;
    }
    ++p;
    if (*p == '%') {
      out.push_back('%');
      ++p;
      continue;
    }
    Conversion s;
    for (;; ++p) {
      if (*p == '-')
        s.left = true;
      else if (*p == '+')
        s.plus = true;
      else if (*p == ' ')
        s.space = true;
      else if (*p == '#')
        s.alt = true;
      else if (*p == '0')
        s.zero = true;
      else
        break;
    }
    while (*p >= '0' && *p <= '9') {
      if (s.width < 100000) s.width = s.width * 10 + (*p - '0');
      ++p;
    }
    if (*p == '.') {
      ++p;
      int pr = 0;
      while (*p >= '0' && *p <= '9') {
        if (pr < 100000) pr = pr * 10 + (*p - '0');
        ++p;
      }
      s.precision = pr;
    }
    s.conv = *p;
    if (!*p) break;
    ++p;
    switch (s.conv) {
      case 'd':
        appendInteger(out, s, va_arg(args, int));
        break;
      case 's': {
        const char* str = va_arg(args, const char*);
        if (!str) str = "(null)";
        std::size_t n = 0;
        if (s.precision >= 0) {
          while (n < static_cast<std::size_t>(s.precision) && str[n]) ++n;
        } else {
          n = std::strlen(str);
        }
        appendPadded(out, s, str, n, false);
        break;
      }
      case 'f':
      case 'F':
      case 'e':
      case 'E':
      case 'g':
      case 'G':
        appendReal(out, s, va_arg(args, double));
        break;
      default:
        // Unknown conversion: copy it through as written.
        out.push_back('%');
        out.push_back(s.conv);
        break;
    }
  }
}

}  // namespace

void appendf(std::string& out, const char* format, ...) {
  va_list args;
  va_start(args, format);
  vappendf(out, format, args);
  va_end(args);
}

void appendFields(std::string& out, char conversion, int width, int precision,
                  std::initializer_list<double> values) {
  TextSink sink(out);
  Conversion s;
  s.width = width;
  s.precision = precision;
  s.conv = conversion;
  if (isPlainField(s)) {
    appendPlainFields(sink, s, values.begin(), values.size());
  } else {
    for (double value : values) appendRealGenerally(sink, s, value);
  }
}

std::string formatf(const char* format, ...) {
  std::string out;
  va_list args;
  va_start(args, format);
  vappendf(out, format, args);
  va_end(args);
  return out;
}

}  // namespace vc
