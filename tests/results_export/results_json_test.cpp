#include "results_export/results_json.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <memory>
#include <nlohmann/json.hpp>
#include <sstream>

#include "engine/angle_units.h"
#include "engine/failure_envelope.h"
#include "engine/stiffness_direction.h"
#include "export_fixture.h"
#include "schema_check.h"

namespace vc {
namespace {

using nlohmann::json;

json schema() {
  std::ifstream in(VC_SOURCE_DIR "/docs/results-schema.json");
  std::stringstream text;
  text << in.rdbuf();
  return json::parse(text.str());
}

std::vector<std::string> violations(const json& document) {
  const json s = schema();
  return test::SchemaCheck(s).errors(document);
}

double at(const json& doc, const char* pointer) {
  return doc.at(json::json_pointer(pointer)).get<double>();
}

// Every number read back is the record's own double, bit for bit.
TEST(ResultsJson, ValidAgainstTheSchemaAndReadsBackToTheSameDoubles) {
  const LaminateData d = test::completedRun(true, true);
  const std::string text = resultsJson(d);
  ASSERT_EQ(text.substr(text.size() - 2), "\r\n");
  const json doc = json::parse(text);
  EXPECT_EQ(violations(doc), std::vector<std::string>{});

  for (int i = 1; i <= 6; ++i)
    for (int j = 1; j <= 6; ++j) {
      EXPECT_EQ(doc["results"]["ABD"][i - 1][j - 1].get<double>(), d.ABD[i][j]);
      EXPECT_EQ(doc["results"]["ABDInverse"][i - 1][j - 1].get<double>(), d.ABDInverse[i][j]);
    }
  const char* const surfaces[] = {"lower", "upper", "middle"};
  for (int k = 1; k <= d.numLayers; ++k)
    for (int s = 0; s < kSurfaceCount; ++s)
      for (int c = 1; c <= 3; ++c) {
        const json& r = doc["results"]["plies"][k - 1]["surfaces"][surfaces[s]];
        EXPECT_EQ(r["stress12"][c - 1].get<double>(), d.ply[k][s].stress12[c]);
        EXPECT_EQ(r["effectiveStrainXY"][c - 1].get<double>(), d.ply[k][s].effStrainXY[c]);
      }
  auto envelope = std::make_unique<FailureEnvelope>();
  ASSERT_TRUE(
      computeFailureEnvelope(d, LoadPair::NxNxy, HygrothermalTreatment::HeldFixed, *envelope));
  const struct {
    const char* pointer;
    double expected;
  } values[] = {
      {"/inputs/layers/2/angle", degreesFromRadians(d.angle[3])},
      {"/inputs/loads/given/0", 120.0},
      {"/inputs/loads/moistureGain", 0.003},
      {"/results/z/0", -0.5},
      {"/results/apparent/EX", d.EX},
      {"/results/layers/1/QBar/0/2", d.QBar[2][1][3]},
      {"/results/loadResponse/midplaneStrain/5", d.midplaneStrain[6]},
      {"/results/failure/layers/7/reversed/tsaiWu", d.failMinus[8][kTsaiWu]},
      {"/results/failure/minimumApplied/maxStrain", d.minPlus[kMaxStrain]},
      {"/results/firstPlyFailure/hoffman/yCompression", d.fpfStrength[kHoffman][kYCompression]},
      {"/results/doubleDouble/flexural/phi", d.ddPhiFlex},
      {"/results/stiffnessDirections/EYB/37", stiffnessTurnedBy(d, 37).EYB},
      {"/results/failureEnvelopes/3/criteria/tsaiHill/second/123",
       envelope->point[kTsaiHill][123].second}};
  for (const auto& v : values) EXPECT_EQ(at(doc, v.pointer), v.expected) << v.pointer;
  EXPECT_EQ(doc["results"]["failureEnvelopes"][3]["pair"], "NX-NXY");
  EXPECT_EQ(doc["inputs"]["materials"][0]["description"], test::exportDescription());
  // Shortest round-trip text: 0.125 is written as such, not 0.12500000000000000.
  EXPECT_NE(text.find("\"thickness\":0.125}"), std::string::npos);
}

// Results the run did not compute are null, a non-finite value is null, and
// bytes that are not UTF-8 still give a valid document.
TEST(ResultsJson, UncomputedResultsAndOddValuesAreNull) {
  LaminateData d = test::completedRun(false, true);
  d.EX = std::nan("");
  d.description[1][0] = char(0xB0);
  const json doc = json::parse(resultsJson(d));
  EXPECT_EQ(violations(doc), std::vector<std::string>{});
  for (const char* key : {"plies", "failure", "loadResponse"})
    EXPECT_TRUE(doc["results"][key].is_null()) << key;
  EXPECT_TRUE(doc["results"]["apparent"]["EX"].is_null());
  EXPECT_FALSE(doc["results"]["firstPlyFailure"].is_null());
}

// The schema and its checker are strict: a missing result, an extra key or
// a short matrix row is refused.
TEST(ResultsJson, SchemaRefusesDocumentsThatDoNotFit) {
  const json good = json::parse(resultsJson(test::completedRun(true, false)));
  json missing = good, extra = good, shortRow = good;
  missing["results"]["apparent"].erase("EX");
  extra["results"]["plies"][0]["surfaces"]["lower"]["temperature"] = 1.0;
  shortRow["results"]["ABD"][2].erase(5);
  for (const json* doc : {&missing, &extra, &shortRow}) EXPECT_EQ(violations(*doc).size(), 1u);
  EXPECT_TRUE(good["results"]["failure"].is_null());
}

}  // namespace
}  // namespace vc
