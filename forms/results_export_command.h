// The results window's "&Export..." command: the run's inputs and results
// as JSON or CSV (results_export/), or the report with its plots as PDF,
// the kind chosen in the save dialog ("Export Results") by the file's
// extension or else by the chosen filter.
#pragma once

#include <QList>
#include <QString>
#include <string>

#include "app/file_chooser.h"
#include "engine/laminate_data.h"
#include "engine/messages.h"

namespace vc::forms {

enum class ResultsFileType : int { Json = 0, Csv = 1, Pdf = 2 };

// "JSON files (*.json)", "CSV files (*.csv)", "PDF documents (*.pdf)", in
// the order of ResultsFileType.
QList<FileFilter> resultsFileFilters();

struct ExportedRun {
  const LaminateData* data = nullptr;  // the completed run
  QString reportText;                  // the report as shown
  QString dataFilePath;                // the data file of the run; may be empty
};

// The bytes of one kind of file.
QByteArray resultsFileBytes(const ExportedRun& run, ResultsFileType type);

// The dialog starts in `folder`, which becomes the chosen file's folder and
// is stored as LastPath; the file goes through the atomic save, and a
// failure is reported ("Export Error"). Returns whether a file was written.
bool exportResultsCommand(const ExportedRun& run, FileChooser& chooser, QString& folder,
                          MessageSink& messages);

}  // namespace vc::forms
