// Loop limits that keep every engine pass inside the record's arrays even
// when the counts it holds are out of range. The run refuses such counts
// before computing anything; these helpers protect the entry points that
// can be called on their own (record preparation, single steps in tests).
#pragma once

#include "engine/laminate_data.h"

namespace vc {

inline int materialLoopCount(const LaminateData& d) {
  if (d.numMaterials < 0) return 0;
  return d.numMaterials > kMaxMaterials ? kMaxMaterials : d.numMaterials;
}

inline int layerLoopCount(const LaminateData& d) {
  if (d.numLayers < 0) return 0;
  return d.numLayers > kMaxLayers ? kMaxLayers : d.numLayers;
}

// The material of a layer as an index that is always safe to use: an
// identifier outside 1..numMaterials maps to slot 0, which is never a real
// material. The run rejects such layers before any computation reads them.
inline int safeMaterialIndex(const LaminateData& d, int layer) {
  const int id = d.MatID[layer];
  return (id >= 1 && id <= materialLoopCount(d)) ? id : 0;
}

}  // namespace vc
