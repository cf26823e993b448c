// The About page's picture (pictb_1), 128 by 128 pixels in a few plain
// colours: the program's name in capitals above a block of stacked plies
// with the in-plane force resultants NX and NY drawn as arrows. Drawn as
// vectors at paint time, so it stays sharp at any display scaling.
#pragma once

#include <QWidget>

class QPainter;

namespace vc::forms {

class AboutPicture : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kSize = 128;

  explicit AboutPicture(QWidget* parent = nullptr);

  // Draws the picture into a kSize by kSize square at the painter's origin.
  static void draw(QPainter& painter);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace vc::forms
