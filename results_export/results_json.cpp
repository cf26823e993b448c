#include "results_export/results_json.h"

#include <cstring>
#include <memory>
#include <nlohmann/json.hpp>

#include "engine/angle_units.h"
#include "engine/engine_bounds.h"
#include "engine/failure_envelope.h"
#include "engine/first_ply_failure.h"
#include "engine/stiffness_direction.h"
#include "engine/through_thickness_view.h"

namespace vc {

namespace {

using nlohmann::json;

// Criterion and strength-case keys, in the record's order.
const char* const kCriterionKeys[kCriterionCount] = {"maxStress", "maxStrain", "tsaiHill",
                                                     "hoffman", "tsaiWu"};
const char* const kStrengthCaseKeys[kStrengthCaseCount] = {"xTension", "xCompression", "yTension",
                                                           "yCompression", "xyShear"};

json vec3(const Vec3& v) { return json::array({v[1], v[2], v[3]}); }
json vec6(const Vec6& v) { return json::array({v[1], v[2], v[3], v[4], v[5], v[6]}); }

json mat3(const Mat3& m) {
  json rows = json::array();
  for (int i = 1; i <= 3; ++i) rows.push_back(json::array({m[i][1], m[i][2], m[i][3]}));
  return rows;
}

json mat6(const Mat6& m) {
  json rows = json::array();
  for (int i = 1; i <= 6; ++i)
    rows.push_back(json::array({m[i][1], m[i][2], m[i][3], m[i][4], m[i][5], m[i][6]}));
  return rows;
}

json perCriterion(const double* values) {
  json o = json::object();
  for (int c = 0; c < kCriterionCount; ++c) o[kCriterionKeys[c]] = values[c];
  return o;
}

std::string description(const LaminateData& d, int m) {
  return std::string(d.description[m], strnlen(d.description[m], kDescriptionSize));
}

json inputs(const LaminateData& d) {
  json materials = json::array();
  for (int m = 1; m <= materialLoopCount(d); ++m) {
    materials.push_back({{"number", m},
                         {"description", description(d, m)},
                         {"E1", d.E1[m]},
                         {"E2", d.E2[m]},
                         {"G12", d.G12[m]},
                         {"v12", d.v12[m]},
                         {"CTE1", d.CTE1[m]},
                         {"CTE2", d.CTE2[m]},
                         {"CME1", d.CME1[m]},
                         {"CME2", d.CME2[m]},
                         {"Xt", d.Xt[m]},
                         {"Xc", d.Xc[m]},
                         {"Yt", d.Yt[m]},
                         {"Yc", d.Yc[m]},
                         {"S", d.S[m]}});
  }
  json layers = json::array();
  for (int k = 1; k <= layerLoopCount(d); ++k) {
    layers.push_back({{"number", k},
                      {"material", d.MatID[k]},
                      {"angle", degreesFromRadians(d.angle[k])},
                      {"thickness", d.thickness[k]}});
  }
  // With strains given, the strain step keeps them and derives mechLoad;
  // otherwise mechLoad is what was given (zero without a mechanical load).
  const bool strains = d.mechanicalOn && d.strainsGiven;
  const json loads = {{"mechanical", d.mechanicalOn},
                      {"thermal", d.thermalOn},
                      {"moisture", d.moistureOn},
                      {"kind", d.forcesGiven ? "forces" : "strains"},
                      {"given", strains ? vec6(d.midplaneStrain) : vec6(d.mechLoad)},
                      {"deltaT", d.deltaT},
                      {"moistureGain", d.moistureGain}};
  const json options = {{"showABD", d.showABD},
                        {"showLayerMatrices", d.showLayerMatrices},
                        {"showPlyStresses", d.showPlyStresses},
                        {"showFailure", d.showFailure},
                        {"showApparent", d.showApparent},
                        {"showLoadVectors", d.showLoadVectors},
                        {"doubleDouble", d.doubleDouble},
                        {"showTotalStrains", d.showTotalStrains}};
  return {{"materials", materials},
          {"layers", layers},
          {"symmetric", d.symmetric},
          {"loads", loads},
          {"options", options}};
}

json stiffness(const LaminateData& d) {
  json theta = json::array(), EX = json::array(), EY = json::array(), GXY = json::array(),
       vXY = json::array(), EXB = json::array(), EYB = json::array();
  for (const StiffnessDirection& s : stiffnessDirections(d)) {
    theta.push_back(s.thetaDeg);
    EX.push_back(s.EX);
    EY.push_back(s.EY);
    GXY.push_back(s.GXY);
    vXY.push_back(s.vXY);
    EXB.push_back(s.EXB);
    EYB.push_back(s.EYB);
  }
  return {{"theta", theta}, {"EX", EX},   {"EY", EY},  {"GXY", GXY},
          {"vXY", vXY},     {"EXB", EXB}, {"EYB", EYB}};
}

json envelopes(const LaminateData& d) {
  if (!allStrengthsNonZero(d)) return nullptr;
  const char* const pairNames[kLoadPairCount] = {"NX-NY", "NX-NXY", "NY-NXY"};
  const char* const treatmentNames[kHygrothermalTreatmentCount] = {"scaledWithLoad", "heldFixed"};
  auto e = std::make_unique<FailureEnvelope>();
  json all = json::array();
  for (int p = 0; p < kLoadPairCount; ++p)
    for (int t = 0; t < kHygrothermalTreatmentCount; ++t) {
      computeFailureEnvelope(d, LoadPair(p), HygrothermalTreatment(t), *e);
      json criteria = json::object();
      for (int c = 0; c < kCriterionCount; ++c) {
        json first = json::array(), second = json::array(), layer = json::array();
        for (const EnvelopePoint& q : e->point[c]) {
          first.push_back(q.first);
          second.push_back(q.second);
          layer.push_back(q.layer);
        }
        criteria[kCriterionKeys[c]] = {{"first", first}, {"second", second}, {"layer", layer}};
      }
      all.push_back(
          {{"pair", pairNames[p]}, {"treatment", treatmentNames[t]}, {"criteria", criteria}});
    }
  return all;
}

json plyResults(const LaminateData& d) {
  const ThroughThicknessView view(d);
  if (view.pointCount() == 0) return nullptr;
  const char* const surfaceKeys[kSurfaceCount] = {"lower", "upper", "middle"};
  json plies = json::array();
  for (int i = 0; i < view.pointCount(); ++i) {
    const ThicknessPoint p = view.point(i);
    if (p.surface == kLower) plies.push_back({{"layer", p.layer}, {"surfaces", json::object()}});
    const SurfaceResults& r = *p.results;
    plies.back()["surfaces"][surfaceKeys[p.surface]] = {{"z", p.z},
                                                        {"strainXY", vec3(r.strainXY)},
                                                        {"effectiveStrainXY", vec3(r.effStrainXY)},
                                                        {"stressXY", vec3(r.stressXY)},
                                                        {"strain12", vec3(r.strain12)},
                                                        {"effectiveStrain12", vec3(r.effStrain12)},
                                                        {"stress12", vec3(r.stress12)}};
  }
  return plies;
}

json loadResponse(const LaminateData& d) {
  if (!plyResultsComputed(d)) return nullptr;
  json interfaces = json::array();
  for (int j = 0; j <= layerLoopCount(d); ++j) interfaces.push_back(vec3(d.interfaceStrain[j]));
  return {{"mechLoad", vec6(d.mechLoad)},
          {"midplaneStrain", vec6(d.midplaneStrain)},
          {"thermalStrain", vec6(d.thermalStrain)},
          {"moistureStrain", vec6(d.moistureStrain)},
          {"interfaceStrain", interfaces}};
}

json failure(const LaminateData& d) {
  if (!failureFactorsComputed(d)) return nullptr;
  json layers = json::array();
  for (int k = 1; k <= layerLoopCount(d); ++k)
    layers.push_back({{"layer", k},
                      {"applied", perCriterion(d.failPlus[k])},
                      {"reversed", perCriterion(d.failMinus[k])}});
  return {{"layers", layers},
          {"minimumApplied", perCriterion(d.minPlus)},
          {"minimumReversed", perCriterion(d.minMinus)}};
}

json firstPlyFailure(const LaminateData& d) {
  if (!allStrengthsNonZero(d)) return nullptr;
  json table = json::object();
  for (int c = 0; c < kCriterionCount; ++c) {
    json row = json::object();
    for (int s = 0; s < kStrengthCaseCount; ++s) row[kStrengthCaseKeys[s]] = d.fpfStrength[c][s];
    table[kCriterionKeys[c]] = row;
  }
  return table;
}

json doubleDouble(const LaminateData& d) {
  if (!(d.doubleDouble && d.ddSingleMaterial)) return nullptr;
  return {{"inPlane",
           {{"psi", d.ddPsi},
            {"phi", d.ddPhi},
            {"approximate", d.ddApprox},
            {"normalOrder", d.ddNormalOrder}}},
          {"flexural",
           {{"psi", d.ddPsiFlex},
            {"phi", d.ddPhiFlex},
            {"approximate", d.ddApproxFlex},
            {"normalOrder", d.ddNormalOrderFlex}}},
          {"repeat", d.ddRepeat}};
}

json results(const LaminateData& d) {
  json materials = json::array();
  for (int m = 1; m <= materialLoopCount(d); ++m)
    materials.push_back({{"number", m},
                         {"Q", mat3(d.Q[m])},
                         {"S", mat3(d.SMatrix[m])},
                         {"traceQ", d.traceQ[m]},
                         {"e1t", d.e1t[m]},
                         {"e1c", d.e1c[m]},
                         {"e2t", d.e2t[m]},
                         {"e2c", d.e2c[m]},
                         {"g12u", d.g12u[m]}});
  json layers = json::array();
  json z = json::array({d.z[0]});
  for (int k = 1; k <= layerLoopCount(d); ++k) {
    layers.push_back({{"number", k},
                      {"QBar", mat3(d.QBar[k])},
                      {"SBar", mat3(d.SBar[k])},
                      {"alphaX", d.alphaX[k]},
                      {"alphaY", d.alphaY[k]},
                      {"alphaXY", d.alphaXY[k]},
                      {"betaX", d.betaX[k]},
                      {"betaY", d.betaY[k]},
                      {"betaXY", d.betaXY[k]}});
    z.push_back(d.z[k]);
  }
  const json apparent = {{"EX", d.EX},       {"EY", d.EY},       {"GXY", d.GXY},
                         {"EXB", d.EXB},     {"EYB", d.EYB},     {"vXY", d.vXY},
                         {"vYX", d.vYX},     {"nXY_X", d.nXY_X}, {"nXY_Y", d.nXY_Y},
                         {"nX_XY", d.nX_XY}, {"nY_XY", d.nY_XY}, {"CTEX", d.CTEX},
                         {"CTEY", d.CTEY},   {"CTEXY", d.CTEXY}, {"CMEX", d.CMEX},
                         {"CMEY", d.CMEY},   {"CMEXY", d.CMEXY}};
  return {{"materials", materials},
          {"layers", layers},
          {"totalThickness", d.totalThickness},
          {"z", z},
          {"ABD", mat6(d.ABD)},
          {"ABDInverse", mat6(d.ABDInverse)},
          {"apparent", apparent},
          {"hygrothermalSums",
           {{"TN", vec3(d.TN)}, {"TM", vec3(d.TM)}, {"MN", vec3(d.MN)}, {"MM", vec3(d.MM)}}},
          {"thermalLoad", vec6(d.thermalLoad)},
          {"moistureLoad", vec6(d.moistureLoad)},
          {"loadResponse", loadResponse(d)},
          {"plies", plyResults(d)},
          {"failure", failure(d)},
          {"firstPlyFailure", firstPlyFailure(d)},
          {"doubleDouble", doubleDouble(d)},
          {"stiffnessDirections", stiffness(d)},
          {"failureEnvelopes", envelopes(d)}};
}

}  // namespace

std::string resultsJson(const LaminateData& d) {
  const json document = {{"format", "vellacore-results"},
                         {"version", 1},
                         {"inputs", inputs(d)},
                         {"results", results(d)}};
  // Descriptions come from data files as bytes; any that are not UTF-8 are
  // replaced by U+FFFD rather than making the document invalid.
  return document.dump(-1, ' ', false, json::error_handler_t::replace) + "\r\n";
}

}  // namespace vc
