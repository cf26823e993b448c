// The plies of the stack as bands of z, bottom to top, for drawing the
// layup to scale and for shading the plies behind through-thickness plots.
#pragma once

#include <string>
#include <vector>

#include "engine/laminate_data.h"

namespace vc {

struct PlyBand {
  int layer = 0;     // 1..numLayers, 1 at the bottom
  int material = 0;  // the layer's material number
  double angleDeg = 0.0;
  double zBottom = 0.0, zTop = 0.0;
};

// The bands of a record after a run (z and angles in radians in place).
std::vector<PlyBand> plyBands(const LaminateData& d);

// The ply angle as it is read: "45°", "-22.5°", "0°" (never "-0°").
std::string angleText(double angleDeg);

// "45°  mat 2": the angle and the material number of a band.
std::string plyBandLabel(const PlyBand& band);

}  // namespace vc
