#include "plots/ply_bands.h"

#include <cmath>
#include <cstdio>

#include "engine/angle_units.h"
#include "engine/engine_bounds.h"

namespace vc {

std::vector<PlyBand> plyBands(const LaminateData& d) {
  std::vector<PlyBand> bands;
  for (int k = 1; k <= layerLoopCount(d); ++k) {
    bands.push_back({k, d.MatID[k], degreesFromRadians(d.angle[k]), d.z[k - 1], d.z[k]});
  }
  return bands;
}

std::string angleText(double angleDeg) {
  // Degrees come back from radians with a last-digit error (45.00000000000001);
  // six significant digits show every angle a page can hold.
  double shown = angleDeg;
  if (std::fabs(shown) < 5e-7) shown = 0.0;
  char text[32];
  std::snprintf(text, sizeof text, "%.6g\u00b0", shown);
  return text;
}

std::string plyBandLabel(const PlyBand& band) {
  return angleText(band.angleDeg) + "  mat " + std::to_string(band.material);
}

}  // namespace vc
