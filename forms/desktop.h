// The interactive program: creates the application and the main window and
// runs the event loop until the window closes.
#pragma once

namespace vc::forms {

// Returns the process exit status. With `showUsageMessage` the command-line
// usage message box is shown before the window opens.
int runDesktop(int& argc, char** argv, bool showUsageMessage);

}  // namespace vc::forms
