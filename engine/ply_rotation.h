// Direction cosine powers of a ply angle. Every power is a repeated product
// from the left (m4 = ((m*m)*m)*m), never pow(), so that results are
// reproducible bit for bit on every platform.
#pragma once

#include <cmath>

namespace vc {

struct PlyRotation {
  double m = 1.0, n = 0.0;  // cos and sin of the ply angle
  double m2 = 1.0, n2 = 0.0;
  double m3 = 1.0, n3 = 0.0;
  double m4 = 1.0, n4 = 0.0;
};

inline PlyRotation plyRotation(double angleRadians) {
  PlyRotation r;
  r.m = std::cos(angleRadians);
  r.n = std::sin(angleRadians);
  r.m2 = r.m * r.m;
  r.n2 = r.n * r.n;
  r.m3 = (r.m * r.m) * r.m;
  r.n3 = (r.n * r.n) * r.n;
  r.m4 = ((r.m * r.m) * r.m) * r.m;
  r.n4 = ((r.n * r.n) * r.n) * r.n;
  return r;
}

// cos 2theta and cos 4theta of a ply angle.
struct MultipleAngleCosines {
  double cos2 = 1.0, cos4 = 1.0;
};

inline MultipleAngleCosines multipleAngleCosines(double angleRadians) {
  return {std::cos(2.0 * angleRadians), std::cos(4.0 * angleRadians)};
}

}  // namespace vc
