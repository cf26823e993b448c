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

namespace vc::forms {

class GridView;

class LoadsPage : public QWidget {
  Q_OBJECT

 public:
  explicit LoadsPage(vc::LoadsPage& page, QWidget* parent = nullptr);
  void refresh();
  GridView* grid() const { return grid_; }

 private:
  vc::LoadsPage& page_;
  QCheckBox* mechanicalLoad_;
  QRadioButton* forcesMoments_;
  QRadioButton* strainsCurvatures_;
  QButtonGroup* kindGroup_;
  GridView* grid_;
  QCheckBox* temperatureLoad_;
  QLabel* temperatureLabel_;
  QLineEdit* temperatureBox_;
  QCheckBox* moistureLoad_;
  QLabel* moistureLabel_;
  QLineEdit* moistureBox_;
  QLabel* percentLabel_;
};

}  // namespace vc::forms
