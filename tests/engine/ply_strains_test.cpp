#include "engine/ply_strains.h"

#include <gtest/gtest.h>

#include "engine_fixtures.h"

namespace vc {
namespace {

using test::MaterialSpec;
using test::testPly;
using test::makeStack;
using test::throughApparentProperties;

TEST(PlyStrains, FreeThermalExpansionOfASinglePlyIsStressFree) {
  LaminateData d = makeStack(testPly(), {30.0}, 0.2);
  d.thermalOn = true;
  d.deltaT = 100.0;
  ASSERT_TRUE(throughApparentProperties(d));
  runStrainStep(d);
  const double alphaX = d.alphaX[1], alphaY = d.alphaY[1], alphaXY = d.alphaXY[1];
  for (int s = 0; s < kSurfaceCount; ++s) {
    const SurfaceResults& r = d.ply[1][s];
    EXPECT_NEAR(r.strainXY[1], alphaX * 100.0, 1e-15);
    EXPECT_NEAR(r.strainXY[2], alphaY * 100.0, 1e-15);
    EXPECT_NEAR(r.strainXY[3], alphaXY * 100.0, 1e-15);
    EXPECT_NEAR(r.strain12[1], 2.0e-6 * 100.0, 1e-15);
    EXPECT_NEAR(r.strain12[2], 3.0e-5 * 100.0, 1e-15);
    for (int i = 1; i <= 3; ++i) {
      EXPECT_NEAR(r.effStrainXY[i], 0.0, 1e-15);
      EXPECT_NEAR(r.effStrain12[i], 0.0, 1e-15);
      EXPECT_NEAR(r.stressXY[i], 0.0, 1e-9);
      EXPECT_NEAR(r.stress12[i], 0.0, 1e-9);
    }
  }
  for (int i = 4; i <= 6; ++i) EXPECT_NEAR(d.midplaneStrain[i], 0.0, 1e-14);
}

TEST(PlyStrains, GivenStrainsProduceTheFirstABDColumnAsLoad) {
  LaminateData d = makeStack(testPly(), {0.0, 45.0, 90.0}, 0.1);
  d.mechanicalOn = true;
  d.forcesGiven = false;
  d.strainsGiven = true;
  d.midplaneStrain[1] = 0.001;
  ASSERT_TRUE(throughApparentProperties(d));
  runStrainStep(d);
  for (int i = 1; i <= 6; ++i) {
    EXPECT_DOUBLE_EQ(d.mechLoad[i], d.ABD[i][1] * 0.001);
    EXPECT_EQ(d.thermalStrain[i], 0.0);
    EXPECT_EQ(d.moistureStrain[i], 0.0);
  }
  EXPECT_EQ(d.midplaneStrain[1], 0.001);
  for (int k = 1; k <= 3; ++k)
    for (int s = 0; s < kSurfaceCount; ++s) {
      EXPECT_DOUBLE_EQ(d.ply[k][s].strainXY[1], 0.001);
      EXPECT_EQ(d.ply[k][s].strainXY[2], 0.0);
    }
}

TEST(PlyStrains, NinetyDegreePlyMapsLaminateStrainsToMaterialAxes) {
  LaminateData d = makeStack(testPly(), {90.0}, 0.1);
  d.mechanicalOn = true;
  d.mechLoad[1] = 50.0;
  d.mechLoad[2] = -20.0;
  ASSERT_TRUE(throughApparentProperties(d));
  runStrainStep(d);
  const SurfaceResults& r = d.ply[1][kMid];
  EXPECT_NEAR(r.strain12[1], r.strainXY[2], 1e-15);
  EXPECT_NEAR(r.strain12[2], r.strainXY[1], 1e-15);
  EXPECT_NEAR(r.stress12[1], r.stressXY[2], 1e-9);
  EXPECT_NEAR(r.stress12[2], r.stressXY[1], 1e-9);
  // Stress resultant over the thickness gives back the load.
  EXPECT_NEAR(r.stressXY[1] * 0.1, 50.0, 1e-9);
  EXPECT_NEAR(r.stressXY[2] * 0.1, -20.0, 1e-9);
}

TEST(PlyStrains, MechanicalLoadIsIgnoredWithoutItsFlagAfterPreparation) {
  // The page copy zeroes mechLoad when mechanicalOn is clear; with only a
  // temperature change the laminate expands freely even with strains chosen.
  LaminateData d = makeStack(testPly(), {0.0}, 0.1);
  d.thermalOn = true;
  d.deltaT = 10.0;
  d.forcesGiven = false;
  d.strainsGiven = true;
  ASSERT_TRUE(throughApparentProperties(d));
  runStrainStep(d);
  EXPECT_NEAR(d.midplaneStrain[1], 2.0e-5, 1e-18);
  EXPECT_NEAR(d.midplaneStrain[2], 3.0e-4, 1e-17);
  EXPECT_NEAR(d.ply[1][kMid].stress12[1], 0.0, 1e-9);
}

// Published worked example: carbon/epoxy E1 = 132.7 GPa, E2 = 9.3 GPa,
// v12 = 0.28, G12 = 4.6 GPa, [0/10/90/70] of 0.125 mm plies under
// NX = 100 N/mm and MX = 15 N.
TEST(PlyStrains, ReproducesThePublishedFourPlyExample) {
  LaminateData d = makeStack(MaterialSpec{132700.0, 9300.0, 4600.0, 0.28},
                             {0.0, 10.0, 90.0, 70.0}, 0.125);
  d.mechanicalOn = true;
  d.mechLoad[1] = 100.0;
  d.mechLoad[4] = 15.0;
  ASSERT_TRUE(throughApparentProperties(d));
  runStrainStep(d);
  const Vec6& e = d.midplaneStrain;
  EXPECT_NEAR(e[1] * 1e3, 12.64, 0.005);
  EXPECT_NEAR(e[2] * 1e3, -0.43, 0.005);
  EXPECT_NEAR(e[3] * 1e3, -7.42, 0.005);
  EXPECT_NEAR(e[4] * 1e3, 83.88, 0.005);
  EXPECT_NEAR(e[5] * 1e3, -6.58, 0.005);
  EXPECT_NEAR(e[6] * 1e3, 5.99, 0.005);

  const Vec3& bottom = d.ply[1][kLower].stress12;
  EXPECT_NEAR(bottom[1], -1108.8, 0.05);
  EXPECT_NEAR(bottom[2], -10.4, 0.05);
  EXPECT_NEAR(bottom[3], -41.0, 0.05);
  const Vec3& second = d.ply[2][kUpper].stress12;
  EXPECT_NEAR(second[1], 1467.2, 0.05);
  EXPECT_NEAR(second[2], 40.3, 0.05);
  EXPECT_NEAR(second[3], -52.6, 0.05);
}

}  // namespace
}  // namespace vc
