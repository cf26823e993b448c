// The table view of one page grid. It keeps the grid's current cell and
// selection anchor up to date for the page code, shows the page's "&Edit"
// context menu (when the page has one) and re-reads the grid on refresh().
#pragma once

#include <QTableView>

#include "forms/text_grid_model.h"
#include "pages/input_pages.h"

class QMenu;

namespace vc::forms {

// The grid editing commands of the context menus, by identifier.
enum GridCommand : int {
  kCopyRow = 1001,
  kDeleteRow = 1002,
  kPasteRow = 1003,
  kCopyCell = 1005,
  kPasteCell = 1006,
  kCopyColumn = 1008,
  kPasteColumn = 1009
};

class GridView : public QTableView {
  Q_OBJECT

 public:
  GridView(TextGrid& grid, const QString& objectName, QWidget* parent = nullptr);

  // Gives the grid its "&Edit" context menu (object name `menuName`) with the
  // row and cell commands, and the column commands when `withColumnCommands`.
  void addEditMenu(const QString& menuName, bool withColumnCommands);
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

 signals:
  void gridCommand(int id);

 private:
  void followCursor();

  TextGrid& grid_;
  TextGridModel* model_;
  QMenu* editMenu_ = nullptr;
  int syncedRow_ = -1;
  int syncedColumn_ = -1;
};

}  // namespace vc::forms
