// The grids' Edit commands and spreadsheet habits on the page models.
// Rows in the tables are toolkit rows (the user's row k is row k - 1).

#include <gtest/gtest.h>

#include <map>
#include <sstream>
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

// Each row runs its steps on a grid of the page named (M Materials 10 x 10,
// S Strength 10 x 6, L Layup 100 x 4) and then expects cells "row,column=text".
// A step is a command (CC/PC copy/paste cell, CR/PR/DR copy/paste/delete row,
// CL/PL copy/paste column) or T, typing, at "row column anchorRow".
TEST(GridEditing, CommandsReadTheirSourceAtPasteTime) {
  const struct {
    const char* name;
    char page;
    const char* steps;
    const char* expected;
  } cases[] = {
      {"row 2 onto row 5 keeps Mat_ID and description", 'M', "CR 1 4 1; PR 4 0 4",
       "4,0=r4c0 4,1=r1c1 4,8=r1c8 4,9=r4c9"},
      {"delete row keeps Mat_ID and description", 'M', "DR 2 5 2", "2,0=r2c0 2,1= 2,8= 2,9=r2c9"},
      {"delete strength row keeps Mat_ID", 'S', "DR 3 2 3", "3,0=r3c0 3,1= 3,5= 4,1=r4c1"},
      {"paste row after copy cell pastes the cell's row", 'S', "CC 2 4 2; PR 6 0 6",
       "6,0=r6c0 6,1=r2c1 6,5=r2c5"},
      {"paste row after delete row empties the target", 'M', "DR 0 1 0; PR 3 1 3",
       "3,0=r3c0 3,4= 3,9=r3c9"},
      {"an edit after copy row is pasted", 'M', "CR 1 1 1; T 1 2 1 edited; PR 5 1 5",
       "5,2=edited 5,3=r1c3"},
      {"paste cell into another column, even the number column", 'M',
       "CC 2 9 2; PC 7 0 7; PC 8 3 8", "7,0=r2c9 8,3=r2c9 7,1=r7c1"},
      {"paste cell after copy column reads the copied column", 'L', "CC 5 1 5; CL 8 3 9; PC 0 2 0",
       "0,2=r5c3"},
      {"angles 2-4 pasted at row 10", 'L', "CL 1 2 3; PL 9 2 9",
       "8,2=r8c2 9,2=r1c2 10,2=r2c2 11,2=r3c2 12,2=r12c2"},
      {"overlapping paste repeats the first value", 'L', "CL 1 2 3; PL 2 2 2",
       "1,2=r1c2 2,2=r1c2 3,2=r1c2 4,2=r1c2 5,2=r5c2"},
      {"angles pasted into the thickness column", 'L', "CL 0 2 1; PL 0 3 0",
       "0,3=r0c2 1,3=r1c2 0,2=r0c2"},
      {"anchor above the current row copies nothing", 'L', "CL 3 2 1; PL 6 2 6",
       "6,2=r6c2 7,2=r7c2"},
      {"rows past the last row are not written", 'L', "CL 0 1 4; PL 98 1 98",
       "98,1=r0c1 99,1=r1c1"},
      {"no column commands on the Materials grid", 'M', "CL 0 1 4; PL 5 1 5", "5,1=r5c1"},
  };
  const std::map<std::string, int> commands = {
      {"CC", kCopyCell},  {"PC", kPasteCell},  {"CR", kCopyRow},    {"PR", kPasteRow},
      {"DR", kDeleteRow}, {"CL", kCopyColumn}, {"PL", kPasteColumn}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const GridEditRules rules = c.page == 'M'   ? kMaterialsGridRules
                                : c.page == 'S' ? kStrengthGridRules
                                                : kLayupGridRules;
    TextGrid grid = c.page == 'L' ? namedGrid(100, 4) : namedGrid(10, c.page == 'M' ? 10 : 6);
    GridClipboard clipboard;
    std::istringstream steps(c.steps);
    std::string step;
    while (std::getline(steps, step, ';')) {
      std::istringstream in(step);
      std::string command, text;
      in >> command >> grid.currentRow >> grid.currentColumn >> grid.anchorRow >> text;
      grid.anchorColumn = grid.currentColumn;
      if (command == "T")
        grid.setCell(grid.currentRow, grid.currentColumn, text);
      else
        runGridCommand(commands.at(command), rules, grid, clipboard);
    }
    std::istringstream expected(c.expected);
    for (std::string cell; expected >> cell;) {
      const int row = std::stoi(cell), column = std::stoi(cell.substr(cell.find(',') + 1));
      EXPECT_EQ(grid.cell(row, column), cell.substr(cell.find('=') + 1)) << cell;
    }
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
