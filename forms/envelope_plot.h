// The "Failure envelope" plot: for a pair of force resultants chosen from a
// list, the load at which the first ply fails under each of the five
// criteria, on 360 load directions, with the run's own load marked. The
// run's temperature and moisture either grow with the load (a: as the
// report's factors treat them) or stay fixed while only the mechanical load
// grows (b: residual stresses of curing).
#pragma once

#include "engine/laminate_data.h"
#include "forms/plot_view.h"

class QChart;
class QChartView;
class QComboBox;
class QLabel;

namespace vc::forms {

class EnvelopePlot : public PlotView {
  Q_OBJECT

 public:
  explicit EnvelopePlot(const LaminateData& data, QWidget* parent = nullptr);

  QString heading() const override;
  void paintPlot(QPainter& painter, const QRectF& target, const QSizeF& layoutSize) override;

  QChart* chart() const { return chart_; }
  // Selects a pair (0 NX-NY, 1 NX-NXY, 2 NY-NXY) and a treatment (0 a, 1 b).
  void choose(int pair, int treatment);

 private:
  void showEnvelope();

  const LaminateData& data_;
  QComboBox* pairList_;
  QComboBox* treatmentList_;
  QLabel* note_;
  QChartView* view_;
  QChart* chart_;
  QString unavailable_;  // why there is no envelope; empty when there is one
};

}  // namespace vc::forms
