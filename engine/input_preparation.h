// Preparation of the record right after the page contents have been copied
// into it: compressive strengths made negative, ultimate strains derived,
// the upper half of a symmetric stack mirrored, angles turned into radians
// and the total thickness summed.
#pragma once

#include "engine/laminate_data.h"

namespace vc {

void prepareCopiedInputs(LaminateData& d);

// e1t, e1c, e2t, e2c and g12u of material m from its strengths and moduli.
void deriveUltimateStrains(LaminateData& d, int m);

}  // namespace vc
