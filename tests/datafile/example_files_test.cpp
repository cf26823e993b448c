// The example data files shipped in examples/ read, and hold what their
// names promise.

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "datafile/data_file.h"
#include "sample_laminate.h"
#include "support/capturing_messages.h"

namespace vc {
namespace {

std::string examplePath(const char* name) { return std::string(VC_SOURCE_DIR) + "/examples/" + name; }

struct Opened {
  std::unique_ptr<LaminateData> data = std::make_unique<LaminateData>();
  SettingsPage settings;
};

Opened open(const char* name) {
  Opened o;
  test::CapturingMessages messages;
  EXPECT_TRUE(readDataFile(examplePath(name), *o.data, o.settings, messages)) << name;
  EXPECT_TRUE(messages.messages.empty()) << name;
  return o;
}

TEST(ExampleFiles, SampleIsTheWorkedExampleWithEveryOptionSet) {
  std::ifstream in(examplePath("sample.vcl"), std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  auto d = std::make_unique<LaminateData>();
  test::fillSampleLaminate(*d);
  SettingsPage s;
  test::checkAllSettings(s);
  EXPECT_EQ(text.str(), formatDataFile(*d, s));
}

TEST(ExampleFiles, HybridLaminateHasThreeMaterials) {
  Opened o = open("hybrid_three_materials.vcl");
  EXPECT_EQ(o.data->numMaterials, 3);
  EXPECT_EQ(o.data->numLayers, 10);
  EXPECT_EQ(o.data->MatID[2], 3);
  EXPECT_EQ(o.data->loadKind, 1);
  EXPECT_DOUBLE_EQ(o.data->mechLoad[1], 2000);
}

TEST(ExampleFiles, SymmetricCarbonLaminateUnderThermalLoad) {
  Opened o = open("symmetric_carbon_cooldown.vcl");
  const LaminateData& d = *o.data;
  ASSERT_EQ(d.numLayers, 16);
  for (int k = 1; k <= 8; ++k) EXPECT_DOUBLE_EQ(d.angle[k], d.angle[17 - k]) << k;
  EXPECT_DOUBLE_EQ(d.deltaT, -280);
  EXPECT_DOUBLE_EQ(d.totalThickness, 16 * 0.0052);
}

TEST(ExampleFiles, StrainsGivenWithMoisture) {
  Opened o = open("crossply_strains_moisture.vcl");
  EXPECT_EQ(o.data->loadKind, 2);
  EXPECT_DOUBLE_EQ(o.data->midplaneStrain[1], 0.002);
  EXPECT_DOUBLE_EQ(o.data->moistureGain, 0.008);
  EXPECT_TRUE(o.settings.optb_2.selected);
}

}  // namespace
}  // namespace vc
