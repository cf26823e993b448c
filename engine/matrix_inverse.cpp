#include "engine/matrix_inverse.h"

#include <cmath>

namespace vc {

InversionResult invertMatrix(int n, WorkMatrix& a, WorkMatrix& b) {
  InversionResult result;
  if (n < 1 || n > kMaxInverseOrder) {
    result.status = 1;
    result.failedColumn = 0;
    return result;
  }
  for (int i = 0; i < n; ++i)
    for (int j = 0; j < n; ++j) b[i][j] = (i == j) ? 1.0 : 0.0;

  double product = 1.0;
  for (int k = 0; k < n; ++k) {
    if (k < n - 1) {
      // Largest magnitude at or below the diagonal; only a strictly larger
      // magnitude displaces the current choice, so the lowest row wins ties.
      int pivotRow = k;
      double largest = std::fabs(a[k][k]);
      for (int i = k + 1; i < n; ++i) {
        const double v = std::fabs(a[i][k]);
        if (v > largest) {
          largest = v;
          pivotRow = i;
        }
      }
      if (pivotRow != k) {
        for (int j = k; j < n; ++j) {
          const double t = a[k][j];
          a[k][j] = a[pivotRow][j];
          a[pivotRow][j] = t;
        }
        for (int j = 0; j < n; ++j) {
          const double t = b[k][j];
          b[k][j] = b[pivotRow][j];
          b[pivotRow][j] = t;
        }
      }
    }
    product *= a[k][k];
    if (std::fabs(product) < 1.0e-20) {
      result.status = 1;
      result.failedColumn = k;
      return result;
    }

    const double reciprocal = 1.0 / a[k][k];
    for (int j = k; j < n; ++j) a[k][j] *= reciprocal;
    for (int j = 0; j < n; ++j) b[k][j] *= reciprocal;

    for (int i = 0; i < n; ++i) {
      if (i == k) continue;
      const double f = a[i][k];
      for (int j = k; j < n; ++j) a[i][j] -= f * a[k][j];
      for (int j = 0; j < n; ++j) b[i][j] -= f * b[k][j];
    }
  }
  return result;
}

bool invertABD(LaminateData& d) {
  WorkMatrix work;
  WorkMatrix inverse;
  for (int i = 0; i < 6; ++i)
    for (int j = 0; j < 6; ++j) work[i][j] = d.ABD[i + 1][j + 1];
  const InversionResult r = invertMatrix(6, work, inverse);
  d.inversionStatus = r.status;
  if (r.status != 0) return false;
  for (int i = 0; i < 6; ++i)
    for (int j = 0; j < 6; ++j) d.ABDInverse[i + 1][j + 1] = inverse[i][j];
  return true;
}

}  // namespace vc
