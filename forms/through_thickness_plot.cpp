#include "forms/through_thickness_plot.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QGraphicsRectItem>
#include <QGraphicsSimpleTextItem>
#include <QLabel>
#include <QLegend>
#include <QLineSeries>
#include <QPainter>
#include <QPen>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

#include "engine/through_thickness_view.h"
#include "forms/plot_colours.h"
#include "plots/through_thickness_curves.h"

namespace vc::forms {

namespace {

const char* const kNoPlyResults =
    "This run computed no ply strains or stresses, so there is nothing to plot through the "
    "thickness. They are computed when a load is applied and the Settings page asks for load "
    "vectors, ply stresses or the failure analysis.";

// Between the plot area's background (0) and its grid (2): the bands lie
// behind the grid lines and the curves.
constexpr qreal kBandLayer = 0.5;
constexpr qreal kLabelLayer = 0.6;

// 1, 2 or 5 times a power of ten, at least `rough` (rough > 0).
double roundStep(double rough) {
  if (!(rough > 0.0) || !std::isfinite(rough)) return 1.0;
  const double power = std::pow(10.0, std::floor(std::log10(rough)));
  for (const double m : {1.0, 2.0, 5.0}) {
    if (m * power >= rough) return m * power;
  }
  return 10.0 * power;
}

}  // namespace

ThroughThicknessPlot::ThroughThicknessPlot(const LaminateData& data, QWidget* parent)
    : PlotView(parent), data_(data), computed_(plyResultsComputed(data)), bands_(plyBands(data)) {
  setObjectName(QStringLiteral("plotThroughThickness"));
  quantityList_ = new QComboBox(this);
  quantityList_->setObjectName(QStringLiteral("combo_Quantity"));
  for (int q = 0; q < kThicknessQuantityCount; ++q) {
    quantityList_->addItem(QString::fromUtf8(thicknessQuantityName(ThicknessQuantity(q))));
  }
  chart_ = new QChart;
  chart_->legend()->setAlignment(Qt::AlignTop);
  auto* valueAxis = new QValueAxis;
  auto* zAxis = new QValueAxis;
  zAxis->setTitleText(QStringLiteral("z"));
  zAxis->setLabelFormat(QStringLiteral("%g"));
  chart_->addAxis(valueAxis, Qt::AlignBottom);
  chart_->addAxis(zAxis, Qt::AlignLeft);
  if (!bands_.empty()) {
    // The faces bound the axis; its ticks lie on round multiples of a step
    // from the mid-plane, so that z = 0 reads as 0.
    const double bottom = bands_.front().zBottom, top = bands_.back().zTop;
    zAxis->setRange(bottom, top);
    zAxis->setTickType(QValueAxis::TicksDynamic);
    zAxis->setTickAnchor(0.0);
    zAxis->setTickInterval(roundStep((top - bottom) / 5.0));
  }
  for (const PlyBand& band : bands_) {
    auto* rect = new QGraphicsRectItem(chart_);
    rect->setBrush(plyFill(band.material, band.layer));
    rect->setPen(QPen(QColor(0xa0a0a0), 0));
    rect->setZValue(kBandLayer);
    bandItems_.push_back(rect);
    auto* label =
        new QGraphicsSimpleTextItem(QString::fromUtf8(plyBandLabel(band).c_str()), chart_);
    label->setBrush(QColor(0x505050));
    label->setZValue(kLabelLayer);
    labelItems_.push_back(label);
  }
  view_ = new QChartView(chart_, this);
  view_->setRenderHint(QPainter::Antialiasing);
  message_ = new QLabel(QString::fromLatin1(kNoPlyResults), this);
  message_->setObjectName(QStringLiteral("label_NoPlyResults"));
  message_->setWordWrap(true);
  message_->setAlignment(Qt::AlignCenter);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(quantityList_, 0, Qt::AlignLeft);
  layout->addWidget(view_, 1);
  layout->addWidget(message_, 1);
  view_->setVisible(computed_);
  message_->setVisible(!computed_);
  quantityList_->setEnabled(computed_);

  connect(chart_, &QChart::plotAreaChanged, this, [this] { placeBands(); });
  connect(quantityList_, qOverload<int>(&QComboBox::currentIndexChanged), this,
          [this](int index) { showQuantity(index); });
  showQuantity(0);
}

QString ThroughThicknessPlot::heading() const {
  return QStringLiteral("Through thickness: ") + quantityList_->currentText();
}

void ThroughThicknessPlot::showQuantity(int index) {
  if (!computed_) return;
  const ThroughThicknessCurves curves = throughThicknessCurves(data_, ThicknessQuantity(index));
  chart_->removeAllSeries();
  reference_ = nullptr;
  QAbstractAxis* valueAxis = chart_->axes(Qt::Horizontal).value(0);
  QAbstractAxis* zAxis = chart_->axes(Qt::Vertical).value(0);
  valueAxis->setTitleText(QString::fromUtf8(curves.valueTitle.c_str()));
  double low = 0.0, high = 0.0;
  for (size_t c = 0; c < curves.curves.size(); ++c) {
    auto* series = new QLineSeries;
    series->setName(QString::fromUtf8(curves.curves[c].name.c_str()));
    series->setPen(QPen(seriesColour(int(c)), 2));
    QList<QPointF> points;
    for (const PlotPoint& p : curves.curves[c].points) {
      points.append(QPointF(p.x, p.y));
      if (std::isfinite(p.x)) low = std::min(low, p.x), high = std::max(high, p.x);
    }
    series->replace(points);
    chart_->addSeries(series);
    series->attachAxis(valueAxis);
    series->attachAxis(zAxis);
    if (reference_ == nullptr) reference_ = series;
  }
  auto* axis = static_cast<QValueAxis*>(valueAxis);
  const double pad = high > low ? 0.05 * (high - low) : 1.0;
  axis->setRange(low - pad, high + pad);
  axis->applyNiceNumbers();
  axis->setLabelFormat(QStringLiteral("%g"));
  placeBands();
}

void ThroughThicknessPlot::placeBands() {
  const QRectF area = chart_->plotArea();
  const QFontMetricsF metrics(labelItems_.empty() ? font() : labelItems_.front()->font());
  for (size_t i = 0; i < bands_.size(); ++i) {
    if (reference_ == nullptr) {
      bandItems_[i]->setVisible(false);
      labelItems_[i]->setVisible(false);
      continue;
    }
    const qreal top = chart_->mapToPosition(QPointF(0.0, bands_[i].zTop), reference_).y();
    const qreal bottom = chart_->mapToPosition(QPointF(0.0, bands_[i].zBottom), reference_).y();
    bandItems_[i]->setRect(QRectF(area.left(), top, area.width(), bottom - top));
    bandItems_[i]->setVisible(true);
    // A label only where the ply is tall enough to hold it.
    QGraphicsSimpleTextItem* label = labelItems_[i];
    const QRectF box = label->boundingRect();
    label->setPos(area.right() - box.width() - 4.0, (top + bottom - box.height()) / 2.0);
    label->setVisible(bottom - top >= metrics.height() && box.width() + 8.0 < area.width());
  }
}

void ThroughThicknessPlot::paintPlot(QPainter& painter, const QRectF& target,
                                     const QSizeF& layoutSize) {
  if (!computed_) {
    paintMessage(painter, target, QString::fromLatin1(kNoPlyResults));
    return;
  }
  paintChart(*chart_, painter, target, layoutSize);
}

}  // namespace vc::forms
