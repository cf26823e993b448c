#include "results_export/results_json.h"

#include <cstring>
#include <memory>
#include <utility>

#include "engine/angle_units.h"
#include "engine/engine_bounds.h"
#include "engine/failure_envelope.h"
#include "engine/first_ply_failure.h"
#include "engine/stiffness_direction.h"
#include "engine/through_thickness_view.h"
#include "results_export/json_writer.h"

namespace vc {

namespace {

// Criterion and strength-case keys, in the record's order.
const char* const kCriterionKeys[kCriterionCount] = {"maxStress", "maxStrain", "tsaiHill",
                                                     "hoffman", "tsaiWu"};
const char* const kStrengthCaseKeys[kStrengthCaseCount] = {"xTension", "xCompression", "yTension",
                                                           "yCompression", "xyShear"};

// The record counts vector and matrix components from 1.
void vec3(JsonWriter& w, const Vec3& v) { w.numbers(&v[1], 3); }
void vec6(JsonWriter& w, const Vec6& v) { w.numbers(&v[1], 6); }

void mat3(JsonWriter& w, const Mat3& m) {
  w.beginArray();
  for (int i = 1; i <= 3; ++i) w.numbers(&m[i][1], 3);
  w.endArray();
}

void mat6(JsonWriter& w, const Mat6& m) {
  w.beginArray();
  for (int i = 1; i <= 6; ++i) w.numbers(&m[i][1], 6);
  w.endArray();
}

void perCriterion(JsonWriter& w, const double* values) {
  w.beginObject();
  for (int c = 0; c < kCriterionCount; ++c) w.key(kCriterionKeys[c]).number(values[c]);
  w.endObject();
}

// Named numbers as members of the object being written.
void numberMembers(JsonWriter& w, std::initializer_list<std::pair<const char*, double>> members) {
  for (const auto& [name, value] : members) w.key(name).number(value);
}

void namedNumbers(JsonWriter& w, std::initializer_list<std::pair<const char*, double>> members) {
  w.beginObject();
  numberMembers(w, members);
  w.endObject();
}

void inputs(JsonWriter& w, const LaminateData& d) {
  w.beginObject();
  w.key("materials").beginArray();
  for (int m = 1; m <= materialLoopCount(d); ++m) {
    w.beginObject();
    w.key("number").integer(m);
    w.key("description")
        .string(std::string(d.description[m], strnlen(d.description[m], kDescriptionSize)));
    numberMembers(w, {{"E1", d.E1[m]},
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
    w.endObject();
  }
  w.endArray();
  w.key("layers").beginArray();
  for (int k = 1; k <= layerLoopCount(d); ++k) {
    w.beginObject();
    w.key("number").integer(k);
    w.key("material").integer(d.MatID[k]);
    w.key("angle").number(degreesFromRadians(d.angle[k]));
    w.key("thickness").number(d.thickness[k]);
    w.endObject();
  }
  w.endArray();
  w.key("symmetric").boolean(d.symmetric);
  // With strains given, the strain step keeps them and derives mechLoad;
  // otherwise mechLoad is what was given (zero without a mechanical load).
  const bool strains = d.mechanicalOn && d.strainsGiven;
  w.key("loads").beginObject();
  w.key("mechanical").boolean(d.mechanicalOn);
  w.key("thermal").boolean(d.thermalOn);
  w.key("moisture").boolean(d.moistureOn);
  w.key("kind").string(d.forcesGiven ? "forces" : "strains");
  vec6(w.key("given"), strains ? d.midplaneStrain : d.mechLoad);
  w.key("deltaT").number(d.deltaT);
  w.key("moistureGain").number(d.moistureGain);
  w.endObject();
  w.key("options").beginObject();
  const std::pair<const char*, bool> options[] = {{"showABD", d.showABD},
                                                  {"showLayerMatrices", d.showLayerMatrices},
                                                  {"showPlyStresses", d.showPlyStresses},
                                                  {"showFailure", d.showFailure},
                                                  {"showApparent", d.showApparent},
                                                  {"showLoadVectors", d.showLoadVectors},
                                                  {"doubleDouble", d.doubleDouble},
                                                  {"showTotalStrains", d.showTotalStrains}};
  for (const auto& [name, value] : options) w.key(name).boolean(value);
  w.endObject();
  w.endObject();
}

void stiffness(JsonWriter& w, const LaminateData& d) {
  const StiffnessDirections all = stiffnessDirections(d);
  const std::pair<const char*, double StiffnessDirection::*> columns[] = {
      {"theta", &StiffnessDirection::thetaDeg}, {"EX", &StiffnessDirection::EX},
      {"EY", &StiffnessDirection::EY},          {"GXY", &StiffnessDirection::GXY},
      {"vXY", &StiffnessDirection::vXY},        {"EXB", &StiffnessDirection::EXB},
      {"EYB", &StiffnessDirection::EYB}};
  w.beginObject();
  for (const auto& [name, member] : columns) {
    w.key(name).beginArray();
    for (const StiffnessDirection& s : all) w.number(s.*member);
    w.endArray();
  }
  w.endObject();
}

void envelopes(JsonWriter& w, const LaminateData& d) {
  if (!allStrengthsNonZero(d)) return w.null();
  const char* const pairNames[kLoadPairCount] = {"NX-NY", "NX-NXY", "NY-NXY"};
  const char* const treatmentNames[kHygrothermalTreatmentCount] = {"scaledWithLoad", "heldFixed"};
  auto e = std::make_unique<FailureEnvelope>();
  w.beginArray();
  for (int p = 0; p < kLoadPairCount; ++p)
    for (int t = 0; t < kHygrothermalTreatmentCount; ++t) {
      computeFailureEnvelope(d, LoadPair(p), HygrothermalTreatment(t), *e);
      w.beginObject();
      w.key("pair").string(pairNames[p]);
      w.key("treatment").string(treatmentNames[t]);
      w.key("criteria").beginObject();
      for (int c = 0; c < kCriterionCount; ++c) {
        w.key(kCriterionKeys[c]).beginObject();
        w.key("first").beginArray();
        for (const EnvelopePoint& q : e->point[c]) w.number(q.first);
        w.endArray();
        w.key("second").beginArray();
        for (const EnvelopePoint& q : e->point[c]) w.number(q.second);
        w.endArray();
        w.key("layer").beginArray();
        for (const EnvelopePoint& q : e->point[c]) w.integer(q.layer);
        w.endArray();
        w.endObject();
      }
      w.endObject();
      w.endObject();
    }
  w.endArray();
}

void plyResults(JsonWriter& w, const LaminateData& d) {
  const ThroughThicknessView view(d);
  if (view.pointCount() == 0) return w.null();
  const char* const surfaceKeys[kSurfaceCount] = {"lower", "upper", "middle"};
  w.beginArray();
  for (int i = 0; i < view.pointCount(); ++i) {
    const ThicknessPoint p = view.point(i);
    if (p.surface == kLower) {
      if (i > 0) {
        w.endObject();
        w.endObject();
      }
      w.beginObject();
      w.key("layer").integer(p.layer);
      w.key("surfaces").beginObject();
    }
    const SurfaceResults& r = *p.results;
    w.key(surfaceKeys[p.surface]).beginObject();
    w.key("z").number(p.z);
    vec3(w.key("strainXY"), r.strainXY);
    vec3(w.key("effectiveStrainXY"), r.effStrainXY);
    vec3(w.key("stressXY"), r.stressXY);
    vec3(w.key("strain12"), r.strain12);
    vec3(w.key("effectiveStrain12"), r.effStrain12);
    vec3(w.key("stress12"), r.stress12);
    w.endObject();
  }
  w.endObject();
  w.endObject();
  w.endArray();
}

void loadResponse(JsonWriter& w, const LaminateData& d) {
  if (!plyResultsComputed(d)) return w.null();
  w.beginObject();
  vec6(w.key("mechLoad"), d.mechLoad);
  vec6(w.key("midplaneStrain"), d.midplaneStrain);
  vec6(w.key("thermalStrain"), d.thermalStrain);
  vec6(w.key("moistureStrain"), d.moistureStrain);
  w.key("interfaceStrain").beginArray();
  for (int j = 0; j <= layerLoopCount(d); ++j) vec3(w, d.interfaceStrain[j]);
  w.endArray();
  w.endObject();
}

void failure(JsonWriter& w, const LaminateData& d) {
  if (!failureFactorsComputed(d)) return w.null();
  w.beginObject();
  w.key("layers").beginArray();
  for (int k = 1; k <= layerLoopCount(d); ++k) {
    w.beginObject();
    w.key("layer").integer(k);
    perCriterion(w.key("applied"), d.failPlus[k]);
    perCriterion(w.key("reversed"), d.failMinus[k]);
    w.endObject();
  }
  w.endArray();
  perCriterion(w.key("minimumApplied"), d.minPlus);
  perCriterion(w.key("minimumReversed"), d.minMinus);
  w.endObject();
}

void firstPlyFailure(JsonWriter& w, const LaminateData& d) {
  if (!allStrengthsNonZero(d)) return w.null();
  w.beginObject();
  for (int c = 0; c < kCriterionCount; ++c) {
    w.key(kCriterionKeys[c]).beginObject();
    for (int s = 0; s < kStrengthCaseCount; ++s)
      w.key(kStrengthCaseKeys[s]).number(d.fpfStrength[c][s]);
    w.endObject();
  }
  w.endObject();
}

void doubleDoubleSet(JsonWriter& w, double psi, double phi, bool approximate, bool normalOrder) {
  w.beginObject();
  w.key("psi").number(psi);
  w.key("phi").number(phi);
  w.key("approximate").boolean(approximate);
  w.key("normalOrder").boolean(normalOrder);
  w.endObject();
}

void doubleDouble(JsonWriter& w, const LaminateData& d) {
  if (!(d.doubleDouble && d.ddSingleMaterial)) return w.null();
  w.beginObject();
  doubleDoubleSet(w.key("inPlane"), d.ddPsi, d.ddPhi, d.ddApprox, d.ddNormalOrder);
  doubleDoubleSet(w.key("flexural"), d.ddPsiFlex, d.ddPhiFlex, d.ddApproxFlex, d.ddNormalOrderFlex);
  w.key("repeat").integer(d.ddRepeat);
  w.endObject();
}

void results(JsonWriter& w, const LaminateData& d, JsonCurves curves) {
  w.beginObject();
  w.key("materials").beginArray();
  for (int m = 1; m <= materialLoopCount(d); ++m) {
    w.beginObject();
    w.key("number").integer(m);
    mat3(w.key("Q"), d.Q[m]);
    mat3(w.key("S"), d.SMatrix[m]);
    numberMembers(w, {{"traceQ", d.traceQ[m]},
                      {"e1t", d.e1t[m]},
                      {"e1c", d.e1c[m]},
                      {"e2t", d.e2t[m]},
                      {"e2c", d.e2c[m]},
                      {"g12u", d.g12u[m]}});
    w.endObject();
  }
  w.endArray();
  w.key("layers").beginArray();
  for (int k = 1; k <= layerLoopCount(d); ++k) {
    w.beginObject();
    w.key("number").integer(k);
    mat3(w.key("QBar"), d.QBar[k]);
    mat3(w.key("SBar"), d.SBar[k]);
    numberMembers(w, {{"alphaX", d.alphaX[k]},
                      {"alphaY", d.alphaY[k]},
                      {"alphaXY", d.alphaXY[k]},
                      {"betaX", d.betaX[k]},
                      {"betaY", d.betaY[k]},
                      {"betaXY", d.betaXY[k]}});
    w.endObject();
  }
  w.endArray();
  w.key("totalThickness").number(d.totalThickness);
  w.key("z").numbers(&d.z[0], layerLoopCount(d) + 1);
  mat6(w.key("ABD"), d.ABD);
  mat6(w.key("ABDInverse"), d.ABDInverse);
  namedNumbers(w.key("apparent"), {{"EX", d.EX},
                                   {"EY", d.EY},
                                   {"GXY", d.GXY},
                                   {"EXB", d.EXB},
                                   {"EYB", d.EYB},
                                   {"vXY", d.vXY},
                                   {"vYX", d.vYX},
                                   {"nXY_X", d.nXY_X},
                                   {"nXY_Y", d.nXY_Y},
                                   {"nX_XY", d.nX_XY},
                                   {"nY_XY", d.nY_XY},
                                   {"CTEX", d.CTEX},
                                   {"CTEY", d.CTEY},
                                   {"CTEXY", d.CTEXY},
                                   {"CMEX", d.CMEX},
                                   {"CMEY", d.CMEY},
                                   {"CMEXY", d.CMEXY}});
  w.key("hygrothermalSums").beginObject();
  vec3(w.key("TN"), d.TN);
  vec3(w.key("TM"), d.TM);
  vec3(w.key("MN"), d.MN);
  vec3(w.key("MM"), d.MM);
  w.endObject();
  vec6(w.key("thermalLoad"), d.thermalLoad);
  vec6(w.key("moistureLoad"), d.moistureLoad);
  loadResponse(w.key("loadResponse"), d);
  plyResults(w.key("plies"), d);
  failure(w.key("failure"), d);
  firstPlyFailure(w.key("firstPlyFailure"), d);
  doubleDouble(w.key("doubleDouble"), d);
  if (curves == JsonCurves::Included) {
    stiffness(w.key("stiffnessDirections"), d);
    envelopes(w.key("failureEnvelopes"), d);
  }
  w.endObject();
}

}  // namespace

std::string resultsJson(const LaminateData& d, JsonCurves curves) {
  std::string text;
  {
    // About 2.3 kB a layer without the curves; the curves add some 300 kB.
    const std::size_t expected = 8192 + 2560 * static_cast<std::size_t>(layerLoopCount(d)) +
                                 (curves == JsonCurves::Included ? 409600 : 0);
    JsonWriter w(text, expected);
    w.beginObject();
    w.key("format").string("vellacore-results");
    w.key("version").integer(1);
    inputs(w.key("inputs"), d);
    results(w.key("results"), d, curves);
    w.endObject();
    w.lineEnd();
  }
  return text;
}

}  // namespace vc
