#include "forms/results_export_command.h"

#include <QDate>
#include <QFileInfo>

#include "app/chosen_file_type.h"
#include "app/settings_store.h"
#include "forms/plot_file.h"
#include "forms/plot_view.h"
#include "forms/plots_window.h"
#include "forms/report_pdf.h"
#include "results_export/results_csv.h"
#include "results_export/results_json.h"

namespace vc::forms {

QList<FileFilter> resultsFileFilters() {
  return {{QStringLiteral("JSON files (*.json)"), QStringLiteral("*.json")},
          {QStringLiteral("CSV files (*.csv)"), QStringLiteral("*.csv")},
          {QStringLiteral("PDF documents (*.pdf)"), QStringLiteral("*.pdf")}};
}

QByteArray resultsFileBytes(const ExportedRun& run, ResultsFileType type) {
  if (run.data == nullptr) return {};
  switch (type) {
    case ResultsFileType::Json:
      return QByteArray::fromStdString(resultsJson(*run.data, JsonCurves::Included));
    case ResultsFileType::Csv:
      return QByteArray::fromStdString(resultsCsv(*run.data));
    case ResultsFileType::Pdf:
      break;
  }
  // The plots as the plots window first shows them, drawn from a window
  // that is never shown.
  PlotsWindow window(*run.data, nullptr, nullptr, nullptr);
  QList<PlotView*> plots;
  for (int tab = 0; tab < PlotsWindow::kPlotCount; ++tab) plots << window.plot(tab);
  const ReportPdfHeader header{QFileInfo(run.dataFilePath).fileName(), QDate::currentDate()};
  return reportPdf(run.reportText, header, plots);
}

bool exportResultsCommand(const ExportedRun& run, FileChooser& chooser, QString& folder,
                          MessageSink& messages) {
  if (run.data == nullptr) return false;
  const QList<FileFilter> filters = resultsFileFilters();
  int chosenFilter = 0;
  const QString chosen =
      chooser.saveFileNameOfType(QStringLiteral("Export Results"), folder, filters, chosenFilter);
  if (chosen.trimmed().isEmpty()) return false;
  const ChosenFileType file = chosenFileType(chosen, filters, chosenFilter);
  folder = folderOfPath(file.path);
  const bool written =
      saveExportedFile(file.path, resultsFileBytes(run, ResultsFileType(file.filter)),
                       "Export Error", QStringLiteral("The results"), messages);
  storeLastPath(folder);
  return written;
}

}  // namespace vc::forms
