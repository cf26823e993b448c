// The "&Edit" commands of the Materials, Strength and Layup grids: copying
// whole rows, single cells and (on the Layup grid) runs of a column within
// the same grid. A copy command only remembers where its source is; a paste
// reads the source cells when it runs, so an edit made in between is pasted
// too. Nothing leaves the grid: the system clipboard is not used here.
//
// The spreadsheet habits that the grids keep beside these commands (Delete,
// copying and pasting tab-separated text through the system clipboard) are
// here as well, as plain operations on the grid's cells.
#pragma once

#include <string>
#include <vector>

#include "pages/input_pages.h"

namespace vc {

// The commands by the identifiers of the grids' "&Edit" menus.
enum GridCommand : int {
  kCopyRow = 1001,
  kDeleteRow = 1002,
  kPasteRow = 1003,
  kCopyCell = 1005,
  kPasteCell = 1006,
  kCopyColumn = 1008,
  kPasteColumn = 1009
};

// What the commands may touch in one page's grid: the data columns that the
// row commands cover (the number column and the Materials description are
// not among them) and whether the column commands exist.
struct GridEditRules {
  int firstDataColumn;
  int lastDataColumn;
  bool columnCommands;
};

// Materials: E1 to CME2. Strength: Xt to S. Layup: MatID, angle, thickness.
inline constexpr GridEditRules kMaterialsGridRules{1, 8, false};
inline constexpr GridEditRules kStrengthGridRules{1, 5, false};
inline constexpr GridEditRules kLayupGridRules{1, 3, true};

// Runs one command on the grid at its current cell and selection anchor.
// Commands the page does not have are ignored. No command renumbers the
// number column or reports anything.
void runGridCommand(int command, const GridEditRules& rules, TextGrid& grid,
                    GridClipboard& clipboard);

// The rectangle of cells between the grid's current cell and its selection
// anchor, inclusive, as the user selected it.
struct CellBlock {
  int top;
  int left;
  int bottom;
  int right;
};
CellBlock selectedBlock(const TextGrid& grid);

// One cell that a paste or Delete writes, with the text it gets.
struct CellWrite {
  int row;
  int column;
  std::string text;
};

// Delete: every cell of the block becomes empty.
std::vector<CellWrite> emptiedCells(const CellBlock& block);

// Tab-separated text (cells split by tabs, rows by line feeds, a CR before a
// line feed dropped), as spreadsheets put a block on the clipboard. The block
// text ends with a line feed after its last row.
std::string tabSeparatedText(const std::vector<std::vector<std::string>>& rows);
std::vector<std::vector<std::string>> splitTabSeparated(const std::string& text);

// The cells that pasting `text` with its first cell at (row, column) writes:
// rows and columns past the grid's edges are cut off.
std::vector<CellWrite> pastedCells(const TextGrid& grid, int row, int column,
                                   const std::string& text);

}  // namespace vc
