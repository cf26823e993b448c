// One plot of the plots window: a widget holding the plot's own choices
// (lists) above its drawing, which can also paint the plot alone onto any
// painter, for an image, a vector file or a page of a PDF report.
#pragma once

#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QWidget>

class QChart;
class QPainter;

namespace vc::forms {

class PlotView : public QWidget {
  Q_OBJECT

 public:
  using QWidget::QWidget;

  // The plot's heading on paper and the stem of its file name offered for
  // export: "Through thickness: stresses σX, σY, τXY (laminate axes)".
  virtual QString heading() const = 0;

  // Paints the plot laid out at `layoutSize` (in pixels, which sets the
  // size of its lettering relative to the drawing) scaled into `target`.
  virtual void paintPlot(QPainter& painter, const QRectF& target, const QSizeF& layoutSize) = 0;

 protected:
  // The chart laid out at `layoutSize` and rendered into `target`; its
  // size on screen is put back afterwards.
  static void paintChart(QChart& chart, QPainter& painter, const QRectF& target,
                         const QSizeF& layoutSize);
  // A text in place of a plot that cannot be drawn.
  static void paintMessage(QPainter& painter, const QRectF& target, const QString& text);
};

}  // namespace vc::forms
