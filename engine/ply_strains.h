// The strain step: laminate strain vectors from the loads (or the loads
// that produce given strains), interface strains, and the strains and
// stresses of every ply at its lower, upper and mid surface in laminate and
// material axes. Needs ABD, its inverse, the interface coordinates, QBar,
// the layer expansion coefficients and the hygrothermal load vectors.
#pragma once

#include "engine/laminate_data.h"

namespace vc {

void runStrainStep(LaminateData& d);

}  // namespace vc
