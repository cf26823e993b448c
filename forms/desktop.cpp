// The interactive start: the application object, the main window built while
// hidden, the start-up steps, the usage message when the command line was
// wrong, then the event loop until the window closes.
#include "forms/desktop.h"

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

#include <QApplication>

#include "app/command_line.h"
#include "app/startup.h"
#include "forms/main_window.h"

namespace vc::forms {

namespace {

bool isSet(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr && value[0] != '\0';
}

// Qt aborts the process when its platform plugin finds no display. On Linux
// the usual cause, a shell without X11 or Wayland, is told apart beforehand.
bool displayAvailable() {
#if defined(__linux__)
  const char* platform = std::getenv("QT_QPA_PLATFORM");
  const bool chosen = platform != nullptr && platform[0] != '\0';
  if (chosen && std::strncmp(platform, "xcb", 3) != 0) return true;  // offscreen, wayland, ...
  if (chosen) return isSet("DISPLAY");
  return isSet("DISPLAY") || isSet("WAYLAND_DISPLAY");
#else
  return true;
#endif
}

}  // namespace

int runDesktop(int& argc, char** argv, bool showUsageMessage, const QString& openPath) {
  if (!displayAvailable()) {
    std::fprintf(stderr,
                 "vellacore: no display for the desktop window (DISPLAY is not set); "
                 "to analyse without one: vellacore input_file output_file\n");
    return 2;
  }
  QApplication application(argc, argv);
  // Page numbers and the report are read and written with a '.' decimal
  // point whatever the user's locale.
  std::setlocale(LC_NUMERIC, "C");

  auto window = std::make_unique<MainWindow>();
  StartupState state;
  runStartupSteps(state);
  window->applyStartup(state);
  if (showUsageMessage) window->messages().inform(kUsageCaption, kUsageText);
  window->show();
  window->raise();
  window->activateWindow();
  if (!openPath.isEmpty()) window->openDataFileAt(openPath);
  const int status = application.exec();
  window.reset();  // stores the remembered folder
  return status;
}

}  // namespace vc::forms
