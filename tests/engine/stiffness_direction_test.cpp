#include "engine/stiffness_direction.h"

#include <gtest/gtest.h>

#include <cmath>

#include "engine/angle_units.h"
#include "engine_fixtures.h"

namespace vc {
namespace {

// The largest difference of the six constants from the expected ones,
// relative for the moduli, absolute for Poisson's ratio.
double difference(const StiffnessDirection& s, const StiffnessDirection& expected) {
  double most = std::fabs(s.vXY - expected.vXY);
  for (const auto& [a, b] : {std::pair{s.EX, expected.EX},
                             {s.EY, expected.EY},
                             {s.GXY, expected.GXY},
                             {s.EXB, expected.EXB},
                             {s.EYB, expected.EYB}})
    most = std::fmax(most, std::fabs(a - b) / std::fabs(b));
  return most;
}

// One ply turned by theta: the off-axis engineering constants of the
// textbooks (m = cos theta, n = sin theta); a homogeneous plate bends with
// its in-plane modulus.
//   1/Ex  = m^4/E1 + (1/G12 - 2 v12/E1) m^2 n^2 + n^4/E2  (Ey: m and n swapped)
//   1/Gxy = 2 (2/E1 + 2/E2 + 4 v12/E1 - 1/G12) m^2 n^2 + (m^4 + n^4)/G12
//   vxy   = Ex (v12 (m^4 + n^4)/E1 - (1/E1 + 1/E2 - 1/G12) m^2 n^2)
// A quasi-isotropic laminate is as stiff in-plane in every direction.
TEST(StiffnessDirection, OffAxisFormulasAndQuasiIsotropicFlatness) {
  const double E1 = test::kTestPly.E1, E2 = test::kTestPly.E2, G12 = test::kTestPly.G12,
               v12 = test::kTestPly.v12;
  LaminateData ply = test::makeStack(test::kTestPly, {0.0}, 0.2);
  LaminateData quasi = test::makeStack(test::kTestPly, {0, 45, -45, 90, 90, -45, 45, 0}, 0.125);
  ASSERT_TRUE(test::throughApparentProperties(ply) && test::throughApparentProperties(quasi));
  const StiffnessDirections t = stiffnessDirections(quasi);
  for (const StiffnessDirection& s : stiffnessDirections(ply)) {
    const double m = std::cos(s.thetaDeg * M_PI / 180.0), n = std::sin(s.thetaDeg * M_PI / 180.0);
    const double m2 = m * m, n2 = n * n, m4 = m2 * m2, n4 = n2 * n2;
    const double Ex = 1.0 / (m4 / E1 + (1.0 / G12 - 2.0 * v12 / E1) * m2 * n2 + n4 / E2);
    const double Ey = 1.0 / (n4 / E1 + (1.0 / G12 - 2.0 * v12 / E1) * m2 * n2 + m4 / E2);
    const double Gxy = 1.0 / (2.0 * (2.0 / E1 + 2.0 / E2 + 4.0 * v12 / E1 - 1.0 / G12) * m2 * n2 +
                              (m4 + n4) / G12);
    const double vxy = Ex * (v12 * (m4 + n4) / E1 - (1.0 / E1 + 1.0 / E2 - 1.0 / G12) * m2 * n2);
    EXPECT_LT(difference(s, {s.thetaDeg, Ex, Ey, Gxy, vxy, Ex, Ey}), 1e-12) << s.thetaDeg;
    const StiffnessDirection& q = t[int(s.thetaDeg)];
    EXPECT_LT(difference(q, {q.thetaDeg, t[0].EX, t[0].EX, t[0].GXY, t[0].vXY, q.EXB, q.EYB}),
              1e-12)
        << q.thetaDeg;
  }
}

// Turning the compliance equals turning every ply and analysing again, for
// an unsymmetric stack of two materials (coupled bending and stretching).
TEST(StiffnessDirection, TurnedComplianceEqualsTurnedPlies) {
  LaminateData d =
      test::makeLaminate({test::kTestPly, {40000.0, 9000.0, 3500.0, 0.27}},
                         {{1, 0, 0.2}, {2, 30, 0.3}, {1, -60, 0.15}, {2, 90, 0.25}, {1, 15, 0.1}});
  ASSERT_TRUE(test::throughApparentProperties(d));
  for (int theta = 0; theta <= 180; theta += 1) {
    LaminateData r = d;
    for (int k = 1; k <= d.numLayers; ++k) r.angle[k] = d.angle[k] + radiansFromDegrees(theta);
    ASSERT_TRUE(test::throughApparentProperties(r));
    EXPECT_LT(difference(stiffnessTurnedBy(d, theta), {0, r.EX, r.EY, r.GXY, r.vXY, r.EXB, r.EYB}),
              1e-12)
        << theta;
  }
}

}  // namespace
}  // namespace vc
