#include "pages/page_reactions.h"

#include <string>

#include "format/number_text.h"

namespace vc {

namespace {

const std::vector<std::string> kForceHeadings = {"NX", "NY", "NXY", "MX", "MY", "MXY"};
const std::vector<std::string> kStrainHeadings = {"eX", "eY", "gXY", "kX", "kY", "kXY"};

// Switching the load kind always discards the six values typed so far.
void startLoadRow(LoadsPage& page, const std::vector<std::string>& headings) {
  page.grid_1.enabled = true;
  page.grid_1.setHeadings(headings);
  page.grid_1.reset(1);
  page.grid_1.currentRow = 0;
  page.grid_1.currentColumn = 0;
  page.grid_1.anchorRow = 0;
  page.grid_1.anchorColumn = 0;
}

}  // namespace

void onMaterialCountSelected(MaterialsPage& page, MessageSink& messages) {
  const int n = readPageInt(page.combo_1);
  if (n > 10) {
    messages.inform("Violation", "Materials limited to 10.  Try again.");
    return;
  }
  TextGrid& grid = page.matgrid;
  for (int r = 0; r < n; ++r) grid.setCell(r, 0, std::to_string(r + 1));
  for (int r = n < 0 ? 0 : n; r < grid.rowCount(); ++r) {
    for (int c = 0; c < grid.columnCount(); ++c) grid.setCell(r, c, std::string());
  }
  grid.currentRow = n > 0 ? n - 1 : 0;
}

void onLayerCountChanged(LayupPage& page, MessageSink& messages) {
  bool sym = page.checkbox_1.checked;
  int n = readPageInt(page.textb_1.text);
  if (n == 0) return;
  if (sym && n % 2 != 0) {
    messages.inform("Not an even number",
                    "For symmetry option, the number of layers must be an even number.");
    page.checkbox_1.checked = false;
    sym = false;
  }
  if (n > 100) {
    messages.inform("Error", "Layers limited to 100 total.  Reduce number of layers.");
    page.textb_1.text.clear();
    n = 0;
  }
  // With the symmetric option only the lower half of the stack is entered.
  const int shown = sym ? n / 2 : n;
  TextGrid& grid = page.grid_1;
  for (int r = 0; r < shown; ++r) grid.setCell(r, 0, std::to_string(r + 1));
  for (int r = shown < 0 ? 0 : shown; r < grid.rowCount(); ++r) {
    for (int c = 0; c < grid.columnCount(); ++c) grid.setCell(r, c, std::string());
  }
}

void onMechanicalLoadClicked(LoadsPage& page) {
  const bool on = page.checkbox_1.checked;
  page.optb_1.enabled = on;
  page.optb_2.enabled = on;
  page.grid_1.enabled = on;
}

void onForcesMomentsClicked(LoadsPage& page) {
  page.optb_1.selected = true;
  page.optb_2.selected = false;
  startLoadRow(page, kForceHeadings);
}

void onStrainsCurvaturesClicked(LoadsPage& page) {
  page.optb_1.selected = false;
  page.optb_2.selected = true;
  startLoadRow(page, kStrainHeadings);
}

void onTemperatureLoadClicked(LoadsPage& page) {
  const bool on = page.checkbox_2.checked;
  page.label_1.enabled = on;
  page.textb_1.enabled = on;
}

void onMoistureLoadClicked(LoadsPage& page) {
  const bool on = page.checkbox_3.checked;
  page.label_2.enabled = on;
  page.textb_2.enabled = on;
  page.label_3.enabled = on;
}

}  // namespace vc
