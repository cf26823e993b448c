// Copying between the input pages and the laminate record.
#pragma once

#include "engine/laminate_data.h"
#include "pages/input_pages.h"

namespace vc {

// Reads the five input pages into the record and prepares it for a run:
// compressive strengths made negative, ultimate strains, the mirrored upper
// half of a symmetric stack, angles in radians, the total thickness, and the
// loads of unchecked boxes zeroed. Counts outside 1..10 materials and
// 0..100 layers are clamped to those limits, so the record never holds more.
void copyPagesToData(const InputPages& pages, LaminateData& data);

// Shows a data set that was just read from a file on the Materials,
// Strength, Layup and Loads pages (numbers rounded to 5 significant digits).
void showDataOnPages(const LaminateData& data, InputPages& pages);

}  // namespace vc
