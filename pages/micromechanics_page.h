// The Micromechanics page (TabForm8) as plain data: the fibre, matrix and
// result grids and the results of the last calculation, which the copy into
// the material pages and "&Save to Library" use (not the result grid's
// text). Rows here are toolkit rows: row r is the (r + 1)-th row shown.
#pragma once

#include "materials/micromechanics.h"
#include "pages/input_pages.h"

namespace vc {

struct MicromechanicsPage {
  MicromechanicsPage();
  TextGrid fiberProps;   // FiberProps: 15 rows, label and value
  TextGrid matrixProps;  // MatrixProps: 10 rows
  TextGrid laminaProps;  // LaminaProps: 17 rows, the results
  // The inputs as last read and the results, all 0 until the first calculation.
  FiberProperties fiber;
  MatrixProperties matrix;
  LaminaProperties results;
  // Set while the user library editor is open on the results.
  bool saveToLibraryPending = false;
  bool saveInEnglish = true;
};

// "&Calculate Properties": reads the value column of both input grids,
// estimates the ply properties and writes them into the result grid.
void calculateLaminaOnPage(MicromechanicsPage& page);

// The clearing commands empty the value column; the stored results stay.
// The visible-page command empties every row (Vf shows "0.60" again);
// the all-pages command only the first 12 fibre rows (Vf included, which
// then shows "0.60"), 8 matrix rows and 13 result rows.
void clearMicromechanicsPage(MicromechanicsPage& page, bool everyRow);

}  // namespace vc
