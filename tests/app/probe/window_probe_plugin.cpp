// A Qt generic plugin that the process tests load into the real program
// (QT_PLUGIN_PATH and QT_QPA_GENERIC_PLUGINS), so that they can see the
// desktop window from outside: whenever it changes, one line on stderr
//   probe: layers=<Layup page's layer count box> message=<caption of the open message box>
// The program itself is not changed for this.
#include <cstdio>

#include <QApplication>
#include <QGenericPlugin>
#include <QLineEdit>
#include <QTimer>
#include <QWidget>

namespace {

class WindowProbe : public QObject {
 public:
  WindowProbe() {
    auto* timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, &WindowProbe::look);
    timer->start(50);
  }

 private:
  void look() {
    QString layers;
    for (QWidget* top : QApplication::topLevelWidgets()) {
      QWidget* page = top->findChild<QWidget*>(QStringLiteral("TabForm3"));
      auto* box =
          page != nullptr ? page->findChild<QLineEdit*>(QStringLiteral("textb_1")) : nullptr;
      if (box != nullptr) layers = box->text();
    }
    QWidget* modal = QApplication::activeModalWidget();
    const QString message = modal != nullptr ? modal->windowTitle() : QString();
    const QString line = QStringLiteral("probe: layers=%1 message=%2\n").arg(layers, message);
    if (line == last_) return;
    last_ = line;
    std::fputs(line.toUtf8().constData(), stderr);
    std::fflush(stderr);
  }

  QString last_;
};

class WindowProbePlugin : public QGenericPlugin {
  Q_OBJECT
  Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "window_probe.json")

 public:
  QObject* create(const QString&, const QString&) override { return new WindowProbe; }
};

}  // namespace

#include "window_probe_plugin.moc"
