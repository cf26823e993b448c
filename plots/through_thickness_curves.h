// Strains or stresses against z, as through-thickness plots draw them: for
// each ply its lower, mid and upper surface, bottom ply first, so that the
// joined points run straight through a ply and jump at each interface.
// Points are (value, z).
#pragma once

#include <string>
#include <vector>

#include "engine/laminate_data.h"
#include "plots/plot_curve.h"

namespace vc {

enum class ThicknessQuantity : int {
  StressesLaminateAxes = 0,  // sigma X, sigma Y, tau XY
  StressesMaterialAxes = 1,  // sigma 1, sigma 2, tau 12
  StrainsLaminateAxes = 2,   // epsilon X, epsilon Y, gamma XY
  StrainsMaterialAxes = 3    // epsilon 1, epsilon 2, gamma 12
};
constexpr int kThicknessQuantityCount = 4;

// The quantity as a list entry names it.
const char* thicknessQuantityName(ThicknessQuantity quantity);

struct ThroughThicknessCurves {
  std::vector<PlotCurve> curves;  // three; no points when the run computed no ply results
  std::string valueTitle;         // the value axis: "Stress, laminate axes", ...
};

// Strains are the total or the effective strains as the run's report shows
// them (showTotalStrains).
ThroughThicknessCurves throughThicknessCurves(const LaminateData& d, ThicknessQuantity quantity);

}  // namespace vc
