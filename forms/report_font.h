// The fixed-pitch font of the report, on screen and on paper, so that its
// columns line up.
#pragma once

#include <QFont>

namespace vc::forms {

// 10-point "Courier New" (the font the report's layout was made for).
QFont reportFont();

}  // namespace vc::forms
