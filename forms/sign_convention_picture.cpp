#include "forms/sign_convention_picture.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLineF>
#include <QPainter>
#include <QPolygonF>
#include <cmath>

namespace vc::forms {

namespace {

constexpr double kHeadLength = 7.0;

// Where a label stands relative to its anchor point (vertically it is always
// centred on the anchor).
enum class Place { Left, Centre, Right };

QFont pictureFont(int pixels, bool bold = false) {
  QFont font(QStringLiteral("Sans Serif"));
  font.setPixelSize(pixels);
  font.setBold(bold);
  return font;
}

void arrowHead(QPainter& p, QPointF tip, QPointF from) {
  const double length = QLineF(tip, from).length();
  if (length <= 0.0) return;
  const QPointF back = (from - tip) / length;
  const QPointF side(-back.y(), back.x());
  const QPolygonF head({tip, tip + back * kHeadLength + side * (kHeadLength * 0.38),
                        tip + back * kHeadLength - side * (kHeadLength * 0.38)});
  p.save();
  p.setBrush(Qt::black);
  p.drawPolygon(head);
  p.restore();
}

// A line from `from` to `to` with a head at `to`; a double head marks a
// moment vector (right-hand rule).
void arrow(QPainter& p, QPointF from, QPointF to, bool doubleHead = false) {
  p.drawLine(from, to);
  arrowHead(p, to, from);
  if (doubleHead) {
    const QPointF back = (from - to) / QLineF(from, to).length();
    arrowHead(p, to + back * (kHeadLength * 0.9), from);
  }
}

// A name with an optional subscript ("N" with "XY"). `opaque` clears the
// area behind it, for labels set on a line.
void label(QPainter& p, QPointF anchor, const QString& name, const QString& subscript = {},
           Place place = Place::Left, bool opaque = false) {
  const QFont mainFont = pictureFont(13);
  const QFont subFont = pictureFont(9);
  const QFontMetricsF mainMetrics(mainFont);
  const QFontMetricsF subMetrics(subFont);
  const double width =
      mainMetrics.horizontalAdvance(name) + subMetrics.horizontalAdvance(subscript);
  double left = anchor.x();
  if (place == Place::Centre) left -= width / 2.0;
  if (place == Place::Right) left -= width;
  const double baseline = anchor.y() + (mainMetrics.ascent() - mainMetrics.descent()) / 2.0;
  if (opaque) {
    p.fillRect(QRectF(left - 2.0, anchor.y() - mainMetrics.ascent() / 2.0 - 3.0, width + 4.0,
                      mainMetrics.ascent() + 6.0),
               Qt::white);
  }
  p.save();
  p.setFont(mainFont);
  p.drawText(QPointF(left, baseline), name);
  p.setFont(subFont);
  p.drawText(QPointF(left + mainMetrics.horizontalAdvance(name), baseline + 3.5), subscript);
  p.restore();
}

// The left panel: the layers from Layer 1 at the top face to Layer N at the
// bottom face, z downwards from the middle surface, the interface
// coordinates Z0, Z1 and ZN measured from it and the total thickness t.
void drawCrossSection(QPainter& p) {
  const double left = 40.0, right = 160.0, top = 55.0, bottom = 295.0;
  const double middle = (top + bottom) / 2.0;
  const double interface1 = top + 34.0, interface2 = top + 68.0, interfaceN = bottom - 34.0;

  p.drawRect(QRectF(left, top, right - left, bottom - top));
  for (double y : {interface1, interface2, interfaceN})
    p.drawLine(QPointF(left, y), QPointF(right, y));
  // The layers between Layer 2 and Layer N, not drawn one by one.
  QPen dashed = p.pen();
  dashed.setStyle(Qt::DashLine);
  p.save();
  p.setPen(dashed);
  for (double y : {interface2 + 34.0, interfaceN - 34.0})
    p.drawLine(QPointF(left, y), QPointF(right, y));
  p.restore();
  for (int dot = 0; dot < 3; ++dot) {
    p.save();
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(85.0, interfaceN - 34.0 + 8.0 + 6.0 * dot), 1.2, 1.2);
    p.restore();
  }
  label(p, QPointF(left + 8.0, (top + interface1) / 2.0), QStringLiteral("Layer 1"));
  label(p, QPointF(left + 8.0, (interface1 + interface2) / 2.0), QStringLiteral("Layer 2"));
  label(p, QPointF(left + 8.0, (interfaceN + bottom) / 2.0), QStringLiteral("Layer N"));

