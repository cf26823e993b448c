// The entry point of the desktop module. The program loads this module only
// for an interactive run, so a batch run never loads the Qt GUI libraries
// and starts in a fraction of the time.
#include <QtGlobal>

#include "forms/desktop.h"

#include <QFile>

// `openPath`: a data file to load (file-system encoding), or null.
extern "C" Q_DECL_EXPORT int vellacoreRunDesktop(int* argc, char** argv, int showUsageMessage,
                                                 const char* openPath) {
  const QString path = openPath != nullptr ? QFile::decodeName(openPath) : QString();
  return vc::forms::runDesktop(*argc, argv, showUsageMessage != 0, path);
}
