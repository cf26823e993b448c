// The "Through thickness" plot: three strains or stresses of the run
// against z, with the plies shaded behind them and labelled with their
// angle and material. When the run computed no ply results (no load, or no
// option that runs the strain step), it says so instead of plotting what
// the record happens to hold.
#pragma once

#include <vector>

#include "engine/laminate_data.h"
#include "forms/plot_view.h"
#include "plots/ply_bands.h"

class QChart;
class QChartView;
class QComboBox;
class QGraphicsRectItem;
class QGraphicsSimpleTextItem;
class QLabel;
class QLineSeries;

namespace vc::forms {

class ThroughThicknessPlot : public PlotView {
  Q_OBJECT

 public:
  explicit ThroughThicknessPlot(const LaminateData& data, QWidget* parent = nullptr);

  QString heading() const override;
  void paintPlot(QPainter& painter, const QRectF& target, const QSizeF& layoutSize) override;

  QChart* chart() const { return chart_; }

 private:
  void showQuantity(int index);
  void placeBands();

  const LaminateData& data_;
  const bool computed_;
  std::vector<PlyBand> bands_;
  QComboBox* quantityList_;
  QChartView* view_;
  QChart* chart_;
  QLabel* message_;
  QLineSeries* reference_ = nullptr;  // the series whose axes place the bands
  std::vector<QGraphicsRectItem*> bandItems_;
  std::vector<QGraphicsSimpleTextItem*> labelItems_;
};

}  // namespace vc::forms
