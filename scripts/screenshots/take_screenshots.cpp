// Saves a picture of every page of the main window (with the sample laminate
// loaded), of its results window, of the Sign Convention window and of the
// help window (at the Tsai-Wu criterion) as PNG files, and prints how long
// Analyze on the largest problem takes to show the results window. Not a test: it
// checks nothing. scripts/take-screenshots.sh runs it under a virtual X
// server to refresh docs/screenshots.
//   take_screenshots <output folder> <repository folder>
#include <clocale>
#include <cstdio>
#include <functional>

#include <QApplication>
#include <QHelpContentModel>
#include <QHelpEngine>
#include <QElapsedTimer>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>

#include "app/file_chooser.h"
#include "forms/main_window.h"
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
    while (engine != nullptr && engine->contentModel()->rowCount() == 0 && waited.elapsed() < 10000) {
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

  chooser.path = repository + QStringLiteral("/bench/data/largest.vcl");
  window.openDataFile();
  const qint64 shown = analyzeAndTakeResults(window, [](QWidget*) {});
  std::printf("largest problem: Analyze to results window shown %lld ms (report %zu bytes)\n",
              static_cast<long long>(shown), window.reportText().size());
  return 0;
}
