// A Qt table model over one page grid (vc::TextGrid). The grid object stays
// the only store of the cell texts; the model reads and writes it directly
// and is told to refresh whenever page code changed the grid behind its back.
#pragma once

#include <QAbstractTableModel>

#include "pages/input_pages.h"

namespace vc::forms {

class TextGridModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  TextGridModel(TextGrid& grid, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  // Re-reads the grid: cells, headings and, when it changed, the row count.
  void refresh();

  // Cells of `column` keep at most `characters` characters of what is
  // entered (whole characters, never part of one); the column's heading and
  // cells show `toolTip`.
  void limitColumn(int column, int characters, const QString& toolTip);

  TextGrid& grid() { return grid_; }

 private:
  TextGrid& grid_;
  int shownRows_;
  int shownColumns_;
  int limitedColumn_ = -1;
  int limitCharacters_ = 0;
  QString limitToolTip_;
};

}  // namespace vc::forms
