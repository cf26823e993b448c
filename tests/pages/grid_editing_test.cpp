// The grids' Edit commands and spreadsheet habits on the page models.
// Rows in the tables are toolkit rows (the user's row k is row k - 1).

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pages/grid_editing.h"

namespace vc {
namespace {

// A grid whose every cell names itself ("r2c3"), so any move shows.
TextGrid namedGrid(int rows, int columns) {
  TextGrid g(rows, columns, {});
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < columns; ++c)
      g.setCell(r, c, "r" + std::to_string(r) + "c" + std::to_string(c));
  return g;
}

struct Step {
  int command;  // 0: the user types `text` into (row, column)
  int row, column, anchorRow;
  const char* text;
};
struct Cell {
  int row, column;
  const char* text;
};
struct Case {
  const char* name;
  GridEditRules rules;
  int rows, columns;
  std::vector<Step> steps;
  std::vector<Cell> expected;
};

TEST(GridEditing, CommandsReadTheirSourceAtPasteTime) {
  const GridEditRules mats = kMaterialsGridRules, str = kStrengthGridRules, lay = kLayupGridRules;
  const Case cases[] = {
      {"row 2 onto row 5 keeps Mat_ID and description",
       mats,
       10,
       10,
       {{kCopyRow, 1, 4, 1, ""}, {kPasteRow, 4, 0, 4, ""}},
       {{4, 0, "r4c0"}, {4, 1, "r1c1"}, {4, 8, "r1c8"}, {4, 9, "r4c9"}}},
      {"delete row keeps Mat_ID and description",
       mats,
       10,
       10,
       {{kDeleteRow, 2, 5, 2, ""}},
       {{2, 0, "r2c0"}, {2, 1, ""}, {2, 8, ""}, {2, 9, "r2c9"}}},
      {"delete strength row keeps Mat_ID",
       str,
       10,
       6,
       {{kDeleteRow, 3, 2, 3, ""}},
       {{3, 0, "r3c0"}, {3, 1, ""}, {3, 5, ""}, {4, 1, "r4c1"}}},
      {"paste row after copy cell pastes the cell's row",
       str,
       10,
       6,
       {{kCopyCell, 2, 4, 2, ""}, {kPasteRow, 6, 0, 6, ""}},
       {{6, 0, "r6c0"}, {6, 1, "r2c1"}, {6, 5, "r2c5"}}},
      {"paste row after delete row empties the target",
       mats,
       10,
       10,
       {{kDeleteRow, 0, 1, 0, ""}, {kPasteRow, 3, 1, 3, ""}},
       {{3, 0, "r3c0"}, {3, 4, ""}, {3, 9, "r3c9"}}},
      {"an edit after copy row is pasted",
       mats,
       10,
       10,
       {{kCopyRow, 1, 1, 1, ""}, {0, 1, 2, 1, "edited"}, {kPasteRow, 5, 1, 5, ""}},
       {{5, 2, "edited"}, {5, 3, "r1c3"}}},
      {"paste cell into another column, even the number column",
       mats,
       10,
       10,
       {{kCopyCell, 2, 9, 2, ""}, {kPasteCell, 7, 0, 7, ""}, {kPasteCell, 8, 3, 8, ""}},
       {{7, 0, "r2c9"}, {8, 3, "r2c9"}, {7, 1, "r7c1"}}},
      {"paste cell after copy column reads the copied column",
       lay,
       100,
       4,
       {{kCopyCell, 5, 1, 5, ""}, {kCopyColumn, 8, 3, 9, ""}, {kPasteCell, 0, 2, 0, ""}},
       {{0, 2, "r5c3"}}},
      {"angles 2-4 pasted at row 10",
       lay,
       100,
       4,
       {{kCopyColumn, 1, 2, 3, ""}, {kPasteColumn, 9, 2, 9, ""}},
       {{8, 2, "r8c2"}, {9, 2, "r1c2"}, {10, 2, "r2c2"}, {11, 2, "r3c2"}, {12, 2, "r12c2"}}},
      {"overlapping paste repeats the first value",
       lay,
       100,
       4,
       {{kCopyColumn, 1, 2, 3, ""}, {kPasteColumn, 2, 2, 2, ""}},
       {{1, 2, "r1c2"}, {2, 2, "r1c2"}, {3, 2, "r1c2"}, {4, 2, "r1c2"}, {5, 2, "r5c2"}}},
      {"angles pasted into the thickness column",
       lay,
       100,
       4,
       {{kCopyColumn, 0, 2, 1, ""}, {kPasteColumn, 0, 3, 0, ""}},
       {{0, 3, "r0c2"}, {1, 3, "r1c2"}, {0, 2, "r0c2"}}},
      {"anchor above the current row copies nothing",
       lay,
       100,
       4,
       {{kCopyColumn, 3, 2, 1, ""}, {kPasteColumn, 6, 2, 6, ""}},
       {{6, 2, "r6c2"}, {7, 2, "r7c2"}}},
      {"rows past the last row are not written",
       lay,
       100,
       4,
       {{kCopyColumn, 0, 1, 4, ""}, {kPasteColumn, 98, 1, 98, ""}},
       {{98, 1, "r0c1"}, {99, 1, "r1c1"}}},
      {"no column commands on the Materials grid",
       mats,
       10,
       10,
       {{kCopyColumn, 0, 1, 4, ""}, {kPasteColumn, 5, 1, 5, ""}},
       {{5, 1, "r5c1"}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TextGrid grid = namedGrid(c.rows, c.columns);
    GridClipboard clipboard;
    for (const Step& s : c.steps) {
      grid.currentRow = s.row;
      grid.currentColumn = s.column;
      grid.anchorRow = s.anchorRow;
      grid.anchorColumn = s.column;
      if (s.command == 0)
        grid.setCell(s.row, s.column, s.text);
      else
        runGridCommand(s.command, c.rules, grid, clipboard);
    }
    for (const Cell& e : c.expected)
      EXPECT_EQ(grid.cell(e.row, e.column), e.text) << e.row << "," << e.column;
  }
}

TEST(GridEditing, BlocksAndTabSeparatedText) {
  TextGrid grid(10, 6, {});
  grid.currentRow = 4;
  grid.currentColumn = 1;
  grid.anchorRow = 2;
  grid.anchorColumn = 3;
  const CellBlock b = selectedBlock(grid);
  EXPECT_EQ(std::vector<int>({b.top, b.left, b.bottom, b.right}), std::vector<int>({2, 1, 4, 3}));
  EXPECT_EQ(emptiedCells(b).size(), 9u);

  using Rows = std::vector<std::vector<std::string>>;
  EXPECT_EQ(tabSeparatedText({{"1", "2.5e6"}, {"", "x"}}), "1\t2.5e6\n\tx\n");
  const struct {
    const char* text;
    Rows rows;
  } splits[] = {
      {"1\t2\r\n3\t\t4\r\n", {{"1", "2"}, {"3", "", "4"}}},  // a spreadsheet's block
      {"7", {{"7"}}},
      {"a\n\nb", {{"a"}, {""}, {"b"}}},
      {"", {}},
  };
  for (const auto& s : splits) EXPECT_EQ(splitTabSeparated(s.text), s.rows) << s.text;

  // Cut at the right and bottom edges of a 10 by 6 grid.
  const std::vector<CellWrite> writes = pastedCells(grid, 8, 4, "a\tb\tc\nd\te\tf\ng\th\ti\n");
  std::vector<std::string> placed;
  for (const CellWrite& w : writes)
    placed.push_back(std::to_string(w.row) + "," + std::to_string(w.column) + "=" + w.text);
  EXPECT_EQ(placed, std::vector<std::string>({"8,4=a", "8,5=b", "9,4=d", "9,5=e"}));
}

}  // namespace
}  // namespace vc
