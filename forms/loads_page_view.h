// The Loads page (TabForm4): the mechanical load row and the temperature
// and moisture loads, each switched on by its check box.
#pragma once

#include <QWidget>

#include "pages/input_pages.h"

class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace vc {

class GridView;

class TabForm4 : public QWidget {
  Q_OBJECT

 public:
  TabForm4(LoadsPage& page, QWidget* parent = nullptr);
  void refresh();
  GridView* grid() const { return grid_; }

 private:
  LoadsPage& page_;
  QCheckBox* mechanical_;
  QRadioButton* forces_;
  QRadioButton* strains_;
  QButtonGroup* kindGroup_;
  GridView* grid_;
  QCheckBox* temperature_;
  QLabel* temperatureLabel_;
  QLineEdit* temperatureBox_;
  QCheckBox* moisture_;
  QLabel* moistureLabel_;
  QLineEdit* moistureBox_;
  QLabel* percentLabel_;
};

}  // namespace vc
