#include "engine/input_checks.h"

#include "engine/engine_bounds.h"
#include "engine/first_ply_failure.h"

namespace vc {

bool countsWithinLimits(const LaminateData& d) {
  return d.numMaterials >= 1 && d.numMaterials <= kMaxMaterials && d.numLayers >= 0 &&
         d.numLayers <= kMaxLayers;
}

bool someModulusZero(const LaminateData& d) {
  const int nm = materialLoopCount(d);
  for (int m = 1; m <= nm; ++m)
    if (d.E1[m] == 0.0 || d.E2[m] == 0.0 || d.G12[m] == 0.0) return true;
  return false;
}

bool someExpansionZero(const LaminateData& d) {
  const int nm = materialLoopCount(d);
  for (int m = 1; m <= nm; ++m)
    if (d.CTE1[m] == 0.0 || d.CTE2[m] == 0.0 || d.CME2[m] == 0.0) return true;
  return false;
}

bool someMaterialIdInvalid(const LaminateData& d) {
  const int n = layerLoopCount(d);
  for (int k = 1; k <= n; ++k)
    if (d.MatID[k] < 1 || d.MatID[k] > d.numMaterials) return true;
  return false;
}

bool someStrengthZero(const LaminateData& d) { return !allStrengthsNonZero(d); }

bool singleMaterialStack(const LaminateData& d) {
  const int n = layerLoopCount(d);
  if (n < 1) return false;
  for (int k = 2; k <= n; ++k)
    if (d.MatID[k] != d.MatID[1]) return false;
  return true;
}

}  // namespace vc
