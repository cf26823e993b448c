// Where the running executable lives, with or without an application object.
#pragma once

#include <QString>

namespace vc {

// The folder of the running executable with '/' separators and no trailing
// '/' (as QCoreApplication::applicationDirPath gives it). Works before the
// application object exists and in test programs that never create one.
QString executableFolder();

// The full path of the running executable, '/' separators.
QString executableFilePath();

}  // namespace vc
