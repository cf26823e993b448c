// The sign-convention picture (pictb_1 of the Sign Convention window), 575 by
// 358 pixels, black on white: on the left a cross-section of the laminate
// with its layers, the middle surface and the interface coordinates measured
// along z downwards; on the right a plate element with the positive force
// resultants (upper half) and moment resultants (lower half). Drawn as
// vectors at paint time, so it stays sharp at any display scaling.
#pragma once

#include <QWidget>

class QPainter;

namespace vc::forms {

class SignConventionPicture : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kWidth = 575;
  static constexpr int kHeight = 358;

  explicit SignConventionPicture(QWidget* parent = nullptr);

  // Draws the picture into a kWidth by kHeight area at the painter's origin.
  static void draw(QPainter& painter);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace vc::forms
