// Copying between the input pages and the laminate record.
#pragma once

#include <string>

#include "engine/laminate_data.h"
#include "pages/input_pages.h"
#include "pages/page_index.h"

namespace vc {

// Reads the five input pages into the record and prepares it for a run:
// compressive strengths made negative, ultimate strains, the mirrored upper
// half of a symmetric stack, angles in radians, the total thickness, and the
// loads of unchecked boxes zeroed. Counts outside 1..10 materials and
// 0..100 layers are clamped to those limits, so the record never holds more.
void copyPagesToData(const InputPages& pages, LaminateData& data);

// Where copyPagesToData would take a number that is not finite (a typed
// "1e999" reads as an infinity): the page and a text naming the row and
// column ("Row 2, column E2 of the Materials page"). Only the cells and boxes
// that the copy uses are looked at; false when every number is finite.
bool findNonFiniteNumber(const InputPages& pages, int& page, std::string& where);

// Shows a data set that was just read from a file on the Materials,
// Strength, Layup and Loads pages (numbers rounded to 5 significant digits).
void showDataOnPages(const LaminateData& data, InputPages& pages);

}  // namespace vc
