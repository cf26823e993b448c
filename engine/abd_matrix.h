// Interface coordinates and the laminate ABD stiffness matrix.
#pragma once

#include "engine/laminate_data.h"

namespace vc {

// z[0..numLayers] from the total thickness and the ply thicknesses, then
// ABD from the layer QBar matrices.
void computeABD(LaminateData& d);

}  // namespace vc
