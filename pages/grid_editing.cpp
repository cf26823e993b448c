#include "pages/grid_editing.h"

#include <algorithm>

namespace vc {

void runGridCommand(int command, const GridEditRules& rules, TextGrid& grid,
                    GridClipboard& clipboard) {
  const int row = grid.currentRow;
  const int column = grid.currentColumn;
  switch (command) {
    case kCopyRow:
      clipboard.copiedRow = row;
      break;
    case kDeleteRow:
      // The emptied row becomes the copied one: a Paste Row right after it
      // empties the target row too.
      clipboard.copiedRow = row;
      for (int c = rules.firstDataColumn; c <= rules.lastDataColumn; ++c) grid.setCell(row, c, "");
      break;
    case kPasteRow:
      for (int c = rules.firstDataColumn; c <= rules.lastDataColumn; ++c) {
        // A copy first: the source and the target may be the same cell.
        const std::string text = grid.cell(clipboard.copiedRow, c);
        grid.setCell(row, c, text);
      }
      break;
    case kCopyCell:
      clipboard.copiedRow = row;
      clipboard.copiedColumn = column;
      break;
    case kPasteCell: {
      const std::string text = grid.cell(clipboard.copiedRow, clipboard.copiedColumn);
      grid.setCell(row, column, text);
      break;
    }
    case kCopyColumn:
      if (!rules.columnCommands) break;
      clipboard.copiedColumn = column;
      clipboard.runFirstRow = row;
      clipboard.runLastRow = grid.anchorRow;  // above the current row: an empty run
      break;
    case kPasteColumn:
      if (!rules.columnCommands) break;
      // One cell after the other from the top: where the target run overlaps
      // the source further down the column, later steps read cells that
      // earlier steps wrote, so the first value repeats down the run.
      for (int r = clipboard.runFirstRow; r <= clipboard.runLastRow; ++r) {
        const std::string text = grid.cell(r, clipboard.copiedColumn);
        grid.setCell(row + r - clipboard.runFirstRow, column, text);  // past the last row: ignored
      }
      break;
    default:
      break;
  }
}

CellBlock selectedBlock(const TextGrid& grid) {
  return {
      std::min(grid.currentRow, grid.anchorRow), std::min(grid.currentColumn, grid.anchorColumn),
      std::max(grid.currentRow, grid.anchorRow), std::max(grid.currentColumn, grid.anchorColumn)};
}

std::vector<CellWrite> emptiedCells(const CellBlock& block) {
  std::vector<CellWrite> writes;
  for (int r = block.top; r <= block.bottom; ++r)
    for (int c = block.left; c <= block.right; ++c) writes.push_back({r, c, std::string()});
  return writes;
}

std::string tabSeparatedText(const std::vector<std::vector<std::string>>& rows) {
  std::string text;
  for (const std::vector<std::string>& row : rows) {
    for (std::size_t c = 0; c < row.size(); ++c) {
      if (c > 0) text += '\t';
      text += row[c];
    }
    text += '\n';
  }
  return text;
}

std::vector<std::vector<std::string>> splitTabSeparated(const std::string& text) {
  std::vector<std::vector<std::string>> rows;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::vector<std::string> cells;
    std::size_t cellStart = 0;
    for (;;) {
      const std::size_t tab = line.find('\t', cellStart);
      cells.push_back(
          line.substr(cellStart, tab == std::string::npos ? std::string::npos : tab - cellStart));
      if (tab == std::string::npos) break;
      cellStart = tab + 1;
    }
    rows.push_back(std::move(cells));
    start = end + 1;
  }
  return rows;
}

std::vector<CellWrite> pastedCells(const TextGrid& grid, int row, int column,
                                   const std::string& text) {
  std::vector<CellWrite> writes;
  if (row < 0 || column < 0) return writes;
  const std::vector<std::vector<std::string>> rows = splitTabSeparated(text);
  for (std::size_t r = 0; r < rows.size(); ++r) {
    const int target = row + static_cast<int>(r);
    if (target >= grid.rowCount()) break;
    for (std::size_t c = 0; c < rows[r].size(); ++c) {
      const int targetColumn = column + static_cast<int>(c);
      if (targetColumn >= grid.columnCount()) break;
      writes.push_back({target, targetColumn, rows[r][c]});
    }
  }
  return writes;
}

}  // namespace vc
