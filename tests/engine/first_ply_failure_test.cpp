#include "engine/first_ply_failure.h"

#include <gtest/gtest.h>

#include <vector>

#include "engine_fixtures.h"

namespace vc {
namespace {

using test::MaterialSpec;
using test::makeStack;
using test::throughApparentProperties;

LaminateData failed(const MaterialSpec& s, const std::vector<double>& angles, double t,
                    double deltaT = 0.0) {
  LaminateData d = makeStack(s, angles, t);
  d.deltaT = deltaT;
  EXPECT_TRUE(throughApparentProperties(d));
  computeFirstPlyFailure(d);
  return d;
}

TEST(FirstPlyFailure, SingleZeroDegreePlyFailsAtThePlyStrengths) {
  const LaminateData d = failed(test::testPly(), {0.0}, 0.5);
  const auto& f = d.fpfStrength;
  const double expected[] = {1500.0, -1200.0, 40.0, -200.0, 70.0};
  for (int c : {kMaxStress, kTsaiWu, kHoffman}) {
    for (int load : {kXTension, kXCompression, kYTension, kYCompression, kXYShear})
      EXPECT_NEAR(f[c][load], expected[load - kXTension], 1e-9) << c << " " << load;
  }
  // Tsai-Hill with uniaxial fibre stress reduces to the fibre strengths too.
  EXPECT_NEAR(f[kTsaiHill][kXTension], 1500.0, 1e-9);
  EXPECT_NEAR(f[kTsaiHill][kXCompression], -1200.0, 1e-9);
  // Max Strain: the fibre direction governs (e1 = sigma1 / E1).
  EXPECT_NEAR(f[kMaxStrain][kXTension], 1500.0, 1e-9);
  EXPECT_NEAR(f[kMaxStrain][kXYShear], 70.0, 1e-9);
}

TEST(FirstPlyFailure, CrossPlyTensionFailsTheNinetyDegreePlies) {
  // [0/90]s under NX: by hand, with no bending, the 90 degree plies carry
  // sigma2 = Q22 eX + ... ; Max Stress first failure at Yt in those plies.
  const LaminateData d = failed(test::testPly(), {0.0, 90.0, 90.0, 0.0}, 0.25);
  const double Q11 = d.Q[1][1][1], Q22 = d.Q[1][2][2], Q12 = d.Q[1][1][2];
  // A11 = A22 = (Q11 + Q22) h / 2, A12 = Q12 h; NX = sigma h.
  const double A = (Q11 + Q22) / 2.0, B = Q12;
  // eX per unit average stress and eY from the 2x2 in-plane system.
  const double eX = A / (A * A - B * B), eY = -B / (A * A - B * B);
  const double sigma2In90 = Q12 * eY + Q22 * eX;
  EXPECT_NEAR(d.fpfStrength[kMaxStress][kXTension], 40.0 / sigma2In90, 1e-6);
}

TEST(FirstPlyFailure, TemperatureStressesScaleWithTheUnitLoad) {
  // With a temperature change the thermal stresses are scaled along with
  // the unit load, so the strength differs from the unloaded case.
  MaterialSpec s = test::testPly();
  s.CTE1 = -1.0e-6;
  const LaminateData cold = failed(s, {0.0, 90.0, 90.0, 0.0}, 0.25, -100.0);
  const LaminateData plain = failed(s, {0.0, 90.0, 90.0, 0.0}, 0.25);
  EXPECT_NE(cold.fpfStrength[kMaxStress][kXTension], plain.fpfStrength[kMaxStress][kXTension]);
}

TEST(FirstPlyFailure, SkippedWhenAStrengthIsZero) {
  MaterialSpec weak = test::testPly();
  weak.S = 0.0;
  LaminateData d = makeStack(weak, {0.0}, 0.5);
  d.fpfStrength[kTsaiWu][kXTension] = 123.0;
  ASSERT_TRUE(throughApparentProperties(d));
  EXPECT_FALSE(allStrengthsNonZero(d));
  computeFirstPlyFailure(d);
  EXPECT_EQ(d.fpfStrength[kTsaiWu][kXTension], 123.0);
}

}  // namespace
}  // namespace vc
