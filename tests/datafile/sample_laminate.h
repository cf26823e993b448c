// The worked example of the Help menu's sample data, as a record and
// Settings page, for the data file tests.
#pragma once

#include <cstring>

#include "engine/laminate_data.h"
#include "pages/input_pages.h"

namespace vc::test {

inline double radians(double degrees) { return (degrees * kPi) / 180.0; }

inline void fillSampleLaminate(LaminateData& d) {
  d.numMaterials = 1;
  d.numLayers = 8;
  d.loadKind = 1;
  d.E1[1] = 20.6e6;
  d.E2[1] = 1.5e6;
  d.G12[1] = 1.04e6;
  d.v12[1] = 0.27;
  d.CTE1[1] = -0.5e-6;
  d.CTE2[1] = 15e-6;
  d.CME1[1] = 0.01;
  d.CME2[1] = 0.2;
  d.Xt[1] = 330000;
  d.Xc[1] = -209000;
  d.Yt[1] = 8300;
  d.Yc[1] = -33000;
  d.S[1] = 10300;
  std::strcpy(d.description[1], "AS4/3506-1 Carbon/Epoxy");
  const double angles[8] = {0, 45, -45, 90, 90, -45, 45, 0};
  for (int k = 1; k <= 8; ++k) {
    d.MatID[k] = 1;
    d.thickness[k] = 0.005;
    d.angle[k] = radians(angles[k - 1]);
  }
  d.totalThickness = 0.04;
  d.mechLoad[1] = 1000;
  d.mechLoad[4] = 10;
  d.mechanicalOn = true;
  d.forcesGiven = true;
  d.strainsGiven = false;
}

inline void checkAllSettings(SettingsPage& s) {
  s.checkbox_1.checked = s.checkbox_2.checked = s.checkbox_3.checked = true;
  s.checkbox_4.checked = s.checkbox_5.checked = s.checkbox_6.checked = true;
  s.checkbox_7.checked = true;
  s.optb_1.selected = true;
  s.optb_2.selected = false;
}

}  // namespace vc::test
