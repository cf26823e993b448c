// The "Layup" plot: the stack of plies drawn to scale in z, layer 1 at the
// bottom, each ply shaded by its material and labelled with its number,
// angle and material, with the z axis beside it and the materials listed.
#pragma once

#include <vector>

#include "engine/laminate_data.h"
#include "forms/plot_view.h"
#include "plots/ply_bands.h"

namespace vc::forms {

class LayupPlot : public PlotView {
  Q_OBJECT

 public:
  explicit LayupPlot(const LaminateData& data, QWidget* parent = nullptr);

  QString heading() const override;
  void paintPlot(QPainter& painter, const QRectF& target, const QSizeF& layoutSize) override;

  // The ply rectangles of the last drawing, in its layout's pixels, bottom
  // ply first (tests check that they are to scale).
  const std::vector<QRectF>& plyRectangles() const { return plyRectangles_; }
  const std::vector<PlyBand>& bands() const { return bands_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void draw(QPainter& painter, const QSizeF& size);

  const LaminateData& data_;
  std::vector<PlyBand> bands_;
  std::vector<QRectF> plyRectangles_;
};

}  // namespace vc::forms
