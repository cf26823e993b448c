// The texts that show a material or carry it into the input pages: the
// properties box of the Material Library window, the cells a library copy
// writes, and the number boxes of the user library editor.
#pragma once

#include <array>
#include <string>

#include "materials/library_table.h"
#include "materials/material_units.h"

namespace vc {

// The properties box text of one entry (English values, shown in `units`):
// 13 lines ending in CR LF, then for a built-in material the two lines of
// the note on estimated properties.
std::string libraryEntryText(const MaterialValues& english, MaterialUnits units, bool builtIn);

// A library copy: columns 1 to 8 of the Materials grid (E1 .. CME2) and
// columns 1 to 5 of the Strength grid (Xt, Xc, Yt, Yc, S), as page text with
// 5 significant digits, converted by the copy rule when `units` is Metric.
std::array<std::string, 8> libraryMaterialsRowTexts(const MaterialValues& english,
                                                    MaterialUnits units);
std::array<std::string, 5> libraryStrengthRowTexts(const MaterialValues& english,
                                                   MaterialUnits units);

// The 13 number boxes of the user library editor for a stored record,
// shown in `units`: moduli, expansion coefficients and strengths "%10.3E",
// v12 and the moisture coefficients "%-10.4f"; a positive Xc or Yc is shown
// negated.
std::array<std::string, kMaterialProperties> userSlotBoxTexts(const MaterialValues& english,
                                                              MaterialUnits units);
// The same formats without any conversion, for values already in the units
// the editor shows (the micromechanics results handed to the editor).
std::array<std::string, kMaterialProperties> editorBoxTextsAsGiven(const MaterialValues& values);

// The editor's unit label of a property: "E1 (psi):", "E1 (Pa):", "v12:", ...
std::string editorLabelText(MaterialProperty property, MaterialUnits units);

}  // namespace vc
