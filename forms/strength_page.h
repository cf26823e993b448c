// The Strength page (TabForm7): the grid of ply material strengths with the
// page's "&Edit" context menu.
#pragma once

#include <QWidget>

#include "pages/input_pages.h"

namespace vc::forms {

class GridView;

class StrengthPage : public QWidget {
  Q_OBJECT

 public:
  explicit StrengthPage(vc::StrengthPage& page, QWidget* parent = nullptr);
  void refresh();
  GridView* grid() const { return grid_; }

 private:
  vc::StrengthPage& page_;
  GridView* grid_;
};

}  // namespace vc::forms
