// English and metric units of the material data. Library entries and user
// records are held in English units (psi, in/in/F, in/in) and converted only
// where a value is shown, entered or copied, each place with its own factor:
//   - showing (library window, user library editor): stresses x 6896.55,
//     thermal expansion x 1.8;
//   - storing a metric entry as a user record: stresses / 6896.55, thermal
//     expansion / 1.8;
//   - copying a library entry into the pages in metric units: stresses
//     / 0.000145, thermal expansion x 1.8.
// The two stress factors differ (1 / 0.000145 = 6896.5517...) and both are
// kept as they are; neither is the exact psi-to-pascal factor. Poisson's
// ratio and the moisture expansion coefficients have no unit to convert.
// A conversion that does not give a finite number gives 0, so that no
// "inf" or "nan" ever reaches a page, a box or a record.
#pragma once

#include "materials/library_table.h"

namespace vc {

enum class MaterialUnits { English, Metric };

// The kinds of property as far as units go.
bool isStressProperty(MaterialProperty property);            // E1 E2 G12 Xt Xc Yt Yc S
bool isThermalExpansionProperty(MaterialProperty property);  // CTE1 CTE2

// English value -> metric, for showing it.
double metricForDisplay(MaterialProperty property, double englishValue);
// Metric entry -> English, for storing it in a user record.
double englishFromMetricEntry(MaterialProperty property, double metricValue);
// English library value -> metric, for copying it into the pages.
double metricForCopy(MaterialProperty property, double englishValue);

// The unit label: "psi"/"Pa", "in/in/F"/"m/m/C", "in/in"/"m/m", or "" for
// Poisson's ratio.
const char* unitLabel(MaterialProperty property, MaterialUnits units);

// `value` when it is finite, else 0.
double finiteOrZero(double value);

}  // namespace vc
