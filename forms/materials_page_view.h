// The Materials page (TabForm2) and the Strength page (TabForm7): the ply
// materials' properties and their strengths, each in a grid with the page's
// "&Edit" context menu.
#pragma once

#include <QWidget>

#include "engine/messages.h"
#include "pages/input_pages.h"

class QComboBox;
class QPushButton;

namespace vc {

class GridView;

class TabForm2 : public QWidget {
  Q_OBJECT

 public:
  TabForm2(MaterialsPage& page, MessageSink& messages, QWidget* parent = nullptr);
  void refresh();
  GridView* grid() const { return grid_; }

 signals:
  // "&Material Library" was clicked.
  void materialLibraryRequested();

 private:
  MaterialsPage& page_;
  MessageSink& messages_;
  QComboBox* count_;
  QPushButton* library_;
  GridView* grid_;
};

class TabForm7 : public QWidget {
  Q_OBJECT

 public:
  TabForm7(StrengthPage& page, QWidget* parent = nullptr);
  void refresh();
  GridView* grid() const { return grid_; }

 private:
  StrengthPage& page_;
  GridView* grid_;
};

}  // namespace vc
