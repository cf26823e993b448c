// Reduced stiffness and compliance of every material, and their rotations
// into laminate axes for every layer.
#pragma once

#include "engine/laminate_data.h"

namespace vc {

// Q, SMatrix and traceQ of materials 1..numMaterials.
void computeMaterialMatrices(LaminateData& d);
// QBar and SBar of layers 1..numLayers (needs the material matrices).
void computeLayerMatrices(LaminateData& d);
// Both passes, materials first.
void computeLaminaMatrices(LaminateData& d);

}  // namespace vc
