// The copy events between the material windows and the pages, and the
// clearing of the Micromechanics page.
#include <gtest/gtest.h>

#include <string>

#include "pages/material_copy_events.h"
#include "pages/micromechanics_page.h"
#include "support/capturing_messages.h"

namespace vc {
namespace {

// Built-in slot 1 (T300/934): E1 21460000 psi, Xt 191000 psi.
TEST(MaterialCopyEvents, EachCodeFillsOnlyWhatItNames) {
  LibraryTable library{};
  loadBuiltInLibrary(library);
  LaminaProperties lamina;
  lamina.E1 = 2.5;
  struct Case {
    int rememberedRow;  // Materials grid row when 2001 arrives
    int code;
    const char* e1;     // row's E1 cell afterwards
    const char* xt;     // row's Xt cell afterwards
    const char* count;  // material count afterwards
  };
  const Case cases[] = {
      {4, 5002, "2.146e+007", "1.91e+005", "5"},
      {1, 6002, "1.48e+011", "1.3172e+009", "2"},
      {4, 5000, "", "", "1"},                  // names no slot
      {4, 6001 + kLibrarySlots, "", "", "1"},  // beyond the table
      {0, 10007, "2.500E+000", "0.000E+000", "8"},
  };
  for (const Case& c : cases) {
    InputPages pages;
    test::CapturingMessages messages;
    int copyRow = -1;
    pages.materials.properties.currentRow = c.rememberedRow;
    handleMaterialCopyEvent(kRememberMaterialsRowEvent, pages, library, lamina, copyRow, messages);
    ASSERT_TRUE(isMaterialCopyEvent(c.code)) << c.code;
    handleMaterialCopyEvent(c.code, pages, library, lamina, copyRow, messages);
    const int row =
        c.code >= kMicromechanicsCopyEvent ? c.code - kMicromechanicsCopyEvent : copyRow;
    EXPECT_EQ(pages.materials.properties.cell(row, 1), c.e1) << c.code;
    EXPECT_EQ(pages.strength.strengths.cell(row, 1), c.xt) << c.code;
    EXPECT_EQ(pages.materials.materialCount, c.count) << c.code;
    EXPECT_TRUE(messages.messages.empty());
  }
  EXPECT_FALSE(isMaterialCopyEvent(10010));
  EXPECT_FALSE(isMaterialCopyEvent(2002));
}

TEST(MaterialCopyEvents, ClearingKeepsTheLaterRowsOnlyForAllPages) {
  for (const bool everyRow : {true, false}) {
    MicromechanicsPage page;
    for (TextGrid* grid : {&page.fiberProps, &page.matrixProps, &page.laminaProps}) {
      for (int r = 0; r < grid->rowCount(); ++r) grid->setCell(r, 1, "7");
    }
    page.results.E1 = 3;
    clearMicromechanicsPage(page, everyRow);
    const std::string kept = everyRow ? "" : "7";
    EXPECT_EQ(
        page.fiberProps.cell(10, 1) + page.matrixProps.cell(7, 1) + page.laminaProps.cell(12, 1),
        "");
    EXPECT_EQ(page.fiberProps.cell(11, 1), "0.60");
    EXPECT_EQ(
        page.fiberProps.cell(12, 1) + page.matrixProps.cell(8, 1) + page.laminaProps.cell(13, 1),
        kept + kept + kept);
    EXPECT_EQ(page.fiberProps.cell(0, 0), "Long. Modulus, E1f");
    EXPECT_EQ(page.results.E1, 3);  // a copy after clearing uses the last results
  }
}

}  // namespace
}  // namespace vc
