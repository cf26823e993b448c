#include "pages/page_clearing.h"

#include "pages/page_reactions.h"

namespace vc {

namespace {

void homeCurrentCell(TextGrid& grid) {
  grid.currentRow = 0;
  grid.currentColumn = 0;
  grid.anchorRow = 0;
  grid.anchorColumn = 0;
}

}  // namespace

void clearSettingsPage(SettingsPage& page, bool allSevenBoxes) {
  if (allSevenBoxes) {
    page.checkbox_1.checked = false;
    page.checkbox_2.checked = false;
  }
  page.checkbox_3.checked = false;
  page.checkbox_7.checked = false;
  page.checkbox_4.checked = false;
  page.checkbox_5.checked = false;
  page.checkbox_6.checked = false;
  // The strain buttons keep their choice.
}

void clearMaterialsPage(MaterialsPage& page) {
  page.combo_1 = "1";
  page.matgrid.reset(10);
  page.matgrid.setCell(0, 0, "1");
  homeCurrentCell(page.matgrid);
}

void clearStrengthPage(StrengthPage& page) {
  page.grid_1.reset(10);
  page.grid_1.setCell(0, 0, "1");
  homeCurrentCell(page.grid_1);
}

void clearLayupPage(LayupPage& page) {
  page.textb_1.text.clear();
  page.grid_1.reset(100);
  page.checkbox_1.checked = false;
  homeCurrentCell(page.grid_1);
}

void clearLoadsPage(LoadsPage& page) {
  page.checkbox_1.checked = false;
  // Forces/Moments selected with an empty row under the force headings, so
  // the headings always name what the row will be read as.
  onForcesMomentsClicked(page);
  onMechanicalLoadClicked(page);

  page.checkbox_2.checked = false;
  page.textb_1.text = "0";
  onTemperatureLoadClicked(page);

  page.checkbox_3.checked = false;
  page.textb_2.text = "0";
  onMoistureLoadClicked(page);
}

void clearVisiblePage(InputPages& pages, int pageIndex) {
  switch (pageIndex) {
    case 0:
      clearSettingsPage(pages.settings, true);
      break;
    case 1:
      clearMaterialsPage(pages.materials);
      break;
    case 2:
      clearStrengthPage(pages.strength);
      break;
    case 3:
      clearLayupPage(pages.layup);
      break;
    case 4:
      clearLoadsPage(pages.loads);
      break;
    default:
      break;
  }
}

void clearAllInputPages(InputPages& pages) {
  clearSettingsPage(pages.settings, false);
  clearMaterialsPage(pages.materials);
  clearStrengthPage(pages.strength);
  clearLayupPage(pages.layup);
  clearLoadsPage(pages.loads);
}

}  // namespace vc
