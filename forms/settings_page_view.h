// The Settings page (TabForm1): the report options. It has no reactions of
// its own; a run reads it.
#pragma once

#include <QWidget>

#include "pages/input_pages.h"

class QButtonGroup;
class QCheckBox;
class QRadioButton;

namespace vc {

class TabForm1 : public QWidget {
  Q_OBJECT

 public:
  TabForm1(SettingsPage& page, QWidget* parent = nullptr);
  void refresh();

 private:
  SettingsPage& page_;
  QCheckBox* box1_;
  QCheckBox* box2_;
  QCheckBox* box3_;
  QCheckBox* box7_;
  QCheckBox* box4_;
  QCheckBox* box5_;
  QCheckBox* box6_;
  QRadioButton* effective_;
  QRadioButton* total_;
  QButtonGroup* strainGroup_;
};

}  // namespace vc
