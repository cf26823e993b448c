#include "forms/envelope_plot.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLegend>
#include <QLineSeries>
#include <QPen>
#include <QScatterSeries>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

#include "forms/plot_colours.h"
#include "plots/envelope_curves.h"

namespace vc::forms {

namespace {

const char* const kTreatments[kHygrothermalTreatmentCount] = {
    "(a) Temperature and moisture scaled with the load, as the report's factors",
    "(b) Temperature and moisture held fixed, only the mechanical load grows"};

}  // namespace

EnvelopePlot::EnvelopePlot(const LaminateData& data, QWidget* parent)
    : PlotView(parent), data_(data) {
  setObjectName(QStringLiteral("plotEnvelope"));
  pairList_ = new QComboBox(this);
  pairList_->setObjectName(QStringLiteral("combo_LoadPair"));
  for (int p = 0; p < kLoadPairCount; ++p) {
    const LoadPair pair = LoadPair(p);
    pairList_->addItem(QStringLiteral("%1 and %2")
                           .arg(QLatin1String(resultantName(firstResultant(pair))),
                                QLatin1String(resultantName(secondResultant(pair)))));
  }
  treatmentList_ = new QComboBox(this);
  treatmentList_->setObjectName(QStringLiteral("combo_Treatment"));
  for (const char* t : kTreatments) treatmentList_->addItem(QString::fromLatin1(t));
  note_ = new QLabel(this);
  note_->setObjectName(QStringLiteral("label_EnvelopeNote"));
  note_->setWordWrap(true);

  chart_ = new QChart;
  chart_->legend()->setAlignment(Qt::AlignTop);
  chart_->addAxis(new QValueAxis, Qt::AlignBottom);
  chart_->addAxis(new QValueAxis, Qt::AlignLeft);
  view_ = new QChartView(chart_, this);
  view_->setRenderHint(QPainter::Antialiasing);

  auto* lists = new QHBoxLayout;
  lists->addWidget(pairList_);
  lists->addWidget(treatmentList_);
  lists->addStretch(1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(lists);
  layout->addWidget(view_, 1);
  layout->addWidget(note_);

  for (QComboBox* list : {pairList_, treatmentList_}) {
    connect(list, qOverload<int>(&QComboBox::currentIndexChanged), this,
            [this] { showEnvelope(); });
  }
  showEnvelope();
}

void EnvelopePlot::choose(int pair, int treatment) {
  const QSignalBlocker blockPair(pairList_), blockTreatment(treatmentList_);
  pairList_->setCurrentIndex(pair);
  treatmentList_->setCurrentIndex(treatment);
  showEnvelope();
}

QString EnvelopePlot::heading() const {
  return QStringLiteral("First-ply failure envelope, %1, %2")
      .arg(pairList_->currentText(), treatmentList_->currentText().left(3));
}

void EnvelopePlot::showEnvelope() {
  const EnvelopeCurves curves =
      envelopeCurves(data_, LoadPair(pairList_->currentIndex()),
                     HygrothermalTreatment(treatmentList_->currentIndex()));
  chart_->removeAllSeries();
  auto* first = static_cast<QValueAxis*>(chart_->axes(Qt::Horizontal).value(0));
  auto* second = static_cast<QValueAxis*>(chart_->axes(Qt::Vertical).value(0));
  first->setTitleText(QString::fromLatin1(curves.firstTitle.c_str()));
  second->setTitleText(QString::fromLatin1(curves.secondTitle.c_str()));
  unavailable_ = curves.available
                     ? QString()
                     : QStringLiteral(
                           "No failure envelopes: a material has a zero strength, so first-ply "
                           "failure is not formed (as in the report's strength table).");
  QString note = unavailable_;
  if (curves.directionsLeftOut > 0) {
    note = QStringLiteral(
               "%1 points along which no ply fails below 9999 times the unit load are left out.")
               .arg(curves.directionsLeftOut);
  }
  note_->setText(note);
  note_->setVisible(!note.isEmpty());
  view_->setVisible(curves.available);

  double lowX = std::min(0.0, curves.load.x), highX = std::max(0.0, curves.load.x);
  double lowY = std::min(0.0, curves.load.y), highY = std::max(0.0, curves.load.y);
  for (size_t c = 0; c < curves.criteria.size(); ++c) {
    auto* series = new QLineSeries;
    series->setName(QString::fromLatin1(curves.criteria[c].name.c_str()));
    series->setPen(QPen(seriesColour(int(c)), 2));
    QList<QPointF> points;
    for (const PlotPoint& p : curves.criteria[c].points) {
      points.append(QPointF(p.x, p.y));
      lowX = std::min(lowX, p.x), highX = std::max(highX, p.x);
      lowY = std::min(lowY, p.y), highY = std::max(highY, p.y);
    }
    series->replace(points);
    chart_->addSeries(series);
    series->attachAxis(first);
    series->attachAxis(second);
  }
  auto* load = new QScatterSeries;
  load->setName(QStringLiteral("Load of this run"));
  load->setColor(seriesColour(5));
  load->setMarkerSize(9.0);
  load->append(curves.load.x, curves.load.y);
  chart_->addSeries(load);
  load->attachAxis(first);
  load->attachAxis(second);

  const double padX = highX > lowX ? 0.05 * (highX - lowX) : 1.0;
  const double padY = highY > lowY ? 0.05 * (highY - lowY) : 1.0;
  first->setRange(lowX - padX, highX + padX);
  second->setRange(lowY - padY, highY + padY);
  first->applyNiceNumbers();
  second->applyNiceNumbers();
  first->setLabelFormat(QStringLiteral("%g"));
  second->setLabelFormat(QStringLiteral("%g"));
}

void EnvelopePlot::paintPlot(QPainter& painter, const QRectF& target, const QSizeF& layoutSize) {
  if (!unavailable_.isEmpty()) {
    paintMessage(painter, target, unavailable_);
    return;
  }
  paintChart(*chart_, painter, target, layoutSize);
}

}  // namespace vc::forms
