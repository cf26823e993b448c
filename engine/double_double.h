// The equivalent double-double laminate: the angles psi and phi of a
// repeated four-ply unit [psi, -phi, -psi, phi] whose in-plane (and,
// separately, flexural) stiffness equals that of the stack, found in closed
// form from the lamination parameters. Meaningful for one-material stacks.
#pragma once

#include "engine/laminate_data.h"

namespace vc {

struct LaminationParameters {
  double V1 = 0.0, V3 = 0.0;  // in-plane: thickness-weighted cos 2theta, cos 4theta
  double W1 = 0.0, W3 = 0.0;  // flexural: weighted through the thickness
};

LaminationParameters laminationParameters(const LaminateData& d);

// One angle pair from a pair of lamination parameters (p1 = cos 2theta
// average, p3 = cos 4theta average).
struct DoubleDoubleAngles {
  double psi = 0.0, phi = 0.0;
  bool approx = false;
  bool normalOrder = true;
};
DoubleDoubleAngles doubleDoubleAngles(double p1, double p3);

// Whole degrees of an angle's magnitude, truncated toward zero; NaN counts
// as 0 and huge values are held at the int range.
int wholeDegreesMagnitude(double degrees);

void computeDoubleDouble(LaminateData& d);

}  // namespace vc
