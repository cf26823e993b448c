// One named curve of a plot: its points in the order they are joined.
// Names and titles are UTF-8 (they hold Greek letters).
#pragma once

#include <string>
#include <vector>

namespace vc {

struct PlotPoint {
  double x = 0.0, y = 0.0;
};

struct PlotCurve {
  std::string name;
  std::vector<PlotPoint> points;
};

}  // namespace vc
