// The interactive program: creates the application and the main window and
// runs the event loop until the window closes.
#pragma once

#include <QString>

namespace vc::forms {

// Returns the process exit status. With `showUsageMessage` the command-line
// usage message box is shown before the window opens.
// With `openPath` that data file is loaded as File > Open loads it.
int runDesktop(int& argc, char** argv, bool showUsageMessage, const QString& openPath = QString());

}  // namespace vc::forms
