#include "materials/library_entry_text.h"

#include "format/number_text.h"

namespace vc {

namespace {

// The properties box lines: the text before the number and its format.
struct EntryLine {
  const char* lead;
  const char* format;
};

constexpr EntryLine kEntryLines[kMaterialProperties] = {
    {"Tensile Modulus E1 = \t", "%10.3E"},      {"Tensile Modulus E2 = \t", "%10.3E"},
    {"Shear Modulus G12 = \t", "%10.3E"},       {"Poisson's Ratio v12 = \t", "%6.3f"},
    {"Thermal Expansion CTE1 = \t", "%10.3E"},  {"Thermal Expansion CTE2 = \t", "%10.3E"},
    {"Moisture Expansion CME1 = \t", "%6.3f"},  {"Moisture Expansion CME2 = \t", "%6.3f"},
    {"Tensile Strength Xt =     \t", "%10.3E"}, {"Compressive Strength Xc = \t", "%10.3E"},
    {"Tensile Strength Yt =     \t", "%10.3E"}, {"Compressive Strength Yc = \t", "%10.3E"},
    {"Shear Strength S = \t\t", "%10.3E"},
};

bool usesFixedFormat(MaterialProperty property) {
  return property == kV12 || property == kCME1 || property == kCME2;
}

double shown(MaterialProperty property, double english, MaterialUnits units) {
  return units == MaterialUnits::Metric ? metricForDisplay(property, english)
                                        : finiteOrZero(english);
}

double copied(MaterialProperty property, double english, MaterialUnits units) {
  return units == MaterialUnits::Metric ? metricForCopy(property, english) : finiteOrZero(english);
}

std::string editorBoxText(MaterialProperty property, double value) {
  return formatf(usesFixedFormat(property) ? "%-10.4f" : "%10.3E", finiteOrZero(value));
}

}  // namespace

std::string libraryEntryText(const MaterialValues& english, MaterialUnits units, bool builtIn) {
  std::string text;
  for (int i = 0; i < kMaterialProperties; ++i) {
    const auto property = static_cast<MaterialProperty>(i);
    text += kEntryLines[i].lead;
    appendf(text, kEntryLines[i].format, shown(property, english[i], units));
    text += ' ';  // also before the line end of Poisson's ratio, which has no unit
    text += unitLabel(property, units);
    // The metric shear strength line carries a blank before its line end.
    if (property == kS && units == MaterialUnits::Metric) text += ' ';
    text += "\r\n";
  }
  if (builtIn) {
    text += "Note: Some properties may be estimated. See listed source for\r\n";
    text += "details on which properties are known or unknown.\r\n";
  }
  return text;
}

std::array<std::string, 8> libraryMaterialsRowTexts(const MaterialValues& english,
                                                    MaterialUnits units) {
  std::array<std::string, 8> cells;
  for (int i = kE1; i <= kCME2; ++i) {
    const auto property = static_cast<MaterialProperty>(i);
    cells[i] = pageNumberText(copied(property, english[i], units));
  }
  return cells;
}

std::array<std::string, 5> libraryStrengthRowTexts(const MaterialValues& english,
                                                   MaterialUnits units) {
  std::array<std::string, 5> cells;
  for (int i = kXt; i <= kS; ++i) {
    const auto property = static_cast<MaterialProperty>(i);
    cells[i - kXt] = pageNumberText(copied(property, english[i], units));
  }
  return cells;
}

std::array<std::string, kMaterialProperties> userSlotBoxTexts(const MaterialValues& english,
                                                              MaterialUnits units) {
  std::array<std::string, kMaterialProperties> boxes;
  for (int i = 0; i < kMaterialProperties; ++i) {
    const auto property = static_cast<MaterialProperty>(i);
    double value = shown(property, english[i], units);
    if ((property == kXc || property == kYc) && value > 0.0) value = -value;
    boxes[i] = editorBoxText(property, value);
  }
  return boxes;
}

std::array<std::string, kMaterialProperties> editorBoxTextsAsGiven(const MaterialValues& values) {
  std::array<std::string, kMaterialProperties> boxes;
  for (int i = 0; i < kMaterialProperties; ++i)
    boxes[i] = editorBoxText(static_cast<MaterialProperty>(i), values[i]);
  return boxes;
}

std::string editorLabelText(MaterialProperty property, MaterialUnits units) {
  const char* unit = unitLabel(property, units);
  std::string label = materialPropertyName(property);
  if (*unit) label = label + " (" + unit + ")";
  return label + ":";
}

}  // namespace vc
