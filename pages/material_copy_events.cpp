#include "pages/material_copy_events.h"

#include <array>
#include <string>

#include "engine/laminate_data.h"
#include "materials/library_entry_text.h"
#include "pages/page_reactions.h"

namespace vc {

namespace {

constexpr int kFirstPageCopyEvent = 5000;
constexpr int kLastPageCopyEvent = 7000;

template <std::size_t N>
void writeRow(TextGrid& grid, int row, const std::array<std::string, N>& texts) {
  for (std::size_t i = 0; i < N; ++i) grid.setCell(row, static_cast<int>(i) + 1, texts[i]);
}

// The library slot of a page copy event, or -1 for a code that names none.
int librarySlotOf(int code) {
  int slot = -1;
  if (code >= kEnglishLibraryCopyEvent && code < kEnglishLibraryCopyEvent + 999) {
    slot = code - kEnglishLibraryCopyEvent;
  } else if (code >= kMetricLibraryCopyEvent && code < kMetricLibraryCopyEvent + 999) {
    slot = code - kMetricLibraryCopyEvent;
  }
  return slot < kLibrarySlots ? slot : -1;
}

}  // namespace

bool isMaterialCopyEvent(int code) {
  return code == kRememberMaterialsRowEvent || code == kRememberStrengthRowEvent ||
         (code >= kFirstPageCopyEvent && code <= kLastPageCopyEvent) ||
         (code >= kMicromechanicsCopyEvent && code < kMicromechanicsCopyEvent + kMaxMaterials);
}

void handleMaterialCopyEvent(int code, InputPages& pages, const LibraryTable& library,
                             const LaminaProperties& lamina, int& copyRow, MessageSink& messages) {
  TextGrid& properties = pages.materials.properties;
  TextGrid& strengths = pages.strength.strengths;
  if (code == kRememberMaterialsRowEvent) {
    copyRow = properties.currentRow;
  } else if (code == kRememberStrengthRowEvent) {
    copyRow = strengths.currentRow;
  } else if (code >= kFirstPageCopyEvent && code <= kLastPageCopyEvent) {
    properties.currentRow = copyRow;
    strengths.currentRow = copyRow;
    const int slot = librarySlotOf(code);
    if (slot < 0) return;
    const MaterialUnits units =
        code >= kMetricLibraryCopyEvent ? MaterialUnits::Metric : MaterialUnits::English;
    writeRow(properties, copyRow, libraryMaterialsRowTexts(library[slot], units));
    countMaterialsAfterCopy(pages.materials, messages);
    writeRow(strengths, copyRow, libraryStrengthRowTexts(library[slot], units));
  } else if (code >= kMicromechanicsCopyEvent && code < kMicromechanicsCopyEvent + kMaxMaterials) {
    const int row = code - kMicromechanicsCopyEvent;
    properties.currentRow = row;
    writeRow(properties, row, laminaMaterialsRowTexts(lamina));
    writeRow(strengths, row, laminaStrengthRowTexts(lamina));
    countMaterialsAfterCopy(pages.materials, messages);
  }
}

void countMaterialsAfterCopy(MaterialsPage& page, MessageSink& messages) {
  // Counting only the filled rows would drop a row copied below an empty
  // one (a copy into row 3 of an empty grid would vanish at once); the list
  // reaches the last filled row instead, so a copy always stays where it went.
  int count = 0;
  for (int r = 0; r < page.properties.rowCount() && r < kMaxMaterials; ++r) {
    if (!page.properties.cell(r, 1).empty()) count = r + 1;
  }
  if (count == 0) return;
  page.materialCount = std::to_string(count);
  onMaterialCountSelected(page, messages);
}

}  // namespace vc
