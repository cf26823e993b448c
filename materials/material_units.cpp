#include "materials/material_units.h"

#include <cmath>

namespace vc {

namespace {

// psi -> Pa for showing and storing.
constexpr double kPaPerPsiShown = 6896.55;
// psi -> Pa for copying into the pages, applied as a division.
constexpr double kPsiPerPaCopied = 0.000145;
// per degree F -> per degree C.
constexpr double kFahrenheitPerCelsius = 1.8;

}  // namespace

bool isStressProperty(MaterialProperty property) {
  switch (property) {
    case kE1:
    case kE2:
    case kG12:
    case kXt:
    case kXc:
    case kYt:
    case kYc:
    case kS:
      return true;
    default:
      return false;
  }
}

bool isThermalExpansionProperty(MaterialProperty property) {
  return property == kCTE1 || property == kCTE2;
}

double finiteOrZero(double value) { return std::isfinite(value) ? value : 0.0; }

double metricForDisplay(MaterialProperty property, double englishValue) {
  if (isStressProperty(property)) return finiteOrZero(englishValue * kPaPerPsiShown);
  if (isThermalExpansionProperty(property))
    return finiteOrZero(englishValue * kFahrenheitPerCelsius);
  return finiteOrZero(englishValue);
}

double englishFromMetricEntry(MaterialProperty property, double metricValue) {
  if (isStressProperty(property)) return finiteOrZero(metricValue / kPaPerPsiShown);
  if (isThermalExpansionProperty(property))
    return finiteOrZero(metricValue / kFahrenheitPerCelsius);
  return finiteOrZero(metricValue);
}

double metricForCopy(MaterialProperty property, double englishValue) {
  if (isStressProperty(property)) return finiteOrZero(englishValue / kPsiPerPaCopied);
  if (isThermalExpansionProperty(property))
    return finiteOrZero(englishValue * kFahrenheitPerCelsius);
  return finiteOrZero(englishValue);
}

const char* unitLabel(MaterialProperty property, MaterialUnits units) {
  const bool metric = units == MaterialUnits::Metric;
  if (isStressProperty(property)) return metric ? "Pa" : "psi";
  if (isThermalExpansionProperty(property)) return metric ? "m/m/C" : "in/in/F";
  if (property == kCME1 || property == kCME2) return metric ? "m/m" : "in/in";
  return "";
}

}  // namespace vc
