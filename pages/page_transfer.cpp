#include "pages/page_transfer.h"
#include "engine/angle_units.h"
#include "engine/engine_bounds.h"

#include <cmath>
#include <cstring>
#include <initializer_list>
#include <string>

#include "engine/input_preparation.h"
#include "format/number_text.h"
#include "pages/page_reactions.h"

namespace vc {

namespace {

int clampInt(int value, int low, int high) {
  return value < low ? low : (value > high ? high : value);
}

// Copies a page text into a description slot, cut so that it always ends
// with its terminating zero.
void copyDescription(const std::string& text, char (&slot)[kDescriptionSize]) {
  std::memset(slot, 0, sizeof slot);
  const std::size_t n = text.size() < kDescriptionSize - 1 ? text.size() : kDescriptionSize - 1;
  std::memcpy(slot, text.data(), n);
}

std::string descriptionText(const char (&slot)[kDescriptionSize]) {
  const void* end = std::memchr(slot, '\0', kDescriptionSize);
  const std::size_t n =
      end ? static_cast<std::size_t>(static_cast<const char*>(end) - slot) : kDescriptionSize;
  return std::string(slot, n);
}

double cellReal(const TextGrid& grid, int row, int column) {
  return readPageReal(grid.cell(row, column));
}

// The per-material fields in the column order of the Materials grid
// (columns 1 to 8) and of the Strength grid (columns 1 to 5).
using MaterialField = double (LaminateData::*)[kMaxMaterials + 1];
const MaterialField kPropertyColumns[] = {
    &LaminateData::E1,   &LaminateData::E2,   &LaminateData::G12,  &LaminateData::v12,
    &LaminateData::CTE1, &LaminateData::CTE2, &LaminateData::CME1, &LaminateData::CME2};
const MaterialField kStrengthColumns[] = {&LaminateData::Xt, &LaminateData::Xc, &LaminateData::Yt,
                                          &LaminateData::Yc, &LaminateData::S};

template <std::size_t N>
void copyMaterialRow(const TextGrid& grid, int m, const MaterialField (&columns)[N],
                     LaminateData& data) {
  for (std::size_t c = 0; c < N; ++c)
    (data.*columns[c])[m] = cellReal(grid, m - 1, static_cast<int>(c) + 1);
}

template <std::size_t N>
void showMaterialRow(const LaminateData& data, int m, const MaterialField (&columns)[N],
                     TextGrid& grid) {
  grid.setCell(m - 1, 0, std::to_string(m));
  for (std::size_t c = 0; c < N; ++c)
    grid.setCell(m - 1, static_cast<int>(c) + 1, pageNumberText((data.*columns[c])[m]));
}

// The first cell of rows 0..rows-1 and the given columns that does not read
// as a finite number, named by its row and column heading.
bool nonFiniteCell(const TextGrid& grid, int rows, std::initializer_list<int> columns,
                   bool numbered, const char* pageName, std::string& where) {
  for (int r = 0; r < rows; ++r) {
    for (int c : columns) {
      if (std::isfinite(readPageReal(grid.cell(r, c)))) continue;
      where = (numbered ? "Row " + std::to_string(r + 1) + ", column " : std::string("Column ")) +
              grid.heading(c) + " of the " + pageName + " page";
      return true;
    }
  }
  return false;
}

}  // namespace

bool findNonFiniteNumber(const InputPages& pages, int& page, std::string& where) {
  const int materials = clampInt(readPageInt(pages.materials.materialCount), 1, kMaxMaterials);
  int layers = clampInt(readPageInt(pages.layup.layerCount.text), 0, kMaxLayers);
  if (pages.layup.symmetric.checked) layers -= layers / 2;  // the upper half is mirrored
  const LoadsPage& loads = pages.loads;
  if (nonFiniteCell(pages.materials.properties, materials, {1, 2, 3, 4, 5, 6, 7, 8}, true,
                    "Materials", where)) {
    page = kMaterialsPage;
  } else if (nonFiniteCell(pages.strength.strengths, materials, {1, 2, 3, 4, 5}, true, "Strength",
                           where)) {
    page = kStrengthPage;
  } else if (nonFiniteCell(pages.layup.layers, layers, {2, 3}, true, "Layup", where)) {
    page = kLayupPage;
  } else if (loads.mechanicalLoad.checked &&
             nonFiniteCell(loads.loadValues, 1, {0, 1, 2, 3, 4, 5}, false, "Loads", where)) {
    page = kLoadsPage;
  } else if ((loads.temperatureLoad.checked &&
              !std::isfinite(readPageReal(loads.temperatureChange.text))) ||
             (loads.moistureLoad.checked &&
              !std::isfinite(readPageReal(loads.moistureContent.text)))) {
    page = kLoadsPage;
    where =
        std::string("The ") +
        (loads.temperatureLoad.checked && !std::isfinite(readPageReal(loads.temperatureChange.text))
             ? "temperature change"
             : "percent moisture content") +
        " of the Loads page";
  } else {
    return false;
  }
  return true;
}

void copyPagesToData(const InputPages& pages, LaminateData& data) {
  const SettingsPage& settings = pages.settings;
  data.showApparent = settings.showApparentProperties.checked;
  data.showABD = settings.showAbdMatrices.checked;
  data.showLayerMatrices = settings.showLayerMatrices.checked;
  data.doubleDouble = settings.calculateDoubleDouble.checked;
  data.showLoadVectors = settings.showLoadVectors.checked;
  data.showPlyStresses = settings.showPlyStresses.checked;
  data.showTotalStrains = settings.totalStrains.selected;
  data.showFailure = settings.showPlyFailure.checked;

  // The record never holds more materials or layers than it has room for.
  data.numMaterials = clampInt(readPageInt(pages.materials.materialCount), 1, kMaxMaterials);
  const TextGrid& properties = pages.materials.properties;
  for (int m = 1; m <= data.numMaterials; ++m) {
    copyMaterialRow(properties, m, kPropertyColumns, data);
    copyDescription(properties.cell(m - 1, 9), data.description[m]);
  }
  for (int m = 1; m <= data.numMaterials; ++m)
    copyMaterialRow(pages.strength.strengths, m, kStrengthColumns, data);

  const LayupPage& layup = pages.layup;
  data.numLayers = clampInt(readPageInt(layup.layerCount.text), 0, kMaxLayers);
  data.symmetric = layup.symmetric.checked;
  for (int k = 1; k <= data.numLayers; ++k) {
    const int r = k - 1;
    data.MatID[k] = readPageInt(layup.layers.cell(r, 1));
    data.angle[k] = cellReal(layup.layers, r, 2);
    data.thickness[k] = cellReal(layup.layers, r, 3);
  }

  const LoadsPage& loads = pages.loads;
  data.mechanicalOn = loads.mechanicalLoad.checked;
  data.forcesGiven = loads.forcesMoments.selected;
  data.strainsGiven = loads.strainsCurvatures.selected;
  data.thermalOn = loads.temperatureLoad.checked;
  data.moistureOn = loads.moistureLoad.checked;
  const bool forces = data.mechanicalOn && data.forcesGiven;
  const bool strains = data.mechanicalOn && data.strainsGiven;
  for (int i = 1; i <= 6; ++i) {
    const double value = cellReal(loads.loadValues, 0, i - 1);
    data.mechLoad[i] = forces ? value : 0.0;
    data.midplaneStrain[i] = strains ? value : 0.0;
  }
  data.deltaT = data.thermalOn ? readPageReal(loads.temperatureChange.text) : 0.0;
  data.moistureGain = data.moistureOn ? readPageReal(loads.moistureContent.text) / 100.0 : 0.0;

  prepareCopiedInputs(data);
}

void showDataOnPages(const LaminateData& data, InputPages& pages) {
  const int nm = materialLoopCount(data);
  const int nl = layerLoopCount(data);

  MaterialsPage& materials = pages.materials;
  materials.materialCount = std::to_string(data.numMaterials);
  for (int m = 1; m <= nm; ++m) {
    showMaterialRow(data, m, kPropertyColumns, materials.properties);
    materials.properties.setCell(m - 1, 9, descriptionText(data.description[m]));
  }
  for (int m = 1; m <= nm; ++m)
    showMaterialRow(data, m, kStrengthColumns, pages.strength.strengths);

  LayupPage& layup = pages.layup;
  layup.symmetric.checked = false;  // the full stack is shown
  layup.layerCount.text = std::to_string(data.numLayers);
  for (int k = 1; k <= nl; ++k) {
    TextGrid& g = layup.layers;
    const int r = k - 1;
    g.setCell(r, 0, std::to_string(k));
    g.setCell(r, 1, std::to_string(data.MatID[k]));
    g.setCell(r, 2, pageNumberText(degreesFromRadians(data.angle[k])));
    g.setCell(r, 3, pageNumberText(data.thickness[k]));
  }

  LoadsPage& loads = pages.loads;
  if (data.loadKind == 1 || data.loadKind == 2) {
    loads.mechanicalLoad.checked = true;
    loads.temperatureLoad.checked = true;
    loads.moistureLoad.checked = true;
    const double* row;
    if (data.loadKind == 1) {
      onForcesMomentsClicked(loads);
      row = data.mechLoad;
    } else {
      onStrainsCurvaturesClicked(loads);
      row = data.midplaneStrain;
    }
    for (int i = 1; i <= 6; ++i) loads.loadValues.setCell(0, i - 1, pageNumberText(row[i]));
  } else {
    // No mechanical load in the file. A temperature change or moisture
    // content that the file does hold switches its load on, so that it is
    // applied rather than silently dropped.
    loads.mechanicalLoad.checked = false;
    if (data.deltaT != 0.0) loads.temperatureLoad.checked = true;
    if (data.moistureGain != 0.0) loads.moistureLoad.checked = true;
  }
  onMechanicalLoadClicked(loads);

  if (loads.temperatureLoad.checked) {
    loads.temperatureChange.text = pageNumberText(data.deltaT);
    if (data.deltaT == 0.0) loads.temperatureLoad.checked = false;
  }
  onTemperatureLoadClicked(loads);

  if (loads.moistureLoad.checked) {
    loads.moistureContent.text = pageNumberText(data.moistureGain * 100.0);
    if (data.moistureGain == 0.0) loads.moistureLoad.checked = false;
  }
  onMoistureLoadClicked(loads);
}

}  // namespace vc
