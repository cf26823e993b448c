// The Settings page (TabForm1): the report options. It has no reactions of
// its own; a run reads it.
#pragma once

#include <QWidget>

#include "pages/input_pages.h"

class QButtonGroup;
class QCheckBox;
class QRadioButton;

namespace vc::forms {

class SettingsPage : public QWidget {
  Q_OBJECT

 public:
  explicit SettingsPage(vc::SettingsPage& page, QWidget* parent = nullptr);
  void refresh();

 private:
  vc::SettingsPage& page_;
  QCheckBox* apparentProperties_;
  QCheckBox* abdMatrices_;
  QCheckBox* layerMatrices_;
  QCheckBox* doubleDouble_;
  QCheckBox* loadVectors_;
  QCheckBox* plyStresses_;
  QCheckBox* plyFailure_;
  QRadioButton* effectiveStrains_;
  QRadioButton* totalStrains_;
  QButtonGroup* strainGroup_;
};

}  // namespace vc::forms
