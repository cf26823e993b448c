#include "forms/stiffness_plot.h"

#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QLegend>
#include <QLineSeries>
#include <QPen>
#include <QPolarChart>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

#include "forms/plot_colours.h"
#include "plots/stiffness_curves.h"

namespace vc::forms {

namespace {

const char* const kDirectionTitle =
    "Direction \u03b8 of the X axis from the laminate's X axis (degrees)";
const char* const kModulusTitle = "EX, EY, GXY";

QLineSeries* newSeries(const PlotCurve& curve, int colour) {
  auto* series = new QLineSeries;
  series->setName(QString::fromStdString(curve.name));
  series->setPen(QPen(seriesColour(colour), 2));
  return series;
}

double largest(const PlotCurve& curve) {
  double top = 0.0;
  for (const PlotPoint& p : curve.points) {
    if (std::isfinite(p.y)) top = std::max(top, p.y);
  }
  return top;
}

}  // namespace

StiffnessPlot::StiffnessPlot(const LaminateData& data, QWidget* parent)
    : PlotView(parent), data_(data) {
  setObjectName(QStringLiteral("plotStiffness"));
  viewList_ = new QComboBox(this);
  viewList_->setObjectName(QStringLiteral("combo_View"));
  viewList_->addItems({QStringLiteral("Cartesian view"),
                       QStringLiteral("Polar view of EX, EY, GXY"),
                       QStringLiteral("Polar view of vXY")});
  stack_ = new QStackedWidget(this);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(viewList_, 0, Qt::AlignLeft);
  layout->addWidget(stack_, 1);
  connect(viewList_, qOverload<int>(&QComboBox::currentIndexChanged), this,
          [this](int index) { showView(index); });
  showView(0);
}

double StiffnessPlot::polarAngle(double directionDeg) {
  return std::fmod(450.0 - directionDeg, 360.0);
}

QString StiffnessPlot::heading() const {
  return QStringLiteral("Stiffness against direction: %1").arg(viewList_->currentText());
}

QChart* StiffnessPlot::chart() const {
  const QChartView* view = views_[viewList_->currentIndex()];
  return view ? view->chart() : nullptr;
}

void StiffnessPlot::showView(int index) {
  // Each view is built when first asked for.
  if (views_[index] == nullptr) {
    views_[index] = new QChartView(index == 0 ? makeCartesian() : makePolar(index == 2), stack_);
    views_[index]->setRenderHint(QPainter::Antialiasing);
    stack_->addWidget(views_[index]);
  }
  stack_->setCurrentWidget(views_[index]);
}

QChart* StiffnessPlot::makeCartesian() const {
  const StiffnessCurves curves = stiffnessCurves(data_, 180);
  auto* chart = new QChart;
  chart->legend()->setAlignment(Qt::AlignTop);
  auto* direction = new QValueAxis;
  direction->setTitleText(QString::fromUtf8(kDirectionTitle));
  direction->setRange(0.0, 180.0);
  direction->setTickCount(7);
  direction->setLabelFormat(QStringLiteral("%.0f"));
  auto* modulus = new QValueAxis;
  modulus->setTitleText(QString::fromLatin1(kModulusTitle));
  auto* poisson = new QValueAxis;
  poisson->setTitleText(QStringLiteral("vXY"));
  chart->addAxis(direction, Qt::AlignBottom);
  chart->addAxis(modulus, Qt::AlignLeft);
  chart->addAxis(poisson, Qt::AlignRight);
  const PlotCurve* all[4] = {&curves.EX, &curves.EY, &curves.GXY, &curves.vXY};
  for (int i = 0; i < 4; ++i) {
    QLineSeries* series = newSeries(*all[i], i);
    QList<QPointF> points;
    for (const PlotPoint& p : all[i]->points) points.append(QPointF(p.x, p.y));
    series->replace(points);
    chart->addSeries(series);
    series->attachAxis(direction);
    series->attachAxis(i < 3 ? modulus : poisson);
  }
  const double top = std::max({largest(curves.EX), largest(curves.EY), largest(curves.GXY)});
  modulus->setRange(0.0, top > 0.0 ? 1.05 * top : 1.0);
  modulus->applyNiceNumbers();
  modulus->setLabelFormat(QStringLiteral("%g"));
  double low = 0.0, high = 0.0;
  for (const PlotPoint& p : curves.vXY.points) {
    if (std::isfinite(p.y)) low = std::min(low, p.y), high = std::max(high, p.y);
  }
  poisson->setRange(low, high > low ? high + 0.05 * (high - low) : low + 1.0);
  poisson->applyNiceNumbers();
  poisson->setLabelFormat(QStringLiteral("%g"));
  return chart;
}

QChart* StiffnessPlot::makePolar(bool poissonRatio) const {
  const StiffnessCurves curves = stiffnessCurves(data_, 359);
  auto* chart = new QPolarChart;
  chart->legend()->setAlignment(Qt::AlignTop);
  chart->setTitle(
      QStringLiteral("%1 against the direction \u03b8 of the X axis from the laminate's X axis")
          .arg(QLatin1String(poissonRatio ? "vXY" : kModulusTitle)));
  // Labels every 30 degrees where the directions lie: 0 at the right,
  // growing counter-clockwise.
  auto* angular = new QCategoryAxis;
  angular->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
  angular->setRange(0.0, 360.0);
  for (int value = 30; value <= 360; value += 30) {
    angular->append(QStringLiteral("%1\u00b0").arg(polarAngle(value)), value);
  }
  auto* radial = new QValueAxis;
  chart->addAxis(angular, QPolarChart::PolarOrientationAngular);
  chart->addAxis(radial, QPolarChart::PolarOrientationRadial);
  const PlotCurve* moduli[3] = {&curves.EX, &curves.EY, &curves.GXY};
  const int first = poissonRatio ? 3 : 0, last = poissonRatio ? 3 : 2;
  double low = 0.0, high = 0.0;
  for (int i = first; i <= last; ++i) {
    const PlotCurve& curve = i < 3 ? *moduli[i] : curves.vXY;
    QLineSeries* series = newSeries(curve, i);
    // In order of the chart's angle, so that the curve never crosses the
    // seam at the top; the last point closes it.
    QList<QPointF> points;
    for (int a = 0; a <= 360; ++a) {
      const int direction = int(polarAngle(a)) % 360;  // the same turn both ways
      const double value = curve.points[direction].y;
      points.append(QPointF(a, value));
      if (std::isfinite(value)) low = std::min(low, value), high = std::max(high, value);
    }
    series->replace(points);
    chart->addSeries(series);
    series->attachAxis(angular);
    series->attachAxis(radial);
  }
  radial->setRange(low, high > low ? high * 1.05 : low + 1.0);
  radial->applyNiceNumbers();
  radial->setLabelFormat(QStringLiteral("%g"));
  return chart;
}

void StiffnessPlot::paintPlot(QPainter& painter, const QRectF& target, const QSizeF& layoutSize) {
  paintChart(*chart(), painter, target, layoutSize);
}

}  // namespace vc::forms
