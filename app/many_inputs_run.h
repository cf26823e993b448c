// Many laminates in one process: every input analysed into a folder, one
// output file per input, on several threads. Each input is run exactly as a
// single batch run of it, so every file written holds the same bytes.
#pragma once

#include <cstdio>

#include <QString>
#include <QStringList>

#include "app/batch_output.h"

namespace vc {

struct ManyInputsRequest {
  QString startFolder;  // the folder the command was started in (empty when gone)
  QString outputDir;    // as typed
  QStringList inputs;   // as typed
  BatchFormat format = BatchFormat::Text;
  bool curves = false;  // JSON: with the plot curves
  int jobs = 0;         // threads; 0: one per core
};

// The output file of each input: DIR/NAME.txt (.json, .csv), NAME being the
// input's file name without its extension. Two inputs that would write the
// same file make an error text naming both (empty when none).
QString outputPathsForInputs(const QStringList& inputs, const QString& outputDir,
                             BatchFormat format, QStringList& outputs);

// Runs every input; each refused or stopped input gives one line on
// `messages` naming it, and a counter is shown there when `showProgress`.
// Returns 0 when every input was analysed, else the highest single-run
// status (2 before anything is written when two inputs share a name).
// The settings store must have been read (runStartupSteps) before.
int runManyInputs(const ManyInputsRequest& request, std::FILE* messages, bool showProgress);

}  // namespace vc
