#include "engine/lamina_matrices.h"

#include "engine/engine_bounds.h"
#include "engine/ply_rotation.h"

namespace vc {

void computeMaterialMatrices(LaminateData& d) {
  const int nm = materialLoopCount(d);
  for (int m = 1; m <= nm; ++m) {
    const double E1 = d.E1[m], E2 = d.E2[m], G12 = d.G12[m], v12 = d.v12[m];
    Mat3& Q = d.Q[m];
    Q[1][1] = E1 / (1.0 - ((v12 * v12) * E2) / E1);
    Q[2][2] = (E2 * Q[1][1]) / E1;
    Q[1][2] = v12 * Q[2][2];
    Q[2][1] = Q[1][2];
    Q[3][3] = G12;
    Q[1][3] = Q[2][3] = Q[3][1] = Q[3][2] = 0.0;

    Mat3& S = d.SMatrix[m];
    S[1][1] = 1.0 / E1;
    S[2][2] = 1.0 / E2;
    S[3][3] = 1.0 / G12;
    S[1][2] = -v12 / E1;
    S[2][1] = S[1][2];
    S[1][3] = S[2][3] = S[3][1] = S[3][2] = 0.0;

    d.traceQ[m] = (Q[1][1] + Q[2][2]) + 2.0 * Q[3][3];
  }
}

void computeLayerMatrices(LaminateData& d) {
  const int n = layerLoopCount(d);
  for (int k = 1; k <= n; ++k) {
    const int mat = safeMaterialIndex(d, k);
    const PlyRotation r = plyRotation(d.angle[k]);

    const Mat3& Q = d.Q[mat];
    const double Q11 = Q[1][1], Q12 = Q[1][2], Q22 = Q[2][2], Q66 = Q[3][3];
    Mat3& QB = d.QBar[k];
    QB[1][1] = (Q11 * r.m4 + ((2.0 * (Q12 + 2.0 * Q66)) * r.m2) * r.n2) + Q22 * r.n4;
    QB[2][2] = (Q11 * r.n4 + ((2.0 * (Q12 + 2.0 * Q66)) * r.m2) * r.n2) + Q22 * r.m4;
    QB[1][2] = ((((Q11 + Q22) - 4.0 * Q66) * r.m2) * r.n2) + Q12 * (r.m4 + r.n4);
    QB[1][3] = (((Q11 - Q12) - 2.0 * Q66) * r.m3) * r.n + (((Q12 - Q22) + 2.0 * Q66) * r.m) * r.n3;
    QB[2][3] = (((Q11 - Q12) - 2.0 * Q66) * r.m) * r.n3 + (((Q12 - Q22) + 2.0 * Q66) * r.m3) * r.n;
    QB[3][3] = (((((Q11 + Q22) - 2.0 * Q12) - 2.0 * Q66) * r.m2) * r.n2) + Q66 * (r.m4 + r.n4);
    QB[2][1] = QB[1][2];
    QB[3][1] = QB[1][3];
    QB[3][2] = QB[2][3];

    const Mat3& S = d.SMatrix[mat];
    const double S11 = S[1][1], S12 = S[1][2], S22 = S[2][2], S66 = S[3][3];
    Mat3& SB = d.SBar[k];
    SB[1][1] = (S11 * r.m4 + ((2.0 * S12 + S66) * r.m2) * r.n2) + S22 * r.n4;
    SB[2][2] = (S11 * r.n4 + ((2.0 * S12 + S66) * r.m2) * r.n2) + S22 * r.m4;
    SB[1][2] = ((((S11 + S22) - S66) * r.m2) * r.n2) + S12 * (r.m4 + r.n4);
    SB[1][3] = ((((2.0 * S11 - 2.0 * S12) - S66) * r.m3) * r.n) -
               ((((2.0 * S22 - 2.0 * S12) - S66) * r.m) * r.n3);
    SB[2][3] = ((((2.0 * S11 - 2.0 * S12) - S66) * r.m) * r.n3) -
               ((((2.0 * S22 - 2.0 * S12) - S66) * r.m3) * r.n);
    SB[3][3] = (((2.0 * (((2.0 * S11 + 2.0 * S22) - 4.0 * S12) - S66)) * r.m2) * r.n2) +
               S66 * (r.m4 + r.n4);
    SB[2][1] = SB[1][2];
    SB[3][1] = SB[1][3];
    SB[3][2] = SB[2][3];
  }
}

void computeLaminaMatrices(LaminateData& d) {
  computeMaterialMatrices(d);
  computeLayerMatrices(d);
}

}  // namespace vc
