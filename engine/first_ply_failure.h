// First-ply-failure strengths of the laminate under uniaxial NX, NY and
// shear NXY: the strain and failure steps run with unit loads of 10000 and
// the minima are scaled back to stresses over the total thickness. The
// run's own load flags and vectors are saved and restored around it.
#pragma once

#include "engine/laminate_data.h"

namespace vc {

// True when every material 1..numMaterials has all five strengths non-zero,
// the condition for computing (and printing) the strength table.
bool allStrengthsNonZero(const LaminateData& d);

// Fills fpfStrength; does nothing when a strength is zero.
void computeFirstPlyFailure(LaminateData& d);

}  // namespace vc
