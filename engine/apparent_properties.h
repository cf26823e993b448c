// Apparent engineering constants of the laminate, the layer expansion
// coefficients in laminate axes, the per-degree / per-unit-moisture load
// sums with the thermal and moisture load vectors, and the apparent
// expansion coefficients. Needs a successfully inverted ABD matrix.
#pragma once

#include "engine/laminate_data.h"

namespace vc {

void computeEngineeringConstants(LaminateData& d);
void computeLayerExpansion(LaminateData& d);
// TN, TM, MN, MM and from them thermalLoad and moistureLoad.
void computeHygrothermalLoads(LaminateData& d);
void computeApparentExpansion(LaminateData& d);

// The four steps above in order (the first-ply-failure strengths that close
// the apparent-properties step of a run are computed separately).
void computeApparentProperties(LaminateData& d);

}  // namespace vc
