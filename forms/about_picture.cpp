#include "forms/about_picture.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLineF>
#include <QPainter>
#include <QPolygonF>

namespace vc::forms {

namespace {

// Colours of the classic 16-colour palette.
const QColor kNavy(0, 0, 128);
const QColor kTeal(0, 128, 128);
const QColor kSilver(192, 192, 192);
const QColor kGray(128, 128, 128);
const QColor kMaroon(128, 0, 0);

// The ply block in oblique view: X to the right, Y towards the viewer (down
// and to the left), z downwards through the plies.
struct Block {
  QPointF origin{42.0, 46.0};
  static constexpr double a = 56.0;  // along X
  static constexpr double b = 50.0;  // along Y
  static constexpr int plies = 6;
  static constexpr double ply = 5.0;  // thickness of one ply
  QPointF at(double x, double y, double z = 0.0) const {
    return origin + QPointF(x - 0.55 * y, 0.42 * y + z);
  }
};

void arrow(QPainter& p, QPointF from, QPointF to) {
  p.drawLine(from, to);
  const QPointF back = (from - to) / QLineF(from, to).length();
  const QPointF side(-back.y(), back.x());
  p.drawPolygon(QPolygonF({to, to + back * 7.0 + side * 3.0, to + back * 7.0 - side * 3.0}));
}

void label(QPainter& p, QPointF at, const char* subscript) {
  QFont main(QStringLiteral("Sans Serif"));
  main.setPixelSize(12);
  main.setBold(true);
  QFont sub = main;
  sub.setPixelSize(8);
  p.setFont(main);
  p.drawText(at, QStringLiteral("N"));
  p.setFont(sub);
  p.drawText(at + QPointF(QFontMetricsF(main).horizontalAdvance(QStringLiteral("N")), 3.0),
             QString::fromLatin1(subscript));
}

}  // namespace

AboutPicture::AboutPicture(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("pictb_1"));
  setFixedSize(kSize, kSize);
}

void AboutPicture::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  draw(painter);
}

void AboutPicture::draw(QPainter& p) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.fillRect(QRectF(0, 0, kSize, kSize), Qt::white);

  // The name across the top, scaled to the picture's width.
  QFont nameFont(QStringLiteral("Sans Serif"));
  nameFont.setPixelSize(16);
  nameFont.setBold(true);
  const QString name = QStringLiteral("VELLACORE");
  const double width = QFontMetricsF(nameFont).horizontalAdvance(name);
  p.save();
  p.translate(kSize / 2.0, 24.0);
  p.scale(118.0 / width, 1.0);
  p.setFont(nameFont);
  p.setPen(kNavy);
  p.drawText(QPointF(-width / 2.0, 0.0), name);
  p.restore();

  // The plies: the top face of the first, then the visible edges of all,
  // alternating in colour like plies of different orientation.
  const Block k;
  const double a = Block::a, b = Block::b;
  p.setPen(QPen(Qt::black, 0.8));
  p.setBrush(kSilver);
  p.drawPolygon(QPolygonF({k.at(0, 0), k.at(a, 0), k.at(a, b), k.at(0, b)}));
  p.setPen(QPen(kGray, 0.6));
  for (int line = 1; line < 6; ++line) {  // the fibres of the top ply, along X
    const double y = b * line / 6.0;
    p.drawLine(k.at(2, y), k.at(a - 2, y));
  }
  p.setPen(QPen(Qt::black, 0.8));
  for (int ply = 0; ply < Block::plies; ++ply) {
    const double z0 = ply * Block::ply, z1 = z0 + Block::ply;
    const QColor colour = ply % 2 == 0 ? kNavy : kTeal;
    p.setBrush(colour);
    p.drawPolygon(QPolygonF({k.at(0, b, z0), k.at(a, b, z0), k.at(a, b, z1), k.at(0, b, z1)}));
    p.setBrush(colour.darker(130));
    p.drawPolygon(QPolygonF({k.at(a, 0, z0), k.at(a, b, z0), k.at(a, b, z1), k.at(a, 0, z1)}));
  }

  // NX out of the X face at mid-thickness; NY out of the Y face along its
  // lower edge, where it is not drawn across the face.
  const double mid = Block::plies * Block::ply / 2.0;
  const double bottom = Block::plies * Block::ply;
  p.setPen(QPen(kMaroon, 2.0));
  p.setBrush(kMaroon);
  arrow(p, k.at(a, b / 2, mid), k.at(a + 30, b / 2, mid));
  arrow(p, k.at(a / 2, b, bottom), k.at(a / 2, b + 26, bottom));
  p.setPen(Qt::black);
  label(p, k.at(a + 18, b / 2, mid) + QPointF(0.0, -7.0), "X");
  label(p, k.at(a / 2, b + 26, bottom) + QPointF(8.0, 9.0), "Y");
  p.restore();
}

}  // namespace vc::forms