  // The middle surface, dash-dotted, carried out to its name.
  QPen dashDot = p.pen();
  dashDot.setStyle(Qt::DashDotLine);
  p.save();
  p.setPen(dashDot);
  p.drawLine(QPointF(left - 14.0, middle), QPointF(215.0, middle));
  p.restore();
  label(p, QPointF(220.0, middle - 8.0), QStringLiteral("Middle"));
  label(p, QPointF(220.0, middle + 8.0), QStringLiteral("Surface"));

  // z points downwards from the middle surface.
  const double zAxis = 135.0;
  p.save();
  p.setBrush(Qt::black);
  p.drawEllipse(QPointF(zAxis, middle), 2.0, 2.0);
  p.restore();
  arrow(p, QPointF(zAxis, middle), QPointF(zAxis, 340.0));
  label(p, QPointF(zAxis + 7.0, 334.0), QStringLiteral("z"));

  // Interface coordinates, each from the middle surface to its face.
  for (double y : {top, interface1, bottom}) p.drawLine(QPointF(right, y), QPointF(210.0, y));
  arrow(p, QPointF(178.0, middle), QPointF(178.0, top));
  label(p, QPointF(178.0, (middle + top) / 2.0 - 10.0), QStringLiteral("Z"), QStringLiteral("0"),
        Place::Centre, true);
  arrow(p, QPointF(202.0, middle), QPointF(202.0, interface1));
  label(p, QPointF(202.0, (middle + interface1) / 2.0 + 6.0), QStringLiteral("Z"),
        QStringLiteral("1"), Place::Centre, true);
  arrow(p, QPointF(178.0, middle), QPointF(178.0, bottom));
  label(p, QPointF(178.0, (middle + bottom) / 2.0), QStringLiteral("Z"), QStringLiteral("N"),
        Place::Centre, true);

