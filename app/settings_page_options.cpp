#include "app/settings_page_options.h"

namespace vc {

DataFileOptions optionsFromSettingsPage(const SettingsPage& page) {
  DataFileOptions o;
  o.showApparent = page.showApparentProperties.checked;
  o.showABD = page.showAbdMatrices.checked;
  o.showLayerMatrices = page.showLayerMatrices.checked;
  o.showLoadVectors = page.showLoadVectors.checked;
  o.showPlyStresses = page.showPlyStresses.checked;
  o.effectiveStrains = page.effectiveStrains.selected;
  o.showFailure = page.showPlyFailure.checked;
  o.doubleDouble = page.calculateDoubleDouble.checked;
  return o;
}

void showOptionsOnSettingsPage(const DataFileOptions& o, SettingsPage& page) {
  page.showApparentProperties.checked = o.showApparent;
  page.showAbdMatrices.checked = o.showABD;
  page.showLayerMatrices.checked = o.showLayerMatrices;
  page.showLoadVectors.checked = o.showLoadVectors;
  page.showPlyStresses.checked = o.showPlyStresses;
  page.effectiveStrains.selected = o.effectiveStrains;
  page.totalStrains.selected = !o.effectiveStrains;
  page.showPlyFailure.checked = o.showFailure;
  page.calculateDoubleDouble.checked = o.doubleDouble;
}

}  // namespace vc
