// The "Stiffness" plot: the apparent in-plane constants EX, EY, GXY and vXY
// of the laminate against the direction of the X axis they are measured
// along, in a Cartesian view (0 to 180 degrees; the constants repeat every
// 180) or polar views of the moduli and of vXY (0 degrees to the right,
// counter-clockwise, as the ply angles are measured).
#pragma once

#include "engine/laminate_data.h"
#include "forms/plot_view.h"

class QChart;
class QChartView;
class QComboBox;
class QStackedWidget;

namespace vc::forms {

class StiffnessPlot : public PlotView {
  Q_OBJECT

 public:
  explicit StiffnessPlot(const LaminateData& data, QWidget* parent = nullptr);

  QString heading() const override;
  void paintPlot(QPainter& painter, const QRectF& target, const QSizeF& layoutSize) override;

  // The chart shown: Cartesian or polar.
  QChart* chart() const;
  // Where a direction (degrees, counter-clockwise from X) lies on the
  // polar chart's angular axis, which runs clockwise from the top.
  static double polarAngle(double directionDeg);

 private:
  void showView(int index);
  QChart* makeCartesian() const;
  QChart* makePolar(bool poissonRatio) const;

  const LaminateData& data_;
  QComboBox* viewList_;
  QStackedWidget* stack_;
  QChartView* views_[3] = {nullptr, nullptr, nullptr};
};

}  // namespace vc::forms
