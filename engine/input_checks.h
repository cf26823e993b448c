// The input checks of an analysis run, each a plain test on the record.
#pragma once

#include "engine/laminate_data.h"

namespace vc {

// Counts the engine can work with: 1..10 materials, 0..100 layers.
bool countsWithinLimits(const LaminateData& d);
// E1, E2 or G12 of some material is zero (+0 or -0).
bool someModulusZero(const LaminateData& d);
// CTE1, CTE2 or CME2 of some material is zero (CME1 takes no part).
bool someExpansionZero(const LaminateData& d);
// Some layer names a material outside 1..numMaterials.
bool someMaterialIdInvalid(const LaminateData& d);
// Xt, Xc, Yt, Yc or S of some material is zero.
bool someStrengthZero(const LaminateData& d);
// numLayers >= 1 and every layer has the material of layer 1.
bool singleMaterialStack(const LaminateData& d);

}  // namespace vc