  // The total thickness.
  for (double y : {top, bottom}) p.drawLine(QPointF(left, y), QPointF(14.0, y));
  arrow(p, QPointF(22.0, middle), QPointF(22.0, top));
  arrow(p, QPointF(22.0, middle), QPointF(22.0, bottom));
  label(p, QPointF(22.0, middle + 30.0), QStringLiteral("t"), {}, Place::Centre, true);
}

// A plate element in oblique view: X to the right, Y towards the viewer
// (drawn down and to the left), Z downwards. at(x, y, z) is a point of the
// element, with (0, 0, 0) the far left corner of its top face.
struct PlateElement {
  QPointF origin;
  static constexpr double a = 120.0;  // along X
  static constexpr double b = 100.0;  // along Y
  static constexpr double h = 10.0;   // thickness
  QPointF at(double x, double y, double z = 0.0) const {
    return origin + QPointF(x - 0.55 * y, 0.42 * y + z);
  }
};

void drawElement(QPainter& p, const PlateElement& e) {
  const double a = PlateElement::a, b = PlateElement::b, h = PlateElement::h;
  p.save();
  p.setBrush(Qt::white);
  p.drawPolygon(QPolygonF({e.at(0, 0), e.at(a, 0), e.at(a, b), e.at(0, b)}));
  p.drawPolygon(QPolygonF({e.at(0, b), e.at(a, b), e.at(a, b, h), e.at(0, b, h)}));
  p.drawPolygon(QPolygonF({e.at(a, 0), e.at(a, b), e.at(a, b, h), e.at(a, 0, h)}));
  p.restore();
}

// The axes, drawn beside the element from `origin`.
void drawAxes(QPainter& p, QPointF origin) {
  const double length = 26.0;
  const QPointF x = origin + QPointF(length, 0.0);
  const QPointF y = origin + QPointF(-0.55 * length, 0.42 * length);
  const QPointF z = origin + QPointF(0.0, length * 0.8);
  arrow(p, origin, x);
  arrow(p, origin, y);
  arrow(p, origin, z);
  label(p, x + QPointF(4.0, 0.0), QStringLiteral("X"));
  label(p, y + QPointF(-4.0, 4.0), QStringLiteral("Y"), {}, Place::Right);
  label(p, z + QPointF(5.0, 2.0), QStringLiteral("Z"));
}

// Forces per unit width: NX and NY normal to the edges, NXY and NYX along
// them, positive as drawn on the near faces and opposite on the far ones.
void drawForces(QPainter& p, const PlateElement& e) {
  const double a = PlateElement::a, b = PlateElement::b, h = PlateElement::h;
  drawElement(p, e);
  const double out = 45.0;
  // NX on the faces normal to X.
  arrow(p, e.at(a, b / 2, h / 2), e.at(a + out, b / 2, h / 2));
  arrow(p, e.at(0, b / 2, h / 2), e.at(-out, b / 2, h / 2));
  label(p, e.at(a + out, b / 2, h / 2) + QPointF(5.0, 0.0), QStringLiteral("N"),
        QStringLiteral("X"));
  // NY on the faces normal to Y.
  arrow(p, e.at(a / 2, b, h / 2), e.at(a / 2, b + out, h / 2));
  arrow(p, e.at(a / 2, 0, h / 2), e.at(a / 2, -out, h / 2));
  label(p, e.at(a / 2, b + out, h / 2) + QPointF(-5.0, 6.0), QStringLiteral("N"),
        QStringLiteral("Y"), Place::Right);
  // NXY along the X faces, NYX along the Y faces, beside the normal arrows.
  arrow(p, e.at(a + 6, 0.05 * b), e.at(a + 6, 0.4 * b));
  arrow(p, e.at(-6, 0.95 * b), e.at(-6, 0.6 * b));
  label(p, e.at(a + 6, 0.05 * b) + QPointF(6.0, -6.0), QStringLiteral("N"), QStringLiteral("XY"));
  arrow(p, e.at(0.6 * a, b + 8, h), e.at(0.95 * a, b + 8, h));
  arrow(p, e.at(0.4 * a, -8), e.at(0.05 * a, -8));
  label(p, e.at(0.95 * a, b + 8, h) + QPointF(6.0, 4.0), QStringLiteral("N"), QStringLiteral("YX"));
}

// Moments per unit width as vectors by the right-hand rule (double heads):
// with z downwards, a positive MX on the positive X face points along +Y and
// a positive MY on the positive Y face along -X; the twisting moments are
// normal to their faces, MXY pointing into the X face and MYX out of the Y
// face.
void drawMoments(QPainter& p, const PlateElement& e) {
  const double a = PlateElement::a, b = PlateElement::b, h = PlateElement::h;
  drawElement(p, e);
  arrow(p, e.at(a + 8, 0.1 * b, h / 2), e.at(a + 8, 0.55 * b, h / 2), true);
  label(p, e.at(a + 8, 0.1 * b) + QPointF(6.0, -6.0), QStringLiteral("M"), QStringLiteral("X"));
  arrow(p, e.at(a + 50, 0.75 * b, h / 2), e.at(a + 2, 0.75 * b, h / 2), true);
  label(p, e.at(a + 50, 0.75 * b, h / 2) + QPointF(5.0, 0.0), QStringLiteral("M"),
        QStringLiteral("XY"));
  arrow(p, e.at(0.9 * a, b + 8, h), e.at(0.45 * a, b + 8, h), true);
  label(p, e.at(0.9 * a, b + 8, h) + QPointF(6.0, 4.0), QStringLiteral("M"), QStringLiteral("Y"));
  arrow(p, e.at(0.25 * a, b, h / 2), e.at(0.25 * a, b + 50, h / 2), true);
  label(p, e.at(0.25 * a, b + 50, h / 2) + QPointF(-5.0, 6.0), QStringLiteral("M"),
        QStringLiteral("YX"), Place::Right);
}

}  // namespace

SignConventionPicture::SignConventionPicture(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("pictb_1"));
  setFixedSize(kWidth, kHeight);
}

void SignConventionPicture::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  draw(painter);
}

void SignConventionPicture::draw(QPainter& p) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.fillRect(QRectF(0, 0, kWidth, kHeight), Qt::white);
  QPen pen(Qt::black, 1.2);
  pen.setJoinStyle(Qt::MiterJoin);
  p.setPen(pen);
  p.setBrush(Qt::NoBrush);

  p.drawRect(QRectF(0.5, 0.5, kWidth - 1.0, kHeight - 1.0));
  p.drawLine(QPointF(290.0, 0.0), QPointF(290.0, kHeight));
  p.drawLine(QPointF(290.0, 179.0), QPointF(kWidth, 179.0));

  drawCrossSection(p);

  p.save();
  p.setFont(pictureFont(14, true));
  p.drawText(QPointF(12.0, 22.0), QStringLiteral("Laminate"));
  p.drawText(QPointF(302.0, 22.0), QStringLiteral("Forces"));
  p.drawText(QPointF(302.0, 201.0), QStringLiteral("Moments"));
  p.restore();
  drawAxes(p, QPointF(334.0, 44.0));
  drawAxes(p, QPointF(334.0, 223.0));
  drawForces(p, PlateElement{QPointF(398.0, 62.0)});
  drawMoments(p, PlateElement{QPointF(398.0, 241.0)});
  p.restore();
}

}  // namespace vc::forms
