// The run: its checks with their messages, the double-double laminate, what
// it computes without options, and records it must survive.
#include "engine/analysis_run.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "engine/double_double.h"
#include "engine_fixtures.h"
#include "support/capturing_messages.h"
#include "support/largest_problem.h"

namespace vc {
namespace {

using test::kTestPly;
using test::makeLaminate;
using test::TestMaterial;

// One input fault per row: the outcome, the stop and the messages in order
// (M modulus, E expansion, I material ID, S strength, A singular ABD).
TEST(AnalysisRun, EachCheckStopsOrInformsWithItsOwnMessage) {
  const std::map<char, std::string> texts = {
      {'M', "Material Error|A material modulus is zero.  Review material property data."},
      {'E',
       "Material Information: Zero CTE/CME|Some thermal and/or moisture expansion data is "
       "zero.  This is OK, but review material property data if this was not intended."},
      {'I',
       "Material ID Error|A material ID (MatID) was used in the layup that is greater than "
       "the number of materials selected on the materials form.  Review material and layup "
       "data."},
      {'S',
       "Material Strength Error|Some material strength data is zero.  Load failure factors "
       "will be incorrect if this was not intended."},
      {'A', "Data Error|ABD matrix is singular.  Review material and layup data."}};
  const struct {
    const char* name;
    double TestMaterial::*field;
    double value;
    int secondId;
    double thickness;
    RunStop stop;
    std::string messages;
  } cases[] = {
      {"zero E2 and CTE1", &TestMaterial::E2, 0.0, 1, 0.1, RunStop::ModulusZero, "M"},
      {"negative zero G12", &TestMaterial::G12, -0.0, 1, 0.1, RunStop::ModulusZero, "M"},
      {"zero CME2", &TestMaterial::CME2, 0.0, 1, 0.1, RunStop::None, "E"},
      {"zero CME1 alone", &TestMaterial::CME1, 0.0, 1, 0.1, RunStop::None, ""},
      {"zero CTE2, MatID 3", &TestMaterial::CTE2, 0.0, 3, 0.1, RunStop::MaterialIdInvalid, "EI"},
      {"MatID 0", &TestMaterial::S, 70.0, 0, 0.1, RunStop::MaterialIdInvalid, "I"},
      {"MatID most negative", &TestMaterial::S, 70.0, -2147483647, 0.1, RunStop::MaterialIdInvalid,
       "I"},
      {"zero Yc", &TestMaterial::Yc, 0.0, 1, 0.1, RunStop::None, "S"},
      {"no thickness", &TestMaterial::S, 70.0, 1, 0.0, RunStop::SingularAbd, "A"},
  };
  for (const auto& c : cases) {
    TestMaterial s = kTestPly;
    s.*c.field = c.value;
    if (c.field == &TestMaterial::E2) s.CTE1 = 0.0;  // the modulus check comes first
    for (bool showFailure : {false, true}) {
      LaminateData d = makeLaminate({s, s}, {{1, 0, c.thickness}, {c.secondId, 0, c.thickness}});
      d.showFailure = showFailure;
      test::CapturingMessages m;
      const EngineOutcome o = runChecksAndEngine(d, m);
      EXPECT_EQ(o.status, c.stop == RunStop::None ? RunStatus::Completed : RunStatus::Stopped)
          << c.name;
      EXPECT_EQ(o.stop, c.stop) << c.name;
      std::vector<std::string> shown, expected;
      for (const auto& message : m.messages) shown.push_back(message.caption + "|" + message.text);
      // Zero strengths are reported only with the failure analysis shown.
      for (char code : c.messages)
        if (showFailure || code != 'S') expected.push_back(texts.at(code));
      EXPECT_EQ(shown, expected) << c.name;
    }
  }
}

TEST(AnalysisRun, CountsOutsideTheRecordAreRefusedSilently) {
  for (const auto& [materials, layers] :
       {std::pair{0, 1}, {11, 1}, {1, -1}, {1, 101}, {1, 1 << 30}}) {
    LaminateData d = makeLaminate({kTestPly}, {{1, 0, 0.1}});
    d.numMaterials = materials, d.numLayers = layers;
    test::CapturingMessages m;
    EXPECT_EQ(runChecksAndEngine(d, m).status, RunStatus::Refused);
    EXPECT_TRUE(m.messages.empty());
  }
}

// Without options the run still computes the matrices, apparent properties
// and strength table; ply stresses and failure need a load.
TEST(AnalysisRun, WhatRunsWithoutOptionsOrLoad) {
  LaminateData d = makeLaminate({kTestPly}, {{1, 0, 0.5}});
  d.showABD = d.showApparent = false;
  d.showPlyStresses = d.showFailure = d.showLoadVectors = true;
  test::CapturingMessages m;
  EXPECT_EQ(runChecksAndEngine(d, m).status, RunStatus::Completed);
  EXPECT_NEAR(d.EX, 140000.0, 1e-5);
  EXPECT_NEAR(d.fpfStrength[kMaxStress][kXTension], 1500.0, 1e-9);
  EXPECT_FALSE(d.showPlyStresses || d.showFailure);
  EXPECT_TRUE(d.showLoadVectors);
  d.showFailure = d.mechanicalOn = true;
  d.mechLoad[1] = 50.0;  // sigma1 = 100 in the ply of thickness 0.5
  EXPECT_EQ(runChecksAndEngine(d, m).status, RunStatus::Completed);
  EXPECT_NEAR(d.minPlus[kMaxStress], 15.0, 1e-9);
  EXPECT_NEAR(d.minMinus[kMaxStress], -12.0, 1e-9);
}

// The desktop program runs again on the same record: sums of a former run
// must not leak into the next (the shear expansion of an unbalanced stack).
TEST(AnalysisRun, ASecondRunGivesTheSameResults) {
  LaminateData d = makeLaminate({kTestPly}, {{1, 0, 0.25}, {1, 30, 0.25}});
  test::CapturingMessages m;
  ASSERT_EQ(runChecksAndEngine(d, m).status, RunStatus::Completed);
  const double cte = d.CTEXY, cme = d.CMEXY;
  ASSERT_NE(cte, 0.0);
  ASSERT_EQ(runChecksAndEngine(d, m).status, RunStatus::Completed);
  EXPECT_EQ(d.CTEXY, cte);
  EXPECT_EQ(d.CMEXY, cme);
}

// The double-double laminate itself is pinned by the reference reports;
// here the order rule's thresholds: phi >= 70 with psi under one degree, or
// phi of 90 with psi up to 20 degrees, swaps the order.
TEST(AnalysisRun, DoubleDoubleOrderThresholds) {
  auto normalOrder = [](double psi, double phi) {
    const double a = std::cos(2.0 * psi * kPi / 180.0), b = std::cos(2.0 * phi * kPi / 180.0);
    return doubleDoubleAngles((a + b) / 2.0, a * a + b * b - 1.0).normalOrder;
  };
  EXPECT_FALSE(normalOrder(0.5, 70.5));
  EXPECT_TRUE(normalOrder(1.5, 75.0));
  EXPECT_TRUE(normalOrder(0.5, 69.5));
  EXPECT_FALSE(normalOrder(20.9, 90.0));
  EXPECT_TRUE(normalOrder(25.0, 90.0));
  EXPECT_EQ(wholeDegreesMagnitude(-70.9), 70);
}

TEST(AnalysisRun, LargestProblemUsesNoHeap) {
  static LaminateData d;
  test::fillLargestProblem(d);
  test::SilentMessages messages;
  const long before = test::allocationCount;
  EXPECT_EQ(runChecksAndEngine(d, messages).status, RunStatus::Completed);
  EXPECT_EQ(test::allocationCount - before, 0);
  EXPECT_EQ(messages.count, 0);
}

}  // namespace
}  // namespace vc
