// The plots window: the results of one run as pictures, in four tabs
// ("Through thickness", "Stiffness", "Failure envelope", "Layup"), each
// exportable as PNG, SVG or PDF. Opened modally from the results window on
// that window's run; each tab is built when first shown.
#pragma once

#include <QDialog>
#include <QString>

#include "app/file_chooser.h"
#include "engine/laminate_data.h"
#include "engine/messages.h"

class QPushButton;
class QTabWidget;

namespace vc::forms {

class PlotView;

// The plots window (Plots).
class PlotsWindow : public QDialog {
  Q_OBJECT

 public:
  // `data` is the record of the completed run the results window shows; it
  // must outlive the window. `folder` is the results window's folder, used
  // and updated by the export dialog.
  PlotsWindow(const LaminateData& data, FileChooser* chooser, MessageSink* messages,
              QString* folder, QWidget* parent = nullptr);

  static constexpr int kPlotCount = 4;
  // The plot of a tab, built now when it was not yet.
  PlotView* plot(int tab);
  void showTab(int tab);
  // Exports the plot of the current tab. Returns whether a file was written.
  bool exportCurrentPlot();

 private:
  const LaminateData& data_;
  FileChooser* chooser_;
  MessageSink* messages_;
  QString* folder_;
  QTabWidget* tabs_;
  PlotView* plots_[kPlotCount] = {};
  QPushButton* exportButton_;
  QPushButton* closeButton_;
};

}  // namespace vc::forms
