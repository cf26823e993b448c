// The numbered events that carry a material into the Materials and Strength
// pages. The Material Library window and the Micromechanics page post them
// to the main window, which handles them in the order posted:
//   2001         remember the Materials grid's current row as the copy row
//   2007         remember the Strength grid's current row as the copy row
//   5001 + s     copy library slot s into the copy row, as held (English)
//   6001 + s     the same in metric units
//   10000 + p    copy the micromechanics results into row p + 1
// A copy ends with the Materials page counting its materials again.
#pragma once

#include "engine/messages.h"
#include "materials/library_table.h"
#include "pages/input_pages.h"
#include "pages/micromechanics_page.h"

namespace vc {

enum MaterialCopyEvent : int {
  kRememberMaterialsRowEvent = 2001,
  kRememberStrengthRowEvent = 2007,
  kEnglishLibraryCopyEvent = 5001,  // + library slot
  kMetricLibraryCopyEvent = 6001,   // + library slot
  kMicromechanicsCopyEvent = 10000  // + list position of the material number
};

// Whether `code` is one of the events above (5000 to 7000 all count: the
// main window passes every one of them on to the pages, which act on the
// library slots).
bool isMaterialCopyEvent(int code);

// Handles one event. `copyRow` is the main window's row for the next
// library copy (a toolkit row, 0 for the first). A library event names a
// slot of `library`; the micromechanics event copies `lamina`.
void handleMaterialCopyEvent(int code, InputPages& pages, const LibraryTable& library,
                             const LaminaProperties& lamina, int& copyRow, MessageSink& messages);

// The Materials page's count after a copy: the material list stays up to
// the last row whose E1 cell holds text, and the count list shows that.
void countMaterialsAfterCopy(MaterialsPage& page, MessageSink& messages);

}  // namespace vc
