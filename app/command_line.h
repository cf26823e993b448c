// The command line: the argument string, the "-setcm" option, splitting into
// arguments and the decision between an interactive run, a batch run and the
// usage message.
#pragma once

#include <QString>
#include <QStringList>

#include "app/batch_output.h"

namespace vc {

// The usage message (caption "Command Line Error").
extern const char* const kUsageCaption;
extern const char* const kUsageText;

// Removes the program name from a full command line: a name that begins with
// a double quote runs to the next double quote, otherwise to the first blank;
// one blank after it is skipped.
QString argumentStringFromCommandLine(const QString& commandLine);

// Blanks removed at both ends (blanks only, not other white space).
QString trimBlanks(const QString& text);

// The trimmed argument string begins with "-setcm" or "-SETCM".
bool isSetCompatibilityOption(const QString& argumentString);

// Splits at blanks; runs of blanks are one separator. A part in "..." or
// '...' keeps its blanks and loses its quotes; an unclosed quote runs to the
// end. Quoted parts next to other text join it into one argument.
QStringList splitArguments(const QString& argumentString);

enum class StartMode {
  SetCompatibility,  // "-setcm": write the compatibility setting and end
  Interactive,       // no arguments
  Batch,             // two arguments: input file, output file
  Usage,             // any other count: usage message, then interactive
  OptionError,       // options not understood (command_options.h): exit status 2
  Help,              // --help: the usage on standard output, status 0
  Version,           // --version: the version on standard output, status 0
  Open,              // --open FILE: the desktop window with FILE loaded
  ManyInputs         // --output-dir DIR INPUT...: one output per input
};

struct CommandLine {
  StartMode mode = StartMode::Interactive;
  QString inputPath;   // as typed (batch only)
  QString outputPath;  // as typed (batch only)
  BatchOutput output;  // what the batch run writes (options only; else the report)
  QString error;       // what was wrong with the options (OptionError only)
  QString openPath;    // as typed (Open only)
  QString outputDir;   // as typed (ManyInputs only)
  QStringList inputs;  // as typed (ManyInputs only)
  int jobs = 0;        // threads (ManyInputs only); 0: one per core
};

// The Windows command line's argument string: "-setcm" on its trimmed
// first six characters, then split into arguments. Arguments with an option
// (one that begins with "--") go through the option table
// (command_options.h), others by their count.
CommandLine parseCommandLine(const QString& argumentString);

// Arguments as the system hands them over (argv elsewhere than on Windows):
// "-setcm" when the first one, trimmed, begins with it; then options or
// count as above.
CommandLine parseArguments(const QStringList& arguments);

// This process's command line: on Windows the real command line without the
// program name, split; elsewhere argv as it stands.
CommandLine processCommandLine(int argc, char** argv);

}  // namespace vc
