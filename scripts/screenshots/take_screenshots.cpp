// Saves a picture of every page of the main window (with the sample laminate
// loaded), of its results window and of the four tabs of its plots window
// (the sample with a temperature load) as PNG files, and prints how long
// Analyze on the largest problem takes to show the results window and how
// long the plots window takes to open on it. Not a test: it checks nothing.
// scripts/take-screenshots.sh runs it under a virtual X server to refresh
// docs/screenshots.
//   take_screenshots <output folder> <repository folder>
#include <clocale>
#include <cstdio>
#include <functional>

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>

#include "app/file_chooser.h"
#include "forms/envelope_plot.h"
#include "forms/main_window.h"
#include "forms/plots_window.h"

namespace {

// Hands the open command one data file, as if the user had chosen it.
class ChosenFile : public vc::FileChooser {
 public:
  QString openFileName(const QString&, const QString&, const QList<vc::FileFilter>&) override {
    return path;
  }
  QString saveFileName(const QString&, const QString&, const QList<vc::FileFilter>&) override {
    return {};
  }
  QString path;
};

// Messages go to stderr: a picture taken over a message box is no use.
class PrintedMessages : public vc::MessageSink {
 public:
  void inform(const char* caption, const char* text) override {
    std::fprintf(stderr, "%s: %s\n", caption, text);
  }
};

// Runs Analyze and hands the results window to `onResults` once it has
// painted, then closes it. Returns the milliseconds until it was shown.
qint64 analyzeAndTakeResults(vc::forms::MainWindow& window,
                             const std::function<void(QWidget*)>& onResults) {
  QElapsedTimer clock;
  qint64 shownAfter = -1;
  QTimer poll;
  poll.setInterval(5);
  QObject::connect(&poll, &QTimer::timeout, [&]() {
    QWidget* results = QApplication::activeModalWidget();
    if (results == nullptr) return;
    if (shownAfter < 0) shownAfter = clock.elapsed();
    onResults(results);
    results->close();
  });
  poll.start();
  clock.start();
  window.runAnalysis();
  return shownAfter;
}

// Clicks Plots in the results window and hands the plots window to
// `onPlots` once it is on screen and painted, then closes it. Returns the
// milliseconds from the click until then.
qint64 openPlots(QWidget* results, const std::function<void(vc::forms::PlotsWindow*)>& onPlots) {
  QElapsedTimer clock;
  qint64 shownAfter = -1;
  QTimer poll;
  poll.setInterval(0);
  QObject::connect(&poll, &QTimer::timeout, [&]() {
    auto* plots = qobject_cast<vc::forms::PlotsWindow*>(QApplication::activeModalWidget());
    if (plots == nullptr || !(plots->windowHandle() && plots->windowHandle()->isExposed())) return;
    poll.stop();
    plots->repaint();
    shownAfter = clock.elapsed();
    onPlots(plots);
    plots->close();
  });
  poll.start();
  clock.start();
  results->findChild<QPushButton*>(QStringLiteral("cb_Plots"))->click();
  return shownAfter;
}

void save(QWidget* widget, const QString& folder, const QString& name) {
  QCoreApplication::processEvents();
  const QString path = folder + QLatin1Char('/') + name + QStringLiteral(".png");
  if (!widget->grab().save(path)) std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  std::setlocale(LC_NUMERIC, "C");
  if (argc != 3) {
    std::fprintf(stderr, "usage: take_screenshots <output folder> <repository folder>\n");
    return 2;
  }
  const QString output = QString::fromLocal8Bit(argv[1]);
  const QString repository = QString::fromLocal8Bit(argv[2]);
  // The user's own settings stay untouched.
  QTemporaryDir home;
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, home.path());
  qputenv("APPDATA", home.path().toLocal8Bit());

  ChosenFile chooser;
  PrintedMessages messages;
  vc::forms::MainWindow window(&chooser, nullptr, nullptr, &messages);
  window.setCurrentDataFolder(QStringLiteral("/home/user/.local/share/The Vellacore/"));
  chooser.path = repository + QStringLiteral("/examples/sample.vcl");
  window.openDataFile();
  window.setCurrentDataFolder(QStringLiteral("/home/user/.local/share/The Vellacore/"));
  window.resize(1000, 640);
  window.show();
  QElapsedTimer waited;
  waited.start();
  while (!(window.windowHandle() && window.windowHandle()->isExposed())) {
    if (waited.elapsed() > 10000) return 1;  // no display answers
    QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
  }

  const char* const names[] = {"settings", "materials",      "strength", "layup",
                               "loads",    "micromechanics", "about"};
  for (int page = 0; page < 7; ++page) {
    window.selectPage(page);
    save(&window, output, QStringLiteral("page-%1-%2").arg(page).arg(QLatin1String(names[page])));
  }
  window.selectPage(0);
  analyzeAndTakeResults(window, [&](QWidget* results) {
    results->resize(900, 640);
    save(results, output, QStringLiteral("results"));
  });

  // The plots of the sample laminate cooled by 280 degrees from its cure.
  vc::LoadsPage& loads = window.pages().loads;
  loads.temperatureLoad.checked = true;
  loads.temperatureChange = {"-280", true};
  window.refreshPages();
  analyzeAndTakeResults(window, [&](QWidget* results) {
    openPlots(results, [&](vc::forms::PlotsWindow* plots) {
      plots->resize(1000, 700);
      const char* const tabs[] = {"through-thickness", "stiffness", "envelope", "layup"};
      // The envelope with the curing stresses held fixed, the textbook view.
      static_cast<vc::forms::EnvelopePlot*>(plots->plot(2))->choose(0, 1);
      for (int tab = 0; tab < vc::forms::PlotsWindow::kPlotCount; ++tab) {
        plots->showTab(tab);
        save(plots, output, QStringLiteral("plot-%1").arg(QLatin1String(tabs[tab])));
      }
    });
  });

  chooser.path = repository + QStringLiteral("/bench/data/largest.vcl");
  window.openDataFile();
  qint64 plotsShown[3] = {-1, -1, -1};
  qint64 tabShown[vc::forms::PlotsWindow::kPlotCount] = {};
  const qint64 shown = analyzeAndTakeResults(window, [&](QWidget* results) {
    for (qint64& time : plotsShown) time = openPlots(results, [](vc::forms::PlotsWindow*) {});
    openPlots(results, [&](vc::forms::PlotsWindow* plots) {
      for (int tab = 1; tab < vc::forms::PlotsWindow::kPlotCount; ++tab) {
        QElapsedTimer clock;
        clock.start();
        plots->showTab(tab);
        plots->repaint();
        tabShown[tab] = clock.elapsed();
      }
    });
  });
  std::printf("largest problem: Analyze to results window shown %lld ms (report %zu bytes)\n",
              static_cast<long long>(shown), window.reportText().size());
  std::printf("largest problem: Plots to plots window shown and painted %lld, %lld, %lld ms\n",
              static_cast<long long>(plotsShown[0]), static_cast<long long>(plotsShown[1]),
              static_cast<long long>(plotsShown[2]));
  std::printf("largest problem: first showing of the Stiffness, Failure envelope, Layup tabs %lld, %lld, %lld ms\n",
              static_cast<long long>(tabShown[1]), static_cast<long long>(tabShown[2]),
              static_cast<long long>(tabShown[3]));
  return 0;
}
