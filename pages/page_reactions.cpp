#include "pages/page_reactions.h"

#include <string>

#include "format/number_text.h"

namespace vc {

namespace {

const std::vector<std::string> kForceHeadings = {"NX", "NY", "NXY", "MX", "MY", "MXY"};
const std::vector<std::string> kStrainHeadings = {"eX", "eY", "gXY", "kX", "kY", "kXY"};

// Switching the load kind always discards the six values typed so far.
void startLoadRow(LoadsPage& page, const std::vector<std::string>& headings) {
  page.loadValues.enabled = true;
  page.loadValues.setHeadings(headings);
  page.loadValues.reset(1);
  page.loadValues.currentRow = 0;
  page.loadValues.currentColumn = 0;
  page.loadValues.anchorRow = 0;
  page.loadValues.anchorColumn = 0;
}

}  // namespace

void onMaterialCountSelected(MaterialsPage& page, MessageSink& messages) {
  const int n = readPageInt(page.materialCount);
  if (n > 10) {
    messages.inform("Violation", "Materials limited to 10.  Try again.");
    return;
  }
  TextGrid& grid = page.properties;
  for (int r = 0; r < n; ++r) grid.setCell(r, 0, std::to_string(r + 1));
  for (int r = n < 0 ? 0 : n; r < grid.rowCount(); ++r) {
    for (int c = 0; c < grid.columnCount(); ++c) grid.setCell(r, c, std::string());
  }
  grid.currentRow = n > 0 ? n - 1 : 0;
}

void onLayerCountChanged(LayupPage& page, MessageSink& messages) {
  bool sym = page.symmetric.checked;
  int n = readPageInt(page.layerCount.text);
  if (n == 0) return;
  if (sym && n % 2 != 0) {
    messages.inform("Not an even number",
                    "For symmetry option, the number of layers must be an even number.");
    page.symmetric.checked = false;
    sym = false;
  }
  if (n > 100) {
    messages.inform("Error", "Layers limited to 100 total.  Reduce number of layers.");
    page.layerCount.text.clear();
    n = 0;
  }
  // With the symmetric option only the lower half of the stack is entered.
  const int shown = sym ? n / 2 : n;
  TextGrid& grid = page.layers;
  for (int r = 0; r < shown; ++r) grid.setCell(r, 0, std::to_string(r + 1));
  for (int r = shown < 0 ? 0 : shown; r < grid.rowCount(); ++r) {
    for (int c = 0; c < grid.columnCount(); ++c) grid.setCell(r, c, std::string());
  }
}

void onMechanicalLoadClicked(LoadsPage& page) {
  const bool on = page.mechanicalLoad.checked;
  page.forcesMoments.enabled = on;
  page.strainsCurvatures.enabled = on;
  page.loadValues.enabled = on;
}

void onForcesMomentsClicked(LoadsPage& page) {
  page.forcesMoments.selected = true;
  page.strainsCurvatures.selected = false;
  startLoadRow(page, kForceHeadings);
}

void onStrainsCurvaturesClicked(LoadsPage& page) {
  page.forcesMoments.selected = false;
  page.strainsCurvatures.selected = true;
  startLoadRow(page, kStrainHeadings);
}

void onTemperatureLoadClicked(LoadsPage& page) {
  const bool on = page.temperatureLoad.checked;
  page.temperatureLabel.enabled = on;
  page.temperatureChange.enabled = on;
}

void onMoistureLoadClicked(LoadsPage& page) {
  const bool on = page.moistureLoad.checked;
  page.moistureLabel.enabled = on;
  page.moistureContent.enabled = on;
  page.percentLabel.enabled = on;
}

}  // namespace vc
