// The largest possible report fits the reserved buffer, and counts outside
// the record's limits never lead the writer outside its arrays.
#include <gtest/gtest.h>

#include <cstring>

#include "report_fixture.h"

namespace {

using reporttest::report;

// Every option and load on, 10 materials with the longest description and
// 100 layers, every number a negative one with a three-digit exponent (the
// widest text each conversion can produce for finite values).
std::unique_ptr<vc::LaminateData> largestLaminate() {
    auto d = std::make_unique<vc::LaminateData>();
    d->numMaterials = vc::kMaxMaterials;
    d->numLayers = vc::kMaxLayers;
    for (int m = 1; m <= vc::kMaxMaterials; ++m) {
        std::memset(d->description[m], 'x', vc::kDescriptionSize - 1);
        d->Xt[m] = d->Xc[m] = d->Yt[m] = d->Yc[m] = d->S[m] = -1.0e-300;
    }
    d->showABD = d->showLayerMatrices = d->showApparent = d->doubleDouble = true;
    d->showLoadVectors = d->showPlyStresses = d->showFailure = true;
    d->mechanicalOn = d->thermalOn = d->moistureOn = d->forcesGiven = true;
    d->ddSingleMaterial = true;
    d->ddApprox = d->ddApproxFlex = true;
    d->deltaT = -1.0e9;
    d->moistureGain = -1.0e9;
    for (int k = 1; k <= vc::kMaxLayers; ++k) {
        d->MatID[k] = 1;
        d->angle[k] = -1.0e6;
        for (int c = 0; c < vc::kCriterionCount; ++c) d->failPlus[k][c] = d->failMinus[k][c] = -1.0e5;
    }
    return d;
}

TEST(ReportSize, LargestReportFitsTheReservedBuffer) {
    auto d = largestLaminate();
    std::string text;
    vc::writeReport(*d, text);
    const std::size_t capacity = text.capacity();
    EXPECT_GT(text.size(), 100000u);
    EXPECT_LT(text.size(), 256000u);
    EXPECT_EQ(capacity, text.capacity());
    vc::writeReport(*d, text);
    EXPECT_EQ(capacity, text.capacity());
}

TEST(ReportSize, CountsBeyondTheLimitsAreCutToThem) {
    auto d = reporttest::smallLaminate();
    d->numMaterials = 1000;
    d->numLayers = 5000;
    d->MatID[1] = 77;  // no such material: the layer matrices print zeros
    d->showLayerMatrices = true;
    std::string text = report(*d);
    EXPECT_NE(text.find(" Material 10: "), std::string::npos);
    EXPECT_EQ(text.find(" Material 11: "), std::string::npos);
    EXPECT_NE(text.find("\r\n  100        0"), std::string::npos);
    EXPECT_EQ(text.find("\r\n  101 "), std::string::npos);
}

TEST(ReportSize, NegativeCountsPrintNoRows) {
    auto d = reporttest::smallLaminate();
    d->numMaterials = -3;
    d->numLayers = -1;
    std::string text = report(*d);
    EXPECT_EQ(text.find(" Material "), std::string::npos);
    EXPECT_NE(text.find("\r\n\r\n                                   ----------\r\n"), std::string::npos);
}

}  // namespace
