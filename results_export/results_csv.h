// The ply strains and stresses of a run as CSV: one row per ply and surface,
// bottom to top (lower, middle, upper of layer 1, then layer 2, ...), with z,
// the total and effective strains and the stresses in laminate and material
// axes, and the ply's ten failure factors (evaluated at its mid-surface, so
// the same on its three rows). RFC 4180: comma separated, CR LF line ends,
// a header row, text fields quoted when they hold a comma, a double quote or
// a line break. Numbers in the shortest form that reads back to the same
// double, always with "." as the decimal point.
//
// Without ply results (no load, or no option that runs the strain step) the
// file is the header row alone; without failure factors those fields are
// empty.
#pragma once

#include <string>

#include "engine/laminate_data.h"

namespace vc {

std::string resultsCsv(const LaminateData& d);

// One field as RFC 4180 writes it (quoted only when it must be).
std::string csvField(const std::string& text);
// A number in the shortest form that reads back to the same double.
std::string shortestNumberText(double value);

}  // namespace vc
