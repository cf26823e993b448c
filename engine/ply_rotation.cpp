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

struct CachedCosines {
  std::uint64_t angleBits = 0;
  bool valid = false;
  MultipleAngleCosines cosines;
};

thread_local CachedRotation cache[kMaxLayers + 1];
thread_local CachedCosines cosineCache[kMaxLayers + 1];

std::uint64_t bitsOf(double v) {
  std::uint64_t bits;
  std::memcpy(&bits, &v, sizeof bits);
  return bits;
}

}  // namespace

const PlyRotation& layerRotation(int k, double angleRadians) {
  if (k < 0 || k > kMaxLayers) k = 0;
  // Compare bit patterns: -0 and +0 have different sines, and a NaN angle
  // is simply recomputed.
  const std::uint64_t bits = bitsOf(angleRadians);
  CachedRotation& c = cache[k];
  if (!c.valid || c.angleBits != bits) {
    c.rotation = plyRotation(angleRadians);
    c.angleBits = bits;
    c.valid = true;
  }
  return c.rotation;
}

const MultipleAngleCosines& layerMultipleAngleCosines(int k, double angleRadians) {
  if (k < 0 || k > kMaxLayers) k = 0;
  const std::uint64_t bits = bitsOf(angleRadians);
  CachedCosines& c = cosineCache[k];
  if (!c.valid || c.angleBits != bits) {
    c.cosines.cos2 = std::cos(2.0 * angleRadians);
    c.cosines.cos4 = std::cos(4.0 * angleRadians);
    c.angleBits = bits;
    c.valid = true;
  }
  return c.cosines;
}

}  // namespace vc
