// printf-style number text with fixed, platform-independent conventions:
// the format parser, and the report's plain fields ("%W.Pe", "%W.Pf",
// "%Wd") written whole; every other conversion is left to the general
// writers of format/conversion.h.
#include "format/number_text.h"

#include <algorithm>
#include <charconv>
#include <cstdarg>
#include <cstring>

#include "format/conversion.h"
#include "format/decimal_digits.h"
#include "format/plain_fields.h"
#include "format/text_sink.h"

namespace vc {
namespace {

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
  appendIntegerGenerally(out, s, value);
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
  appendFields(sink, conversion, width, precision, values);
}

void appendInteger(TextSink& out, int value, int width) {
  Conversion s;
  s.width = width;
  s.conv = 'd';
  appendInteger(out, s, value);
}

void appendFields(TextSink& sink, char conversion, int width, int precision,
                  std::initializer_list<double> values) {
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