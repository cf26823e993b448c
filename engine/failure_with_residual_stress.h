// First failure of one ply when part of its stress state is held fixed and
// only the rest grows: the residual stresses of curing (temperature and
// moisture) stay as they are while the mechanical load is increased. Each
// function returns the smallest factor lambda >= 0 at which the state
//   fixed + lambda * growing
// reaches the criterion, in material axes; 0 when the fixed state alone
// already reaches it, and kNoFailureFactor (9999) when it is not reached
// below that.
//
// The criteria are those of the ply failure factors (failure_criteria.h):
// with no fixed part the results equal their (+) factors. Here the
// quadratic criteria give a quadratic in lambda whose constant term is no
// longer -1, and the maximum criteria a linear bound per component.
#pragma once

#include "engine/failure_criteria.h"

namespace vc {

// sigma1, sigma2, tau12 (or e1, e2, g12 for Max Strain).
struct PlyComponents {
  double c1 = 0.0, c2 = 0.0, c12 = 0.0;
};

// Max Stress with stresses; Max Strain with ultimate strains and effective
// strains.
double maxComponentGrowthToFailure(const PlyStrengths& s, const PlyComponents& fixed,
                                   const PlyComponents& growing);
double tsaiHillGrowthToFailure(const PlyStrengths& s, const PlyComponents& fixed,
                               const PlyComponents& growing);
double tsaiWuGrowthToFailure(const QuadraticCoefficients& c, const PlyComponents& fixed,
                             const PlyComponents& growing);
double hoffmanGrowthToFailure(const QuadraticCoefficients& c, const PlyComponents& fixed,
                              const PlyComponents& growing);

}  // namespace vc
