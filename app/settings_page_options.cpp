#include "app/settings_page_options.h"

namespace vc {

DataFileOptions optionsFromSettingsPage(const SettingsPage& page) {
  DataFileOptions o;
  o.showApparent = page.checkbox_1.checked;
  o.showABD = page.checkbox_2.checked;
  o.showLayerMatrices = page.checkbox_3.checked;
  o.showLoadVectors = page.checkbox_4.checked;
  o.showPlyStresses = page.checkbox_5.checked;
  o.effectiveStrains = page.optb_1.selected;
  o.showFailure = page.checkbox_6.checked;
  o.doubleDouble = page.checkbox_7.checked;
  return o;
}

void showOptionsOnSettingsPage(const DataFileOptions& o, SettingsPage& page) {
  page.checkbox_1.checked = o.showApparent;
  page.checkbox_2.checked = o.showABD;
  page.checkbox_3.checked = o.showLayerMatrices;
  page.checkbox_4.checked = o.showLoadVectors;
  page.checkbox_5.checked = o.showPlyStresses;
  page.optb_1.selected = o.effectiveStrains;
  page.optb_2.selected = !o.effectiveStrains;
  page.checkbox_6.checked = o.showFailure;
  page.checkbox_7.checked = o.doubleDouble;
}

}  // namespace vc
