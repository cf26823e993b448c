// The Micromechanics page (TabForm8): fibre and matrix properties in, the
// estimated ply properties out, in whatever units the inputs are in. The
// results go into the Materials and Strength pages through the main
// window's copy event, or into the user library editor.
#pragma once

#include <QWidget>

#include "pages/micromechanics_page.h"

class QComboBox;
class QRadioButton;

namespace vc::forms {

class GridView;

class MicromechanicsPage : public QWidget {
  Q_OBJECT

 public:
  explicit MicromechanicsPage(QWidget* parent = nullptr);

  vc::MicromechanicsPage& model() { return page_; }
  // Empties the value columns (all rows, or the first rows only as the
  // all-pages command does) and shows the page again.
  void clear(bool everyRow);
  void refresh();

 signals:
  // "&Save to Library" was clicked; the flags of the page model say how.
  // The user library editor is open until the connected handler returns.
  void saveToLibraryRequested();

 private:
  void calculate();
  void copyToTables();
  void saveToLibrary();

  vc::MicromechanicsPage page_;
  GridView* fiberGrid_;
  GridView* matrixGrid_;
  GridView* laminaGrid_;
  QComboBox* targetMaterial_;
  QRadioButton* english_;
};

}  // namespace vc::forms
