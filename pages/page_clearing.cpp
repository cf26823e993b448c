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
    page.showApparentProperties.checked = false;
    page.showAbdMatrices.checked = false;
  }
  page.showLayerMatrices.checked = false;
  page.calculateDoubleDouble.checked = false;
  page.showLoadVectors.checked = false;
  page.showPlyStresses.checked = false;
  page.showPlyFailure.checked = false;
  // The strain buttons keep their choice.
}

void clearMaterialsPage(MaterialsPage& page) {
  page.materialCount = "1";
  page.properties.reset(10);
  page.properties.setCell(0, 0, "1");
  homeCurrentCell(page.properties);
}

void clearStrengthPage(StrengthPage& page) {
  page.strengths.reset(10);
  page.strengths.setCell(0, 0, "1");
  homeCurrentCell(page.strengths);
}

void clearLayupPage(LayupPage& page) {
  page.layerCount.text.clear();
  page.layers.reset(100);
  page.symmetric.checked = false;
  homeCurrentCell(page.layers);
}

void clearLoadsPage(LoadsPage& page) {
  page.mechanicalLoad.checked = false;
  // Forces/Moments selected with an empty row under the force headings, so
  // the headings always name what the row will be read as.
  onForcesMomentsClicked(page);
  onMechanicalLoadClicked(page);

  page.temperatureLoad.checked = false;
  page.temperatureChange.text = "0";
  onTemperatureLoadClicked(page);

  page.moistureLoad.checked = false;
  page.moistureContent.text = "0";
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
