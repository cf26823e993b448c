#include "pages/input_pages.h"

#include <utility>

#include "pages/page_reactions.h"

namespace vc {

namespace {

const std::string kEmptyText;

}  // namespace

TextGrid::TextGrid(int rows, int columns, std::vector<std::string> headings)
    : rows_(rows < 0 ? 0 : rows),
      columns_(columns < 0 ? 0 : columns),
      cells_(static_cast<std::size_t>(rows_) * static_cast<std::size_t>(columns_)),
      headings_(std::move(headings)) {
  headings_.resize(static_cast<std::size_t>(columns_));
}

const std::string& TextGrid::cell(int row, int column) const {
  if (row < 0 || row >= rows_ || column < 0 || column >= columns_) return kEmptyText;
  return cells_[static_cast<std::size_t>(row) * static_cast<std::size_t>(columns_) +
                static_cast<std::size_t>(column)];
}

void TextGrid::setCell(int row, int column, const std::string& text) {
  if (row < 0 || row >= rows_ || column < 0 || column >= columns_) return;
  cells_[static_cast<std::size_t>(row) * static_cast<std::size_t>(columns_) +
         static_cast<std::size_t>(column)] = text;
}

void TextGrid::clearCells() {
  for (std::string& text : cells_) text.clear();
}

void TextGrid::reset(int rows) {
  rows_ = rows < 0 ? 0 : rows;
  cells_.assign(static_cast<std::size_t>(rows_) * static_cast<std::size_t>(columns_),
                std::string());
}

const std::string& TextGrid::heading(int column) const {
  if (column < 0 || column >= columns_) return kEmptyText;
  return headings_[static_cast<std::size_t>(column)];
}

void TextGrid::setHeadings(const std::vector<std::string>& headings) {
  for (int c = 0; c < columns_; ++c) {
    const std::size_t i = static_cast<std::size_t>(c);
    headings_[i] = i < headings.size() ? headings[i] : std::string();
  }
}

MaterialsPage::MaterialsPage()
    : properties(10, 10,
                 {"Mat_ID", "E1", "E2", "G12", "v12", "CTE1", "CTE2", "CME1", "CME2",
                  "Material Description"}) {
  properties.setCell(0, 0, "1");
}

StrengthPage::StrengthPage()
    : strengths(10, 6, {"Mat_ID", "Xt (+)", "Xc (-)", "Yt (+)", "Yc (-)", "S (+)"}) {
  strengths.setCell(0, 0, "1");
}

LayupPage::LayupPage() : layers(100, 4, {"Layer", "MatID", "Ply Angle", "Thickness"}) {}

LoadsPage::LoadsPage() : loadValues(1, 6, {"NX", "NY", "NXY", "MX", "MY", "MXY"}) {
  // The controls that depend on the three load boxes follow the boxes from
  // the start (all clear, so all of them start disabled).
  onMechanicalLoadClicked(*this);
  onTemperatureLoadClicked(*this);
  onMoistureLoadClicked(*this);
}

}  // namespace vc
