// Gauss-Jordan inversion with partial pivoting for square matrices of order
// up to 6. Singularity is judged on the running product of the pivots (the
// magnitude of the determinant so far) against 1.0e-20, tested after every
// pivot, so a matrix of uniformly small entries is found singular even
// though no single pivot is near zero.
#pragma once

#include "engine/laminate_data.h"

namespace vc {

constexpr int kMaxInverseOrder = 6;
using WorkMatrix = double[kMaxInverseOrder][kMaxInverseOrder];  // 0-based

struct InversionResult {
  int status = 0;         // 0 inverted, 1 singular
  int failedColumn = -1;  // the column (0-based) whose pivot made it singular
};

// Inverts the leading n by n block of `a` (destroyed) into `inverse`.
// An order outside 1..6 is reported singular at column 0 without touching
// either matrix. On a singular result `inverse` is incomplete.
InversionResult invertMatrix(int n, WorkMatrix& a, WorkMatrix& inverse);

// Inverts d.ABD into d.ABDInverse (ABD itself stays unchanged) and sets
// d.inversionStatus. Returns true on success.
bool invertABD(LaminateData& d);

}  // namespace vc
