// Numbers as the input pages show and read them.
#include <cstring>

#include "format/number_scan.h"
#include "format/number_text.h"

namespace vc {

std::string pageNumberText(double value) {
  std::string out;
  appendf(out, "%.5g", value);
  return out;
}

double readPageReal(const char* text) {
  if (!text) return 0.0;
  while (isBlankChar(*text)) ++text;
  double value = 0.0;
  scanReal(text, text + std::strlen(text), value, false);
  return value;
}

double readPageReal(const std::string& text) { return readPageReal(text.c_str()); }

int readPageInt(const char* text) {
  if (!text) return 0;
  while (isBlankChar(*text)) ++text;
  int value = 0;
  scanWhole(text, text + std::strlen(text), value);
  return value;
}

int readPageInt(const std::string& text) { return readPageInt(text.c_str()); }

}  // namespace vc
