// Small builders for engine tests: a record with materials and a stack,
// prepared as a run would prepare it (angles in degrees on the way in).
#pragma once

#include <vector>

#include "engine/abd_matrix.h"
#include "engine/apparent_properties.h"
#include "engine/input_preparation.h"
#include "engine/lamina_matrices.h"
#include "engine/laminate_data.h"
#include "engine/matrix_inverse.h"

namespace vc::test {

struct TestMaterial {
  double E1, E2, G12, v12;
  double CTE1 = 2.0e-6, CTE2 = 3.0e-5, CME1 = 1.0e-4, CME2 = 4.0e-3;
  double Xt = 1500.0, Xc = 1200.0, Yt = 40.0, Yc = 200.0, S = 70.0;
};

// A carbon/epoxy ply in MPa with round constants, easy to check by hand.
const TestMaterial kTestPly{140000.0, 10000.0, 5000.0, 0.3};

struct TestLayer {
  int mat;
  double angleDeg, thickness;
};

// Materials 1..n and the given stack, bottom layer first; prepared.
inline LaminateData makeLaminate(const std::vector<TestMaterial>& materials,
                                 const std::vector<TestLayer>& layers) {
  LaminateData d;
  d.numMaterials = static_cast<int>(materials.size());
  d.numLayers = static_cast<int>(layers.size());
  for (int m = 1; m <= d.numMaterials; ++m) {
    const TestMaterial& s = materials[m - 1];
    double* const fields[] = {d.E1,   d.E2, d.G12, d.v12, d.CTE1, d.CTE2, d.CME1,
                              d.CME2, d.Xt, d.Xc,  d.Yt,  d.Yc,   d.S};
    const double values[] = {s.E1,   s.E2, s.G12, s.v12, s.CTE1, s.CTE2, s.CME1,
                             s.CME2, s.Xt, s.Xc,  s.Yt,  s.Yc,   s.S};
    for (int i = 0; i < 13; ++i) fields[i][m] = values[i];
  }
  for (int k = 1; k <= d.numLayers; ++k) {
    const TestLayer& l = layers[k - 1];
    d.MatID[k] = l.mat, d.angle[k] = l.angleDeg, d.thickness[k] = l.thickness;
  }
  prepareCopiedInputs(d);
  return d;
}

// A stack of one material with equal plies at the given angles.
inline LaminateData makeStack(const TestMaterial& s, const std::vector<double>& anglesDeg,
                              double thickness) {
  std::vector<TestLayer> layers;
  for (double a : anglesDeg) layers.push_back({1, a, thickness});
  return makeLaminate({s}, layers);
}

// Lamina matrices, ABD, inversion and apparent properties in run order,
// without the run's checks; true when ABD could be inverted.
inline bool throughApparentProperties(LaminateData& d) {
  computeLaminaMatrices(d);
  computeABD(d);
  if (!invertABD(d)) return false;
  computeApparentProperties(d);
  return true;
}

}  // namespace vc::test
