#include "pages/micromechanics_page.h"

#include <array>
#include <string>

namespace vc {

namespace {

// Toolkit row of the fibre volume fraction, and what it shows when empty.
constexpr int kVolumeFractionRow = 11;
constexpr const char* kDefaultVolumeFraction = "0.60";

template <std::size_t N>
void labelRows(TextGrid& grid, const std::array<const char*, N>& labels) {
  for (std::size_t r = 0; r < N; ++r) grid.setCell(static_cast<int>(r), 0, labels[r]);
}

template <std::size_t N>
std::array<std::string, N> valueColumn(const TextGrid& grid) {
  std::array<std::string, N> cells;
  for (std::size_t r = 0; r < N; ++r) cells[r] = grid.cell(static_cast<int>(r), 1);
  return cells;
}

void emptyValues(TextGrid& grid, int rows) {
  for (int r = 0; r < rows; ++r) grid.setCell(r, 1, std::string());
}

}  // namespace

MicromechanicsPage::MicromechanicsPage()
    : fiberProps(kFiberRows, 2, {"Fiber Property", "Value"}),
      matrixProps(kMatrixRows, 2, {"Matrix Property", "Value"}),
      laminaProps(kLaminaRows, 2, {"Lamina Property", "Value"}) {
  labelRows(fiberProps, fiberRowLabels());
  labelRows(matrixProps, matrixRowLabels());
  labelRows(laminaProps, laminaRowLabels());
  fiberProps.setCell(kVolumeFractionRow, 1, kDefaultVolumeFraction);
}

void calculateLaminaOnPage(MicromechanicsPage& page) {
  page.fiber = readFiberProperties(valueColumn<kFiberRows>(page.fiberProps));
  page.matrix = readMatrixProperties(valueColumn<kMatrixRows>(page.matrixProps));
  page.results = calculateLamina(page.fiber, page.matrix);
  const std::array<std::string, kLaminaRows> texts = laminaResultTexts(page.results);
  for (int r = 0; r < kLaminaRows; ++r) page.laminaProps.setCell(r, 1, texts[r]);
}

void clearMicromechanicsPage(MicromechanicsPage& page, bool everyRow) {
  emptyValues(page.fiberProps, everyRow ? kFiberRows : 12);
  page.fiberProps.setCell(kVolumeFractionRow, 1, kDefaultVolumeFraction);
  emptyValues(page.matrixProps, everyRow ? kMatrixRows : 8);
  emptyValues(page.laminaProps, everyRow ? kLaminaRows : 13);
}

}  // namespace vc
