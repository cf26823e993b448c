// The failure step: scale factors of every layer from its mid-surface
// stresses and effective strains, and their minima over the laminate.
#pragma once

#include "engine/laminate_data.h"

namespace vc {

void runFailureStep(LaminateData& d);

// Laminate minima of the per-layer factors: each starts at 10000.0 and a
// layer's factor replaces it only when strictly smaller in magnitude, so on
// equal magnitudes the lowest layer wins. The sign is kept.
void computeFailureMinima(LaminateData& d);

}  // namespace vc
