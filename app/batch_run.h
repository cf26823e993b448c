// The batch run: one analysis of a data file with the report written to an
// output file, without any window and without waiting for a person.
#pragma once

#include <QString>

#include "app/batch_output.h"
#include "engine/messages.h"

namespace vc {

// Exit statuses of a batch run.
enum BatchStatus : int {
  kBatchReportWritten = 0,    // the report is in the output file
  kBatchAnalysisStopped = 1,  // a check stopped the run; the file holds one CR LF
  kBatchInputRefused = 2,     // command-line error or refused input; no file written
  kBatchOutputFailed = 3      // the output file could not be written
};

// Caption and text start of the message for a missing input file.
extern const char* const kCommandLineErrorCaption;
extern const char* const kMissingInputText;
// Caption of the message for an output file that cannot be written.
extern const char* const kOutputFileErrorCaption;

// A batch argument as a path that no longer depends on the current folder:
// relative paths are taken against `startFolder` (the folder the command was
// started in; empty when it no longer exists, and then a relative path
// resolves to nothing). An empty argument stays empty.
QString resolveBatchPath(const QString& startFolder, const QString& typed);

// Whether a file or folder exists at `resolvedInput`; when not, shows the
// "Command Line Error" message with the path as the user typed it.
bool checkBatchInput(const QString& typedInput, const QString& resolvedInput,
                     MessageSink& messages);

// The checks of the output path before anything is written: a relative
// path needs the folder the command was started in (`startFolder` is empty
// when that folder no longer exists: "Output File Error", status 3), and the
// output must not be the input file itself, also through a link
// ("Command Line Error", status 2). Returns 0 when the output may be written.
int checkBatchOutput(const QString& startFolder, const QString& typedOutput,
                     const QString& resolvedInput, const QString& resolvedOutput,
                     MessageSink& messages);

// Reads the data file, shows it on the pages, runs the analysis and writes
// the report plus one CR LF (or only the CR LF when a check stopped the run)
// to `outputPath`. Returns a BatchStatus.
// With `output` asking for JSON or CSV, the run's inputs and results are
// written instead, and nothing at all when a check stopped the run (there
// are no results to write). With `output.toStandardOutput` the bytes go to
// standard output and `outputPath` is not used.
int runBatch(const QString& inputPath, const QString& outputPath, MessageSink& messages,
             const BatchOutput& output = BatchOutput());

}  // namespace vc
