// Page indices of the main window's tab control, in tab order.
#pragma once

namespace vc {

enum PageIndex : int {
  kSettingsPage = 0,
  kMaterialsPage = 1,
  kStrengthPage = 2,
  kLayupPage = 3,
  kLoadsPage = 4,
  kMicromechanicsPage = 5,
  kAboutPage = 6,
  kNoPage = -1
};

}  // namespace vc
