#include "forms/text_grid_model.h"

#include <string>

#include "forms/text_from_bytes.h"

namespace vc::forms {

TextGridModel::TextGridModel(TextGrid& grid, QObject* parent)
    : QAbstractTableModel(parent),
      grid_(grid),
      shownRows_(grid.rowCount()),
      shownColumns_(grid.columnCount()) {}

int TextGridModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : shownRows_;
}

int TextGridModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : shownColumns_;
}

QVariant TextGridModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  if (role == Qt::ToolTipRole && index.column() == limitedColumn_) return limitToolTip_;
  if (role != Qt::DisplayRole && role != Qt::EditRole) return {};
  return textFromBytes(grid_.cell(index.row(), index.column()));
}

bool TextGridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (!index.isValid() || role != Qt::EditRole) return false;
  // An editor closed without a change keeps the cell's bytes (a Windows-1252
  // description read from a data file stays so).
  if (value.toString() == data(index, Qt::EditRole).toString()) return true;
  // The cell keeps the text exactly as typed; nothing is converted here.
  QString text = value.toString();
  if (index.column() == limitedColumn_) {
    const QList<uint> characters = text.toUcs4();  // whole characters, not UTF-16 units
    if (characters.size() > limitCharacters_) {
      text = QString::fromUcs4(reinterpret_cast<const char32_t*>(characters.constData()),
                               limitCharacters_);
    }
  }
  grid_.setCell(index.row(), index.column(), text.toStdString());
  emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
  return true;
}

Qt::ItemFlags TextGridModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsEditable;
}

QVariant TextGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role == Qt::ToolTipRole && orientation == Qt::Horizontal && section == limitedColumn_) {
    return limitToolTip_;
  }
  if (role != Qt::DisplayRole) return QAbstractTableModel::headerData(section, orientation, role);
  if (orientation == Qt::Horizontal) return QString::fromStdString(grid_.heading(section));
  return section + 1;  // rows as the user counts them
}

void TextGridModel::refresh() {
  if (grid_.rowCount() != shownRows_ || grid_.columnCount() != shownColumns_) {
    beginResetModel();
    shownRows_ = grid_.rowCount();
    shownColumns_ = grid_.columnCount();
    endResetModel();
    return;
  }
  if (shownRows_ > 0 && shownColumns_ > 0) {
    emit dataChanged(index(0, 0), index(shownRows_ - 1, shownColumns_ - 1));
  }
  if (shownColumns_ > 0) emit headerDataChanged(Qt::Horizontal, 0, shownColumns_ - 1);
}

void TextGridModel::limitColumn(int column, int characters, const QString& toolTip) {
  limitedColumn_ = column;
  limitCharacters_ = characters;
  limitToolTip_ = toolTip;
}

}  // namespace vc::forms
