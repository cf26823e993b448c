#include "engine/ply_rotation.h"

#include <cstdint>
#include <cstring>

#include "engine/laminate_data.h"

namespace vc {

namespace {

struct CachedRotation {
  std::uint64_t angleBits = 0;
  bool valid = false;
  PlyRotation rotation;
};

thread_local CachedRotation cache[kMaxLayers + 1];

}  // namespace

const PlyRotation& layerRotation(int k, double angleRadians) {
  if (k < 0 || k > kMaxLayers) k = 0;
  // Compare bit patterns: -0 and +0 have different sines, and a NaN angle
  // is simply recomputed.
  std::uint64_t bits;
  std::memcpy(&bits, &angleRadians, sizeof bits);
  CachedRotation& c = cache[k];
  if (!c.valid || c.angleBits != bits) {
    c.rotation = plyRotation(angleRadians);
    c.angleBits = bits;
    c.valid = true;
  }
  return c.rotation;
}

}  // namespace vc
