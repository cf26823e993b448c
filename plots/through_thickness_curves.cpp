#include "plots/through_thickness_curves.h"

#include "engine/through_thickness_view.h"

namespace vc {

namespace {

struct QuantityRow {
  const char* listName;
  const char* valueTitle;
  const char* names[3];
};

const QuantityRow kQuantities[kThicknessQuantityCount] = {
    {"Stresses \u03c3X, \u03c3Y, \u03c4XY (laminate axes)",
     "Stress, laminate axes",
     {"\u03c3X", "\u03c3Y", "\u03c4XY"}},
    {"Stresses \u03c31, \u03c32, \u03c412 (material axes)",
     "Stress, material axes",
     {"\u03c31", "\u03c32", "\u03c412"}},
    {"Strains \u03b5X, \u03b5Y, \u03b3XY (laminate axes)",
     "strain, laminate axes",
     {"\u03b5X", "\u03b5Y", "\u03b3XY"}},
    {"Strains \u03b51, \u03b52, \u03b312 (material axes)",
     "strain, material axes",
     {"\u03b51", "\u03b52", "\u03b312"}},
};

// The triple of a surface that a quantity plots (components 1..3).
const double* valuesOf(const SurfaceResults& r, ThicknessQuantity q, bool totalStrains) {
  switch (q) {
    case ThicknessQuantity::StressesLaminateAxes:
      return r.stressXY;
    case ThicknessQuantity::StressesMaterialAxes:
      return r.stress12;
    case ThicknessQuantity::StrainsLaminateAxes:
      return totalStrains ? r.strainXY : r.effStrainXY;
    case ThicknessQuantity::StrainsMaterialAxes:
      return totalStrains ? r.strain12 : r.effStrain12;
  }
  return r.stressXY;
}

bool isStrain(ThicknessQuantity q) {
  return q == ThicknessQuantity::StrainsLaminateAxes || q == ThicknessQuantity::StrainsMaterialAxes;
}

}  // namespace

const char* thicknessQuantityName(ThicknessQuantity quantity) {
  return kQuantities[static_cast<int>(quantity)].listName;
}

ThroughThicknessCurves throughThicknessCurves(const LaminateData& d, ThicknessQuantity quantity) {
  const QuantityRow& row = kQuantities[static_cast<int>(quantity)];
  ThroughThicknessCurves out;
  out.valueTitle = row.valueTitle;
  if (isStrain(quantity))
    out.valueTitle = (d.showTotalStrains ? "Total " : "Effective ") + out.valueTitle;
  out.curves.resize(3);
  for (int c = 0; c < 3; ++c) out.curves[c].name = row.names[c];
  const ThroughThicknessView view(d);
  for (int i = 0; i < view.pointCount(); ++i) {
    const ThicknessPoint p = view.point(i);
    const double* values = valuesOf(*p.results, quantity, d.showTotalStrains);
    for (int c = 0; c < 3; ++c) out.curves[c].points.push_back({values[c + 1], p.z});
  }
  return out;
}

}  // namespace vc
