// Small builders for engine tests: a record with materials and a stack,
// prepared as a run would prepare it (angles in degrees on the way in).
#pragma once

#include <initializer_list>

#include "engine/input_preparation.h"
#include "engine/laminate_data.h"

namespace vc::test {

struct MaterialSpec {
  double E1, E2, G12, v12;
  double CTE1 = 1.0e-6, CTE2 = 2.0e-5, CME1 = 1.0e-4, CME2 = 3.0e-3;
  double Xt = 1500.0, Xc = 1200.0, Yt = 40.0, Yc = 200.0, S = 70.0;
};

// A carbon/epoxy ply in MPa (strength values typical of the class).
inline MaterialSpec carbonEpoxy() { return MaterialSpec{132700.0, 9300.0, 4600.0, 0.28}; }

struct LayerSpec {
  int mat;
  double angleDeg;
  double thickness;
};

inline void setMaterial(LaminateData& d, int m, const MaterialSpec& s) {
  d.E1[m] = s.E1;
  d.E2[m] = s.E2;
  d.G12[m] = s.G12;
  d.v12[m] = s.v12;
  d.CTE1[m] = s.CTE1;
  d.CTE2[m] = s.CTE2;
  d.CME1[m] = s.CME1;
  d.CME2[m] = s.CME2;
  d.Xt[m] = s.Xt;
  d.Xc[m] = s.Xc;
  d.Yt[m] = s.Yt;
  d.Yc[m] = s.Yc;
  d.S[m] = s.S;
}

// Materials 1..n and the given stack, bottom layer first; prepared.
inline LaminateData makeLaminate(std::initializer_list<MaterialSpec> materials,
                                 std::initializer_list<LayerSpec> layers) {
  LaminateData d;
  d.numMaterials = static_cast<int>(materials.size());
  int m = 1;
  for (const MaterialSpec& s : materials) setMaterial(d, m++, s);
  d.numLayers = static_cast<int>(layers.size());
  int k = 1;
  for (const LayerSpec& l : layers) {
    d.MatID[k] = l.mat;
    d.angle[k] = l.angleDeg;
    d.thickness[k] = l.thickness;
    ++k;
  }
  prepareCopiedInputs(d);
  return d;
}

// A stack of one material with equal plies at the given angles.
inline LaminateData makeStack(const MaterialSpec& s, std::initializer_list<double> anglesDeg,
                              double thickness) {
  LaminateData d;
  d.numMaterials = 1;
  setMaterial(d, 1, s);
  d.numLayers = static_cast<int>(anglesDeg.size());
  int k = 1;
  for (double a : anglesDeg) {
    d.MatID[k] = 1;
    d.angle[k] = a;
    d.thickness[k] = thickness;
    ++k;
  }
  prepareCopiedInputs(d);
  return d;
}

}  // namespace vc::test
