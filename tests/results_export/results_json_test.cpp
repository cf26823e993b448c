#include "results_export/results_json.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <memory>
#include <nlohmann/json.hpp>

#include "engine/failure_envelope.h"
#include "engine/stiffness_direction.h"
#include "export_fixture.h"
#include "results_export/json_writer.h"

namespace vc {
namespace {

using nlohmann::json;

const json& schema() {
  static const json s = json::parse(std::ifstream(VC_SOURCE_DIR "/docs/results-schema.json"));
  return s;
}

std::vector<std::string> violations(const json& v, const json& s = schema(),
                                    const std::string& at = "");

// The places where `v` breaks schema node `s`, for the rules that carry the
// document's shape: $ref, type, anyOf, required, properties,
// additionalProperties false, items, minItems and maxItems (the schema's few
// const, enum and range rules are left to the value checks below).
void check(const json& s, const json& v, const std::string& at, std::vector<std::string>& out) {
  if (s.contains("$ref"))
    return check(schema().at(json::json_pointer(s["$ref"].get<std::string>().substr(1))), v, at,
                 out);
  const std::string type = v.is_number_integer() ? "integer"
                           : v.is_number()       ? "number"
                                                 : v.type_name();
  const std::string allowed = s.value("type", json()).dump();  // "object", or ["number","null"]
  if (s.contains("type") && allowed.find('"' + type + '"') == std::string::npos &&
      !(type == "integer" && allowed.find("\"number\"") != std::string::npos))
    out.push_back(at + ": is " + type);
  if (s.contains("anyOf") &&
      std::none_of(s["anyOf"].begin(), s["anyOf"].end(),
                   [&](const json& alternative) { return violations(v, alternative).empty(); }))
    out.push_back(at + ": fits no alternative");
  if (v.is_array() &&
      (v.size() < s.value("minItems", 0u) || v.size() > s.value("maxItems", 1000000u)))
    out.push_back(at + ": has " + std::to_string(v.size()) + " items");
  for (size_t i = 0; v.is_array() && s.contains("items") && i < v.size(); ++i)
    check(s["items"], v[i], at + "/" + std::to_string(i), out);
  if (!v.is_object()) return;
  for (const json& key : s.value("required", json::array()))
    if (!v.contains(key.get<std::string>()))
      out.push_back(at + ": lacks " + key.get<std::string>());
  for (const auto& [key, value] : v.items()) {
    if (s.contains("properties") && s["properties"].contains(key))
      check(s["properties"][key], value, at + "/" + key, out);
    else if (!s.value("additionalProperties", true))
      out.push_back(at + ": has " + key);
  }
}

std::vector<std::string> violations(const json& v, const json& s, const std::string& at) {
  std::vector<std::string> out;
  check(s, v, at, out);
  return out;
}

// Every number read back is the record's own double, bit for bit. Results
// the run did not compute are null, a non-finite value is null, and bytes
// that are not UTF-8 still give a valid document.
TEST(ResultsJson, ValidAgainstTheSchemaWithTheRecordsOwnDoublesAndNulls) {
  const LaminateData d = test::completedRun(true, true);
  const std::string text = resultsJson(d, JsonCurves::Included);
  ASSERT_EQ(text.substr(text.size() - 2), "\r\n");
  const json doc = json::parse(text);
  EXPECT_EQ(violations(doc), std::vector<std::string>{});
  auto envelope = std::make_unique<FailureEnvelope>();
  ASSERT_TRUE(
      computeFailureEnvelope(d, LoadPair::NxNxy, HygrothermalTreatment::HeldFixed, *envelope));
  const struct {
    const char* pointer;
    double expected;
  } values[] = {
      {"/inputs/loads/given/0", 120.0},
      {"/results/z/0", -0.5},
      {"/results/ABD/3/4", d.ABD[4][5]},
      {"/results/doubleDouble/flexural/phi", d.ddPhiFlex},
      {"/results/layers/1/QBar/0/2", d.QBar[2][1][3]},
      {"/results/loadResponse/interfaceStrain/0/2", d.interfaceStrain[0][3]},
      {"/results/plies/6/surfaces/upper/stress12/1", d.ply[7][kUpper].stress12[2]},
      {"/results/failure/layers/7/reversed/tsaiWu", d.failMinus[8][kTsaiWu]},
      {"/results/firstPlyFailure/hoffman/yCompression", d.fpfStrength[kHoffman][kYCompression]},
      {"/results/stiffnessDirections/EYB/37", stiffnessTurnedBy(d, 37).EYB},
      {"/results/failureEnvelopes/3/criteria/tsaiHill/second/123",
       envelope->point[kTsaiHill][123].second}};
  for (const auto& v : values)
    EXPECT_EQ(doc.at(json::json_pointer(v.pointer)).get<double>(), v.expected) << v.pointer;
  EXPECT_EQ(doc["results"]["failureEnvelopes"][3]["pair"], "NX-NXY");
  EXPECT_EQ(doc["inputs"]["materials"][0]["description"], "Carbon, \"T300\"/epoxy");
  // Shortest round-trip text: 0.125 is written as such, not 0.12500000000000000,
  // and a whole number stays a real number.
  EXPECT_NE(text.find("\"thickness\":0.125}"), std::string::npos);
  EXPECT_NE(text.find("\"angle\":0.0,"), std::string::npos);
  EXPECT_TRUE(doc["inputs"]["layers"][0]["number"].is_number_integer());

  // Without the curves: the same document less its two curve members.
  json lean = json::parse(resultsJson(d, JsonCurves::LeftOut));
  EXPECT_EQ(violations(lean), std::vector<std::string>{});
  json full = doc;
  full["results"].erase("stiffnessDirections");
  full["results"].erase("failureEnvelopes");
  EXPECT_EQ(lean, full);

  LaminateData u = test::completedRun(false, true);
  u.EX = std::nan("");
  u.description[1][0] = char(0xB0);
  u.doubleDouble = false;
  json bad = json::parse(resultsJson(u, JsonCurves::Included));
  EXPECT_EQ(violations(bad), std::vector<std::string>{});
  for (const char* key : {"/plies", "/failure", "/loadResponse", "/doubleDouble", "/apparent/EX"})
    EXPECT_TRUE(bad["results"].at(json::json_pointer(key)).is_null()) << key;
  EXPECT_FALSE(bad["results"]["firstPlyFailure"].is_null());
  // The checker refuses a missing result, an extra key and a short matrix row.
  bad["results"]["apparent"].erase("EX");
  bad["inputs"]["layers"][0]["temperature"] = 1.0;
  bad["results"]["ABD"][2].erase(5);
  EXPECT_EQ(violations(bad).size(), 3u);
}

// The writer's numbers read back as the same doubles and stay real numbers;
// commas and nesting make a document a JSON parser takes.
TEST(JsonWriter, NumbersAndNesting) {
  std::string text;
  {
    JsonWriter w(text, 8);  // made to grow
    w.beginObject();
    w.key("n").beginArray();
    for (double v : std::initializer_list<double>{3.0, 1e5, -0.0, 0.125, 0.1, -2.5e-300,
                                                  1.7976931348623157e308, std::nan(""), -INFINITY})
      w.number(v);
    w.endArray();
    const double repeated[] = {0.1, 3.0, 0.1, 0.0, -0.0, 0.1 + 0.2};  // texts written before
    w.key("r").numbers(repeated, 6);
    w.key("i").integer(-7);
    w.key("s").string("a\"b\xB0");
    w.key("e").beginObject();
    w.endObject();
    w.key("z").null();
    w.endObject();
  }
  EXPECT_EQ(text,
            "{\"n\":[3.0,1e+05,-0.0,0.125,0.1,-2.5e-300,1.7976931348623157e+308,null,null],"
            "\"r\":[0.1,3.0,0.1,0.0,-0.0,0.30000000000000004],"
            "\"i\":-7,\"s\":\"a\\\"b\xEF\xBF\xBD\",\"e\":{},\"z\":null}");
  EXPECT_EQ(json::parse(text)["n"][1].get<double>(), 1e5);
}

}  // namespace
}  // namespace vc
