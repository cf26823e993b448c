// The Materials page (TabForm2): the material count and the grid of ply
// material properties with the page's "&Edit" context menu.
#pragma once

#include <QWidget>

#include "engine/messages.h"
#include "pages/input_pages.h"

class QComboBox;
class QPushButton;

namespace vc::forms {

class GridView;

class MaterialsPage : public QWidget {
  Q_OBJECT

 public:
  MaterialsPage(vc::MaterialsPage& page, MessageSink& messages, QWidget* parent = nullptr);
  void refresh();
  GridView* grid() const { return grid_; }

 signals:
  // "&Material Library" was clicked.
  void materialLibraryRequested();

 private:
  vc::MaterialsPage& page_;
  MessageSink& messages_;
  QComboBox* materialCount_;
  QPushButton* libraryButton_;
  GridView* grid_;
};

}  // namespace vc::forms
