// The options of the command line, read through one table: each row names
// an option ("--format"), says whether it takes a value ("--format json" or
// "--format=json") and applies it. New options are new rows.
//
// An argument that begins with "--" is an option, and "--" alone ends the
// options, so that a file whose name begins with "--" can still be named
// after it. Arguments that begin with one "-" are never options: as OUTPUT
// "-" is standard output, and any other such name stays a file name, as it
// was before the program had options ("-setcm" is handled before all this).
// A command line without any "--" argument is read by its argument count
// alone, exactly as before.
#pragma once

#include <string>

#include <QString>
#include <QStringList>

#include "app/batch_output.h"
#include "app/command_line.h"

namespace vc {

// The message text after an option error: the options' usage.
extern const char* const kOptionsUsageText;

// Whether some argument begins with "--", so that the option table reads
// the command line.
bool holdsLongOption(const QStringList& arguments);

struct CommandOptions {
  BatchOutput output;
  QStringList operands;  // the arguments that are not options, in order
  QString error;         // empty when every option was understood
  bool help = false;     // --help
  bool version = false;  // --version
  QString openPath;      // --open FILE
  QString outputDir;     // --output-dir DIR
  int jobs = 0;          // --jobs N; 0: one per core
};

// Reads `arguments` through the option table; stops at the first error.
CommandOptions parseCommandOptions(const QStringList& arguments);

// The start mode of a command line with options: --help or --version
// before anything else; --open FILE alone; --output-dir DIR with one or more
// inputs; otherwise a batch run when the options leave exactly INPUT and
// OUTPUT; else an option error.
CommandLine commandLineFromOptions(const QStringList& arguments);

// The text of --help, with `program` (the name as invoked) in each form.
std::string helpText(const QString& program);

// The text of --version: the program name and the version of the build.
std::string versionText();

// Shows an option error on stderr ("Command Line Error: <error> <usage>")
// and returns the exit status of a command-line error (2).
int reportOptionError(const CommandLine& commandLine);

}  // namespace vc
