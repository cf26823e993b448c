#include "forms/plots_window.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "forms/envelope_plot.h"
#include "forms/layup_plot.h"
#include "forms/plot_file.h"
#include "forms/stiffness_plot.h"
#include "forms/through_thickness_plot.h"

namespace vc::forms {

namespace {

const char* const kTabTitles[PlotsWindow::kPlotCount] = {"Through thickness", "Stiffness",
                                                         "Failure envelope", "Layup"};

}  // namespace

PlotsWindow::PlotsWindow(const LaminateData& data, FileChooser* chooser, MessageSink* messages,
                         QString* folder, QWidget* parent)
    : QDialog(parent), data_(data), chooser_(chooser), messages_(messages), folder_(folder) {
  setObjectName(QStringLiteral("Plots"));
  setWindowTitle(QStringLiteral("Plots"));
  tabs_ = new QTabWidget(this);
  tabs_->setObjectName(QStringLiteral("tabs_Plots"));
  // Empty pages first: a plot is built when its tab is first shown, so the
  // window opens with one plot's work.
  for (const char* title : kTabTitles) tabs_->addTab(new QWidget, QString::fromUtf8(title));

  exportButton_ = new QPushButton(QStringLiteral("E&xport Plot..."), this);
  exportButton_->setObjectName(QStringLiteral("cb_ExportPlot"));
  exportButton_->setAutoDefault(false);
  exportButton_->setEnabled(chooser_ != nullptr && messages_ != nullptr);
  closeButton_ = new QPushButton(QStringLiteral("&Close"), this);
  closeButton_->setObjectName(QStringLiteral("cb_Close"));
  closeButton_->setDefault(true);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(exportButton_);
  buttons->addWidget(closeButton_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tabs_, 1);
  layout->addLayout(buttons);

  connect(closeButton_, &QPushButton::clicked, this, &QDialog::accept);
  connect(exportButton_, &QPushButton::clicked, this, [this] { exportCurrentPlot(); });
  connect(tabs_, &QTabWidget::currentChanged, this, [this](int tab) { plot(tab); });
  plot(0);
  resize(900, 640);
}

PlotView* PlotsWindow::plot(int tab) {
  if (tab < 0 || tab >= kPlotCount) return nullptr;
  if (plots_[tab] == nullptr) {
    switch (tab) {
      case 0:
        plots_[tab] = new ThroughThicknessPlot(data_);
        break;
      case 1:
        plots_[tab] = new StiffnessPlot(data_);
        break;
      case 2:
        plots_[tab] = new EnvelopePlot(data_);
        break;
      default:
        plots_[tab] = new LayupPlot(data_);
        break;
    }
    auto* page = tabs_->widget(tab);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(plots_[tab]);
    plots_[tab]->show();  // now, not from the event loop, so that it can be drawn at once
  }
  return plots_[tab];
}

void PlotsWindow::showTab(int tab) { tabs_->setCurrentIndex(tab); }

bool PlotsWindow::exportCurrentPlot() {
  if (chooser_ == nullptr || messages_ == nullptr) return false;
  QString ownFolder;
  return exportPlotCommand(*plot(tabs_->currentIndex()), *chooser_, folder_ ? *folder_ : ownFolder,
                           *messages_);
}

}  // namespace vc::forms
