// The colours of the plots: a light fill per material for the plies (two
// tones, so that neighbouring plies of one material stay apart), and the
// fixed colours of the series, so that a curve keeps its colour whatever
// else is shown.
#pragma once

#include <QColor>

namespace vc::forms {

inline QColor plyFill(int material, int layer) {
  static const QRgb kFills[10] = {0xdbe8f6, 0xf6e6cf, 0xdcefd9, 0xf3dada, 0xe6def2,
                                  0xefe3d6, 0xf5dff0, 0xe2e2e2, 0xeef0d2, 0xd6eff0};
  const QColor fill(kFills[(material > 0 ? material - 1 : 0) % 10]);
  return layer % 2 == 0 ? fill.darker(106) : fill;
}

inline QColor seriesColour(int index) {
  static const QRgb kColours[6] = {0x1f77b4, 0xd62728, 0x2ca02c, 0x9467bd, 0xff7f0e, 0x000000};
  return QColor(kColours[index % 6]);
}

}  // namespace vc::forms
