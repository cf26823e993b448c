// Saves a picture of every page of the main window (with the sample laminate
// loaded), of the Micromechanics page after a calculation, of the two
// material library windows, of the results window and of the four tabs of its
// plots window (the sample with a temperature load), of the Sign Convention
// window and of the help window (at the Tsai-Wu criterion) as PNG files, and
// prints how long Analyze on the largest problem takes to show the results
// window and how long the plots window takes to open on it. Not a test: it
// checks nothing. scripts/take-screenshots.sh runs it under a virtual X
// server to refresh docs/screenshots.
//   take_screenshots <output folder> <repository folder>
#include <clocale>
#include <cstdio>
#include <functional>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QHelpContentModel>
#include <QHelpEngine>
#include <QPushButton>
#include <QSettings>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>

#include "app/file_chooser.h"
#include "app/settings_user_record_store.h"
#include "forms/envelope_plot.h"
#include "forms/main_window.h"
#include "forms/plots_window.h"
#include "forms/sign_convention_window.h"

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

// Runs `start`, which opens modal windows, and hands each one that opens to
// `onDialog` before closing it.
void withEachDialog(const std::function<void()>& start,
                    const std::function<void(QWidget*)>& onDialog) {
  QTimer poll;
  poll.setInterval(20);
  QObject::connect(&poll, &QTimer::timeout, [&]() {
    QWidget* dialog = QApplication::activeModalWidget();
    if (dialog == nullptr) return;
    onDialog(dialog);
    dialog->close();
  });
  poll.start();
  start();
}

// A choice made in a list as the user makes it: the item, then the event.
void choose(QWidget* window, const char* list, int position) {
  auto* combo = window->findChild<QComboBox*>(QString::fromLatin1(list));
  combo->setCurrentIndex(position);
  emit combo->activated(position);
}

// A carbon fibre in an epoxy matrix, 60 % fibre by volume, in English units.
void calculateCarbonEpoxy(QWidget* page) {
  const char* const fiber[] = {"34e6",   "2.2e6",  "2.2e6", "0.2",  "-0.3e-6", "5.6e-6", "0",  "0",
                               "530000", "300000", "",      "0.60", "0.064",   "58",     "5.8"};
  const char* const matrix[] = {"500000", "185000", "0.35",  "36e-6", "0.33",
                                "12000",  "30000",  "12000", "0.046", "0.11"};
  auto fill = [page](const char* name, const char* const* values, int rows) {
    QAbstractItemModel* model = page->findChild<QTableView*>(QString::fromLatin1(name))->model();
    for (int r = 0; r < rows; ++r)
      model->setData(model->index(r, 1), QString::fromLatin1(values[r]));
  };
  fill("FiberProps", fiber, 15);
  fill("MatrixProps", matrix, 10);
  page->findChild<QAbstractButton*>(QStringLiteral("CalcLamina"))->click();
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
  qputenv("XDG_DATA_HOME", home.path().toLocal8Bit());  // the help window's copy

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

  const char* const names[] = {"settings", "materials", "strength",
                               "layup",    "loads",     "micromechanics"};
  for (int page = 0; page < 6; ++page) {
    window.selectPage(page);
    save(&window, output, QStringLiteral("page-%1-%2").arg(page).arg(QLatin1String(names[page])));
  }
  window.selectPage(6);
  save(&window, output, QStringLiteral("about"));

  window.selectPage(5);
  calculateCarbonEpoxy(window.findChild<QWidget*>(QStringLiteral("TabForm8")));
  save(&window, output, QStringLiteral("micromechanics"));
  window.selectPage(1);
  withEachDialog([&]() { window.findChild<QAbstractButton*>(QStringLiteral("cb_MatDB"))->click(); },
                 [&](QWidget* library) {
                   choose(library, "combo_1", 4);
                   library->findChild<QAbstractButton*>(QStringLiteral("optb_2"))->click();
                   save(library, output, QStringLiteral("material-library"));
                 });
  vc::SettingsUserRecordStore().write(
      1,
      "Carbon/epoxy Vf 0.60 (estimate),2.060E+007,1.202E+006,5.654E+005,0.260,5.243E-008,"
      "2.275E-005,0.003,0.177,3.211E+005,-1.818E+005,1.038E+004,-2.595E+004,1.008E+004");
  withEachDialog([&]() { window.menuCommand(1020)->trigger(); },
                 [&](QWidget* dialog) {
                   if (dialog->objectName() == QLatin1String("AddLib")) {
                     save(dialog, output, QStringLiteral("user-library"));
                   }
                 });

  window.selectPage(0);

  {
    vc::forms::SignConventionWindow signs(&window);
    signs.show();
    save(&signs, output, QStringLiteral("sign-convention"));
  }

  window.showHelpTopic(QStringLiteral("::html/vcla3rcn.htm"));
  QWidget* help = nullptr;
  for (QWidget* top : QApplication::topLevelWidgets()) {
    if (top->objectName() == QStringLiteral("HelpWindow")) help = top;
  }
  if (help != nullptr) {
    // The contents pane is filled in the background; wait for it.
    auto* engine = help->findChild<QHelpEngine*>();
    waited.restart();
    while (engine != nullptr && engine->contentModel()->rowCount() == 0 &&
           waited.elapsed() < 10000) {
      QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    help->resize(1000, 700);
    QCoreApplication::processEvents();
    window.showHelpTopic(QStringLiteral("::html/failure_criteria.htm#tsaiwu"));
    save(help, output, QStringLiteral("help"));
    help->close();
  }
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
  std::printf(
      "largest problem: first showing of the Stiffness, Failure envelope, Layup tabs %lld, %lld, "
      "%lld ms\n",
      static_cast<long long>(tabShown[1]), static_cast<long long>(tabShown[2]),
      static_cast<long long>(tabShown[3]));
  return 0;
}
