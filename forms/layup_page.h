// The Layup page (TabForm3): the layer count, the symmetric option and the
// stacking-sequence grid. Leaving the count box or clicking the symmetric
// box renumbers the grid.
#pragma once

#include <QWidget>

#include "engine/messages.h"
#include "pages/input_pages.h"

class QCheckBox;
class QLineEdit;

namespace vc::forms {

class GridView;

class LayupPage : public QWidget {
  Q_OBJECT

 public:
  LayupPage(vc::LayupPage& page, MessageSink& messages, QWidget* parent = nullptr);
  void refresh();
  GridView* grid() const { return grid_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void layerCountChanged();

  vc::LayupPage& page_;
  MessageSink& messages_;
  QLineEdit* layerCount_;
  QCheckBox* symmetric_;
  GridView* grid_;
};

}  // namespace vc::forms
