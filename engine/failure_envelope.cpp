#include "engine/failure_envelope.h"

#include <cmath>
#include <memory>

#include "engine/angle_units.h"
#include "engine/engine_bounds.h"
#include "engine/failure_criteria.h"
#include "engine/failure_with_residual_stress.h"
#include "engine/first_ply_failure.h"
#include "engine/ply_strains.h"

namespace vc {

namespace {

// The unit load of the first-ply-failure table.
constexpr double kUnitLoad = 10000.0;

// Mid-surface stresses and effective strains of one layer, material axes.
struct MidSurface {
  PlyComponents stress, strain;
};

// The laminate's response, layer by layer, to a resultant of 10000 in each
// in-plane direction alone and to the run's temperature and moisture alone.
// Ply stresses are linear in the loads, so any load case is a sum of these.
struct LoadResponses {
  int layers = 0;
  MidSurface unit[4][kMaxLayers + 1];  // [1..3]: NX, NY, NXY
  MidSurface hygrothermal[kMaxLayers + 1];
};

void keepMidSurfaces(const LaminateData& w, MidSurface* out) {
  for (int k = 1; k <= layerLoopCount(w); ++k) {
    const SurfaceResults& mid = w.ply[k][kMid];
    out[k].stress = {mid.stress12[1], mid.stress12[2], mid.stress12[3]};
    out[k].strain = {mid.effStrain12[1], mid.effStrain12[2], mid.effStrain12[3]};
  }
}

// The strain step on a working copy, so the caller's record is untouched.
void computeResponses(const LaminateData& d, LoadResponses& r) {
  auto work = std::make_unique<LaminateData>(d);
  LaminateData& w = *work;
  r.layers = layerLoopCount(d);
  w.mechanicalOn = true;
  w.forcesGiven = true;
  w.strainsGiven = false;
  for (int i = 1; i <= 6; ++i) w.mechLoad[i] = 0.0;
  runStrainStep(w);
  keepMidSurfaces(w, r.hygrothermal);

  w.deltaT = 0.0;
  w.moistureGain = 0.0;
  for (int i = 1; i <= 6; ++i) w.thermalLoad[i] = w.moistureLoad[i] = 0.0;
  for (int direction = 1; direction <= 3; ++direction) {
    for (int i = 1; i <= 6; ++i) w.mechLoad[i] = (i == direction) ? kUnitLoad : 0.0;
    runStrainStep(w);
    keepMidSurfaces(w, r.unit[direction]);
  }
}

PlyComponents combine(double a, const PlyComponents& x, double b, const PlyComponents& y) {
  return {a * x.c1 + b * y.c1, a * x.c2 + b * y.c2, a * x.c12 + b * y.c12};
}

PlyComponents plus(const PlyComponents& x, const PlyComponents& y) {
  return {x.c1 + y.c1, x.c2 + y.c2, x.c12 + y.c12};
}

// The direction (cos phi, sin phi); the four axis directions are exact, so
// the uniaxial points carry no stray component of the other resultant.
void directionOf(int degrees, double& c, double& s) {
  static constexpr double kAxis[4][2] = {{1.0, 0.0}, {0.0, 1.0}, {-1.0, 0.0}, {0.0, -1.0}};
  if (degrees % 90 == 0) {
    c = kAxis[degrees / 90][0];
    s = kAxis[degrees / 90][1];
    return;
  }
  const double phi = radiansFromDegrees(degrees);
  c = std::cos(phi);
  s = std::sin(phi);
}

// Strengths and criterion coefficients of every material, formed once.
struct MaterialStrengths {
  PlyStrengths stress[kMaxMaterials + 1];
  PlyStrengths strain[kMaxMaterials + 1];
  QuadraticCoefficients quadratic[kMaxMaterials + 1];
};

void formStrengths(const LaminateData& d, MaterialStrengths& m) {
  for (int i = 1; i <= materialLoopCount(d); ++i) {
    m.stress[i] = PlyStrengths{d.Xt[i], d.Xc[i], d.Yt[i], d.Yc[i], d.S[i]};
    m.strain[i] = PlyStrengths{d.e1t[i], d.e1c[i], d.e2t[i], d.e2c[i], d.g12u[i]};
    m.quadratic[i] = quadraticCoefficients(m.stress[i]);
  }
}

// The running first failure over the layers: a layer replaces it only when
// strictly smaller in magnitude, so on equal factors the lowest layer wins,
// as for the laminate minima of the failure factors.
struct FirstFailure {
  double factor = 10000.0;
  int layer = 0;
  void offer(double f, int k) {
    if (std::fabs(f) < std::fabs(factor)) {
      factor = f;
      layer = k;
    }
  }
};

void store(FirstFailure f, double c, double s, EnvelopePoint& p) {
  p.factor = f.factor;
  p.layer = std::fabs(f.factor) < kNoFailureFactor ? f.layer : 0;
  // A (-) factor is negative and so turns the direction round.
  p.first = (f.factor * kUnitLoad) * c;
  p.second = (f.factor * kUnitLoad) * s;
  if (p.factor < 0.0) p.factor = -p.factor;
}

void scaledWithLoad(const LaminateData& d, const LoadResponses& r, const MaterialStrengths& m,
                    int a, int b, FailureEnvelope& out) {
  for (int degrees = 0; degrees < kEnvelopeDirectionCount / 2; ++degrees) {
    double c, s;
    directionOf(degrees, c, s);
    FirstFailure plusFirst[kCriterionCount], minusFirst[kCriterionCount];
    for (int k = 1; k <= r.layers; ++k) {
      const int mat = safeMaterialIndex(d, k);
      const PlyComponents sig =
          plus(combine(c, r.unit[a][k].stress, s, r.unit[b][k].stress), r.hygrothermal[k].stress);
      const PlyComponents eps =
          plus(combine(c, r.unit[a][k].strain, s, r.unit[b][k].strain), r.hygrothermal[k].strain);
      FactorPair f[kCriterionCount];
      f[kMaxStress] = maxComponentFactors(m.stress[mat], sig.c1, sig.c2, sig.c12);
      f[kMaxStrain] = maxComponentFactors(m.strain[mat], eps.c1, eps.c2, eps.c12);
      f[kTsaiHill] = tsaiHillFactors(m.stress[mat], sig.c1, sig.c2, sig.c12);
      f[kHoffman] = hoffmanFactors(m.quadratic[mat], sig.c1, sig.c2, sig.c12);
      f[kTsaiWu] = tsaiWuFactors(m.quadratic[mat], sig.c1, sig.c2, sig.c12);
      for (int cr = 0; cr < kCriterionCount; ++cr) {
        plusFirst[cr].offer(f[cr].plus, k);
        minusFirst[cr].offer(f[cr].minus, k);
      }
    }
    for (int cr = 0; cr < kCriterionCount; ++cr) {
      store(plusFirst[cr], c, s, out.point[cr][degrees]);
      store(minusFirst[cr], c, s, out.point[cr][degrees + kEnvelopeDirectionCount / 2]);
    }
  }
}

void heldFixed(const LaminateData& d, const LoadResponses& r, const MaterialStrengths& m, int a,
               int b, FailureEnvelope& out) {
  for (int degrees = 0; degrees < kEnvelopeDirectionCount; ++degrees) {
    double c, s;
    directionOf(degrees, c, s);
    FirstFailure first[kCriterionCount];
    for (int k = 1; k <= r.layers; ++k) {
      const int mat = safeMaterialIndex(d, k);
      const PlyComponents sig = combine(c, r.unit[a][k].stress, s, r.unit[b][k].stress);
      const PlyComponents eps = combine(c, r.unit[a][k].strain, s, r.unit[b][k].strain);
      const PlyComponents& sig0 = r.hygrothermal[k].stress;
      const PlyComponents& eps0 = r.hygrothermal[k].strain;
      first[kMaxStress].offer(maxComponentGrowthToFailure(m.stress[mat], sig0, sig), k);
      first[kMaxStrain].offer(maxComponentGrowthToFailure(m.strain[mat], eps0, eps), k);
      first[kTsaiHill].offer(tsaiHillGrowthToFailure(m.stress[mat], sig0, sig), k);
      first[kHoffman].offer(hoffmanGrowthToFailure(m.quadratic[mat], sig0, sig), k);
      first[kTsaiWu].offer(tsaiWuGrowthToFailure(m.quadratic[mat], sig0, sig), k);
    }
    for (int cr = 0; cr < kCriterionCount; ++cr) store(first[cr], c, s, out.point[cr][degrees]);
  }
}

}  // namespace

int firstResultant(LoadPair pair) { return pair == LoadPair::NyNxy ? 2 : 1; }

int secondResultant(LoadPair pair) { return pair == LoadPair::NxNy ? 2 : 3; }

bool computeFailureEnvelope(const LaminateData& d, LoadPair pair, HygrothermalTreatment treatment,
                            FailureEnvelope& out) {
  if (!allStrengthsNonZero(d)) return false;
  auto responses = std::make_unique<LoadResponses>();
  computeResponses(d, *responses);
  MaterialStrengths strengths;
  formStrengths(d, strengths);
  out.pair = pair;
  out.treatment = treatment;
  const int a = firstResultant(pair), b = secondResultant(pair);
  if (treatment == HygrothermalTreatment::ScaledWithLoad)
    scaledWithLoad(d, *responses, strengths, a, b, out);
  else
    heldFixed(d, *responses, strengths, a, b, out);
  return true;
}

}  // namespace vc
