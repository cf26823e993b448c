#include "forms/grid_view.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QScrollBar>
#include <QStyledItemDelegate>

namespace vc::forms {

namespace {

// The cell editor of a column that holds a limited number of characters.
class LimitedCellDelegate : public QStyledItemDelegate {
 public:
  LimitedCellDelegate(int characters, QObject* parent)
      : QStyledItemDelegate(parent), characters_(characters) {}
  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const override {
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    if (auto* line = qobject_cast<QLineEdit*>(editor)) line->setMaxLength(characters_);
    return editor;
  }

 private:
  int characters_;
};

}  // namespace

GridView::GridView(TextGrid& grid, const QString& objectName, QWidget* parent)
    : QTableView(parent), grid_(grid), model_(new TextGridModel(grid, this)) {
  setObjectName(objectName);
  setModel(model_);
  setSelectionMode(QAbstractItemView::ContiguousSelection);
  setSelectionBehavior(QAbstractItemView::SelectItems);
  setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                  QAbstractItemView::AnyKeyPressed);
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
  connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this](const QModelIndex&, const QModelIndex&) { followCursor(); });
  connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
          [this](const QItemSelection&, const QItemSelection&) { followCursor(); });
  refresh();
}

void GridView::addEditMenu(const QString& menuName, GridClipboard& clipboard,
                           const GridEditRules& rules) {
  clipboard_ = &clipboard;
  rules_ = rules;
  editMenu_ = new QMenu(QStringLiteral("&Edit"), this);
  editMenu_->setObjectName(menuName);
  struct Item {
    int id;
    const char* caption;
    const char* shortcut;
  };
  const Item rowAndCell[] = {
      {kCopyRow, "Copy &Row", "Ctrl+R"},   {kDeleteRow, "&Delete Row", "Ctrl+D"},
      {kPasteRow, "&Paste Row", "Ctrl+P"}, {0, nullptr, nullptr},
      {kCopyCell, "Copy C&ell", "Ctrl+E"}, {kPasteCell, "P&aste Cell", "Ctrl+A"}};
  const Item column[] = {{0, nullptr, nullptr},
                         {kCopyColumn, "Copy Co&lumn", "Ctrl+L"},
                         {kPasteColumn, "Pas&te Column", "Ctrl+T"}};
  auto add = [this](const Item& item) {
    if (item.caption == nullptr) {
      editMenu_->addSeparator();
      return;
    }
    QAction* action = editMenu_->addAction(QString::fromUtf8(item.caption));
    action->setObjectName(QStringLiteral("menu_%1").arg(item.id));
    action->setData(item.id);
    action->setShortcut(QKeySequence(QString::fromUtf8(item.shortcut)));
    // The keys work while this grid has the focus; there Ctrl+A pastes a
    // cell rather than selecting all. An open cell editor keeps the keys
    // that edit its text.
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    addAction(action);
    const int id = item.id;
    connect(action, &QAction::triggered, this, [this, id]() { runCommand(id); });
  };
  for (const Item& item : rowAndCell) add(item);
  if (rules.columnCommands) {
    for (const Item& item : column) add(item);
  }
  setContextMenuPolicy(Qt::CustomContextMenu);
  connect(this, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& pos) { editMenu_->exec(viewport()->mapToGlobal(pos)); });
}

void GridView::runCommand(int id) {
  if (clipboard_ == nullptr) return;
  commitOpenEditor();  // a paste must not be overwritten by a pending edit
  runGridCommand(id, rules_, grid_, *clipboard_);
  model_->refresh();
}

void GridView::keyPressEvent(QKeyEvent* event) {
  if (event == QKeySequence::Copy) {
    copySelection();
  } else if (event == QKeySequence::Paste) {
    pasteClipboard();
  } else if (event->key() == Qt::Key_Delete && event->modifiers() == Qt::NoModifier) {
    typeCells(emptiedCells(selectedBlock(grid_)));
  } else {
    QTableView::keyPressEvent(event);
    return;
  }
  event->accept();
}

void GridView::copySelection() {
  const CellBlock block = selectedBlock(grid_);
  std::vector<std::vector<std::string>> rows;
  for (int r = block.top; r <= block.bottom; ++r) {
    rows.emplace_back();
    for (int c = block.left; c <= block.right; ++c) {
      rows.back().push_back(
          model_->data(model_->index(r, c), Qt::DisplayRole).toString().toStdString());
    }
  }
  QApplication::clipboard()->setText(QString::fromStdString(tabSeparatedText(rows)));
}

// The block goes in with its first cell at the current cell.
void GridView::pasteClipboard() {
  const std::string text = QApplication::clipboard()->text().toStdString();
  typeCells(pastedCells(grid_, grid_.currentRow, grid_.currentColumn, text));
}

void GridView::typeCells(const std::vector<CellWrite>& writes) {
  commitOpenEditor();
  for (const CellWrite& w : writes) {
    model_->setData(model_->index(w.row, w.column), QString::fromStdString(w.text), Qt::EditRole);
  }
}

// The grid's current cell is where a selection started and its anchor the
// opposite corner, the cell the user dragged or shift-extended to (Qt's
// current index). A single cell is both.
void GridView::followCursor() {
  const QModelIndex current = selectionModel()->currentIndex();
  if (!current.isValid()) return;
  int startRow = current.row();
  int startColumn = current.column();
  for (const QItemSelectionRange& range : selectionModel()->selection()) {
    if (!range.contains(current)) continue;
    startRow = current.row() == range.top() ? range.bottom() : range.top();
    startColumn = current.column() == range.left() ? range.right() : range.left();
    break;
  }
  grid_.currentRow = startRow;
  grid_.currentColumn = startColumn;
  grid_.anchorRow = current.row();
  grid_.anchorColumn = current.column();
  syncedRow_ = startRow;
  syncedColumn_ = startColumn;
}

void GridView::refresh() {
  model_->refresh();
  setEnabled(grid_.enabled);
  if (grid_.currentRow != syncedRow_ || grid_.currentColumn != syncedColumn_) {
    const int row = grid_.currentRow;
    const int column = grid_.currentColumn;
    const QModelIndex target = model_->index(row, column);
    if (target.isValid()) {
      selectionModel()->setCurrentIndex(target, QItemSelectionModel::ClearAndSelect);
    }
    grid_.currentRow = row;
    grid_.currentColumn = column;
    grid_.anchorRow = row;
    grid_.anchorColumn = column;
    syncedRow_ = row;
    syncedColumn_ = column;
  }
  viewport()->update();
}

void GridView::fitWidthToColumns() {
  int width = 2 * frameWidth();
  if (verticalScrollBarPolicy() != Qt::ScrollBarAlwaysOff) {
    width += verticalScrollBar()->sizeHint().width();
  }
  if (!verticalHeader()->isHidden()) width += verticalHeader()->sizeHint().width();
  for (int c = 0; c < model_->columnCount(); ++c) width += columnWidth(c);
  setMaximumWidth(width);
}

void GridView::limitColumn(int column, int characters, const QString& toolTip) {
  model_->limitColumn(column, characters, toolTip);
  setItemDelegateForColumn(column, new LimitedCellDelegate(characters, this));
}

void GridView::commitOpenEditor() {
  if (state() != QAbstractItemView::EditingState) return;
  if (QWidget* editor = indexWidget(currentIndex())) {
    commitData(editor);
    closeEditor(editor, QAbstractItemDelegate::NoHint);
  }
}

}  // namespace vc::forms
