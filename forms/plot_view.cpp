#include "forms/plot_view.h"

#include <QChart>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QPainter>

namespace vc::forms {

void PlotView::paintChart(QChart& chart, QPainter& painter, const QRectF& target,
                          const QSizeF& layoutSize) {
  const QSizeF shown = chart.size();
  chart.resize(layoutSize);
  if (chart.layout() != nullptr) chart.layout()->activate();
  chart.scene()->render(&painter, target, QRectF(chart.scenePos(), layoutSize),
                        Qt::KeepAspectRatio);
  chart.resize(shown);
  if (chart.layout() != nullptr) chart.layout()->activate();
}

void PlotView::paintMessage(QPainter& painter, const QRectF& target, const QString& text) {
  painter.save();
  painter.setPen(Qt::black);
  QFont font = painter.font();
  font.setPixelSize(std::max(1, int(target.height() / 30)));
  painter.setFont(font);
  painter.drawText(target.adjusted(target.width() / 10, 0, -target.width() / 10, 0),
                   Qt::AlignCenter | Qt::TextWordWrap, text);
  painter.restore();
}

}  // namespace vc::forms
