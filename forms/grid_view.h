// The table view of one page grid. It keeps the grid's current cell and
// selection anchor up to date for the page code, runs the page's "&Edit"
// context menu commands (when the page has them) and re-reads the grid on
// refresh(). Like any spreadsheet it also empties the selected cells on
// Delete and copies and pastes blocks of tab-separated text through the
// system clipboard (Ctrl+C, Ctrl+V).
#pragma once

#include <QTableView>

#include "forms/text_grid_model.h"
#include "pages/grid_editing.h"
#include "pages/input_pages.h"

class QMenu;

namespace vc::forms {

class GridView : public QTableView {
  Q_OBJECT

 public:
  GridView(TextGrid& grid, const QString& objectName, QWidget* parent = nullptr);

  // Gives the grid its "&Edit" context menu (object name `menuName`) with the
  // row and cell commands, and the column commands when the rules have them.
  // The commands remember their source in `clipboard`, the page's own.
  void addEditMenu(const QString& menuName, GridClipboard& clipboard, const GridEditRules& rules);
  QMenu* editMenu() const { return editMenu_; }

  // Shows the grid as it now stands: cells, headings, rows, enabled state
  // and, when page code moved it, the current cell.
  void refresh();

  // Keeps the view no wider than its columns (plus row numbers and scroll
  // bar), so a grid of a few columns does not trail an empty area.
  void fitWidthToColumns();

  // Limits the cells of `column` to `characters` characters, in the cell
  // editor and in what reaches the grid, with `toolTip` saying so.
  void limitColumn(int column, int characters, const QString& toolTip);

  // Puts the text of an open cell editor into the grid and closes it.
  void commitOpenEditor();

  TextGridModel* gridModel() const { return model_; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void followCursor();
  void runCommand(int id);
  void copySelection();
  void pasteClipboard();
  // Writes the cells through the model, as if the user typed each one.
  void typeCells(const std::vector<CellWrite>& writes);

  TextGrid& grid_;
  TextGridModel* model_;
  QMenu* editMenu_ = nullptr;
  GridClipboard* clipboard_ = nullptr;
  GridEditRules rules_{};
  int syncedRow_ = -1;
  int syncedColumn_ = -1;
};

}  // namespace vc::forms
