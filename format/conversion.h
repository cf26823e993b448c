// One printf conversion as the format parser reads it, and the writers of
// its text for every flag, width and precision. Private to format/.
#pragma once

#include <cstddef>

namespace vc {

class TextSink;

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

// printf's precision of a real conversion: 6 when none is given.
inline int precisionOf(const Conversion& s) { return s.precision < 0 ? 6 : s.precision; }

// A real conversion (e E f F g G) of `value`: the direct digits where they
// can decide, else std::to_chars, else the C library, always with the
// program's conventions.
void appendRealGenerally(TextSink& out, const Conversion& s, double value);

// Appends `body` padded to the field width. With the '0' flag (and not '-')
// the zeros go after a leading sign and any "0x" prefix.
void appendPadded(TextSink& out, const Conversion& s, const char* body, std::size_t len,
                  bool zeroPad);

// A "d" conversion of `value`, any flags.
void appendIntegerGenerally(TextSink& out, const Conversion& s, int value);

}  // namespace vc
