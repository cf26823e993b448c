// The report's layouts are pinned by the reference reports of the examples,
// the largest problem and the random laminates; here, what those never
// reach: the widest numbers, non-finite factors and counts outside the limits.
#include "report/report_writer.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <memory>
#include <string>

namespace vc {
namespace {

// Every option and load on, 10 materials with the longest description and
// 100 layers, every number the widest text its conversion can produce.
std::unique_ptr<LaminateData> widestLaminate() {
  auto d = std::make_unique<LaminateData>();
  d->numMaterials = kMaxMaterials;
  d->numLayers = kMaxLayers;
  for (int m = 1; m <= kMaxMaterials; ++m) {
    std::memset(d->description[m], 'x', kDescriptionSize - 1);
    d->Xt[m] = d->Xc[m] = d->Yt[m] = d->Yc[m] = d->S[m] = -1.0e-300;
  }
  d->showABD = d->showLayerMatrices = d->showApparent = d->doubleDouble = true;
  d->showLoadVectors = d->showPlyStresses = d->showFailure = true;
  d->mechanicalOn = d->thermalOn = d->moistureOn = d->ddSingleMaterial = d->ddApprox = true;
  d->deltaT = d->moistureGain = -1.0e9;
  for (int k = 1; k <= kMaxLayers; ++k) {
    d->MatID[k] = 1;
    d->angle[k] = -1.0e6;
    for (int c = 0; c < kCriterionCount; ++c) d->failPlus[k][c] = d->failMinus[k][c] = -1.0e5;
  }
  return d;
}

TEST(ReportWriter, WidestReportFitsTheReservedRoomWithoutReallocating) {
  auto d = widestLaminate();
  std::string text;
  writeReport(*d, text);
  const std::size_t capacity = text.capacity();
  EXPECT_GT(text.size(), 100000u);
  EXPECT_LT(text.size(), kReportCapacity);
  EXPECT_EQ(capacity, kReportCapacity);
  writeReport(*d, text);
  EXPECT_EQ(text.capacity(), capacity);
}

TEST(ReportWriter, NonFiniteFactorsAndCountsOutsideTheLimits) {
  auto d = widestLaminate();
  d->numLayers = 5000;
  d->numMaterials = 1000;
  d->failPlus[1][kMaxStress] = std::numeric_limits<double>::infinity();
  d->failPlus[1][kTsaiWu] = -std::numeric_limits<double>::quiet_NaN();
  std::string text;
  writeReport(*d, text);
  EXPECT_NE(text.find("\r\n   1       inf-100000.00-100000.00-100000.00     -nan\r\n"),
            std::string::npos);
  EXPECT_NE(text.find(" Material 10: "), std::string::npos);
  EXPECT_EQ(text.find(" Material 11: "), std::string::npos);
  EXPECT_EQ(text.find("\r\n 101 "), std::string::npos);
  d->numMaterials = -3;
  d->numLayers = -1;
  writeReport(*d, text);
  EXPECT_EQ(text.find(" Material 1"), std::string::npos);
  // Load vectors, ply stresses and failure factors only with a load applied.
  d->mechanicalOn = d->thermalOn = d->moistureOn = false;
  writeReport(*d, text);
  for (const char* heading : {"Load Vector", "Stresses and Strains", "Scale Factors"})
    EXPECT_EQ(text.find(heading), std::string::npos) << heading;
}

}  // namespace
}  // namespace vc
