#include "engine/input_preparation.h"

#include <gtest/gtest.h>

#include "engine/laminate_data.h"

namespace vc {
namespace {

TEST(InputPreparation, CompressiveStrengthsAreHeldNegative) {
  LaminateData d;
  d.numMaterials = 3;
  const double given[4][2] = {{}, {500.0, 20.0}, {-500.0, -20.0}, {0.0, 0.0}};
  const double held[4][2] = {{}, {-500.0, -20.0}, {-500.0, -20.0}, {0.0, 0.0}};
  for (int m = 1; m <= 3; ++m) {
    d.E1[m] = d.E2[m] = d.G12[m] = 1.0;
    d.Xc[m] = given[m][0];
    d.Yc[m] = given[m][1];
  }
  prepareCopiedInputs(d);
  for (int m = 1; m <= 3; ++m) {
    EXPECT_EQ(d.Xc[m], held[m][0]) << m;
    EXPECT_EQ(d.Yc[m], held[m][1]) << m;
  }
}

TEST(InputPreparation, UltimateStrainsAreStrengthOverModulus) {
  LaminateData d;
  d.numMaterials = 1;
  d.E1[1] = 200000.0;
  d.E2[1] = 10000.0;
  d.G12[1] = 5000.0;
  d.Xt[1] = 2000.0;
  d.Xc[1] = 1000.0;
  d.Yt[1] = 50.0;
  d.Yc[1] = 150.0;
  d.S[1] = 100.0;
  prepareCopiedInputs(d);
  EXPECT_DOUBLE_EQ(d.e1t[1], 0.01);
  EXPECT_DOUBLE_EQ(d.e1c[1], -0.005);
  EXPECT_DOUBLE_EQ(d.e2t[1], 0.005);
  EXPECT_DOUBLE_EQ(d.e2c[1], -0.015);
  EXPECT_DOUBLE_EQ(d.g12u[1], 0.02);
}

TEST(InputPreparation, SymmetricStackMirrorsTheLowerHalf) {
  LaminateData d;
  d.numMaterials = 2;
  d.numLayers = 4;
  d.symmetric = true;
  d.MatID[1] = 1;
  d.angle[1] = 30.0;
  d.thickness[1] = 0.1;
  d.MatID[2] = 2;
  d.angle[2] = -60.0;
  d.thickness[2] = 0.2;
  d.thickness[5] = 99.0;  // beyond the stack: not counted
  prepareCopiedInputs(d);
  EXPECT_EQ(d.MatID[3], 2);
  EXPECT_EQ(d.MatID[4], 1);
  EXPECT_EQ(d.angle[3], d.angle[2]);
  EXPECT_EQ(d.angle[4], d.angle[1]);
  EXPECT_EQ(d.thickness[3], 0.2);
  EXPECT_EQ(d.thickness[4], 0.1);
  // Summed bottom to top, as the report's total is.
  EXPECT_EQ(d.totalThickness, ((0.1 + 0.2) + 0.2) + 0.1);
  // Degrees become radians with the engine's pi.
  EXPECT_EQ(d.angle[1], (30.0 * 3.14159265358979) / 180.0);
  EXPECT_EQ(d.angle[2], (-60.0 * 3.14159265358979) / 180.0);
}

TEST(InputPreparation, OutOfRangeCountsStayInsideTheArrays) {
  LaminateData d;
  d.numMaterials = 5000;
  d.numLayers = 5000;
  d.symmetric = true;
  for (int k = 1; k <= kMaxLayers; ++k) d.thickness[k] = 1.0;
  prepareCopiedInputs(d);
  EXPECT_EQ(d.totalThickness, 100.0);

  LaminateData neg;
  neg.numMaterials = -3;
  neg.numLayers = -7;
  neg.symmetric = true;
  prepareCopiedInputs(neg);
  EXPECT_EQ(neg.totalThickness, 0.0);
}

}  // namespace
}  // namespace vc
