#include "forms/layup_plot.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <set>

#include "engine/engine_bounds.h"
#include "forms/plot_colours.h"
#include "forms/text_from_bytes.h"

namespace vc::forms {

namespace {

constexpr qreal kMargin = 24.0;
constexpr qreal kAxisWidth = 90.0;  // z labels left of the stack
constexpr qreal kTickLength = 6.0;

QString zText(double z) { return QString::number(z, 'g', 6); }

}  // namespace

LayupPlot::LayupPlot(const LaminateData& data, QWidget* parent)
    : PlotView(parent), data_(data), bands_(plyBands(data)) {
  setObjectName(QStringLiteral("plotLayup"));
  setAutoFillBackground(true);
  setBackgroundRole(QPalette::Base);
  setMinimumSize(200, 150);
}

QString LayupPlot::heading() const {
  return QStringLiteral("Layup: %1 plies, drawn to scale in z").arg(bands_.size());
}

void LayupPlot::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  draw(painter, size());
}

void LayupPlot::paintPlot(QPainter& painter, const QRectF& target, const QSizeF& layoutSize) {
  if (layoutSize.isEmpty()) return;
  const qreal scale =
      std::min(target.width() / layoutSize.width(), target.height() / layoutSize.height());
  painter.save();
  painter.translate(target.center().x() - layoutSize.width() * scale / 2.0,
                    target.center().y() - layoutSize.height() * scale / 2.0);
  painter.scale(scale, scale);
  painter.fillRect(QRectF(QPointF(0, 0), layoutSize), Qt::white);
  draw(painter, layoutSize);
  painter.restore();
}

void LayupPlot::draw(QPainter& painter, const QSizeF& size) {
  plyRectangles_.clear();
  if (bands_.empty()) return;
  QFont font = painter.font();
  font.setPixelSize(12);
  painter.setFont(font);
  const QFontMetricsF metrics(font);

  // The materials used, listed below the stack.
  std::set<int> materials;
  for (const PlyBand& b : bands_) materials.insert(b.material);
  const qreal legendHeight = metrics.height() * 1.4 * qreal(materials.size()) + kMargin;

  const double zBottom = bands_.front().zBottom, zTop = bands_.back().zTop;
  const QRectF stack(kMargin + kAxisWidth, kMargin + metrics.height(),
                     std::max(60.0, (size.width() - kAxisWidth - 2 * kMargin) * 0.5),
                     std::max(20.0, size.height() - 2 * kMargin - metrics.height() - legendHeight));
  const double span = zTop > zBottom ? zTop - zBottom : 1.0;
  auto yOf = [&](double z) { return stack.bottom() - (z - zBottom) / span * stack.height(); };

  painter.setPen(QPen(QColor(0x606060), 0));
  for (const PlyBand& b : bands_) {
    const QRectF ply(stack.left(), yOf(b.zTop), stack.width(), yOf(b.zBottom) - yOf(b.zTop));
    plyRectangles_.push_back(ply);
    painter.setBrush(plyFill(b.material, b.layer));
    painter.drawRect(ply);
    const QString label =
        QStringLiteral("%1:  %2").arg(b.layer).arg(QString::fromUtf8(plyBandLabel(b).c_str()));
    if (ply.height() >= metrics.height() && metrics.horizontalAdvance(label) + 8 < ply.width()) {
      painter.setPen(Qt::black);
      painter.drawText(ply.adjusted(6, 0, -6, 0), Qt::AlignVCenter | Qt::AlignLeft, label);
      painter.setPen(QPen(QColor(0x606060), 0));
    }
  }

  // The z axis: the faces, the mid-plane and every interface that has room.
  painter.setPen(QPen(Qt::black, 0));
  const qreal axisX = stack.left() - 10.0;
  painter.drawLine(QPointF(axisX, stack.top()), QPointF(axisX, stack.bottom()));
  painter.drawText(QRectF(axisX - 20, kMargin - 4, 40, metrics.height()), Qt::AlignCenter,
                   QStringLiteral("z"));
  qreal lastY = 1e9;
  std::vector<double> ticks = {zBottom};
  for (const PlyBand& b : bands_) ticks.push_back(b.zTop);
  for (double z : ticks) {
    const qreal y = yOf(z);
    // The mid-plane comes out of the sums of thicknesses as a rounding residue.
    if (std::fabs(z) < 1e-9 * span) z = 0.0;
    const bool face = z == zBottom || z == zTop;
    if (!face && (lastY - y < metrics.height() * 1.2 || y - stack.top() < metrics.height() * 1.2))
      continue;
    painter.drawLine(QPointF(axisX - kTickLength, y), QPointF(axisX, y));
    painter.drawText(
        QRectF(kMargin - 10, y - metrics.height() / 2, kAxisWidth - 4, metrics.height()),
        Qt::AlignRight | Qt::AlignVCenter, zText(z));
    lastY = y;
  }

  // The materials, each with its fill.
  qreal y = stack.bottom() + kMargin;
  for (int m : materials) {
    const QRectF swatch(stack.left(), y, metrics.height() * 1.6, metrics.height());
    painter.setBrush(plyFill(m, 1));
    painter.setPen(QPen(QColor(0x606060), 0));
    painter.drawRect(swatch);
    painter.setPen(Qt::black);
    const bool known = m >= 1 && m <= materialLoopCount(data_);
    const QString description = known ? textFromBytes(data_.description[m]) : QString();
    painter.drawText(QPointF(swatch.right() + 8, y + metrics.ascent()),
                     QStringLiteral("mat %1%2")
                         .arg(m)
                         .arg(description.isEmpty() ? QString() : ": " + description));
    y += metrics.height() * 1.4;
  }
}

}  // namespace vc::forms
