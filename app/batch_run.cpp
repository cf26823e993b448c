#include "app/batch_run.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>

#if defined(_WIN32)
#include <fcntl.h>
#include <io.h>
#endif

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "app/analysis_command.h"
#include "app/settings_page_options.h"
#include "datafile/data_file.h"
#include "engine/laminate_data.h"
#include "fileio/atomic_save.h"
#include "pages/input_pages.h"
#include "pages/page_transfer.h"
#include "results_export/results_csv.h"
#include "results_export/results_json.h"

namespace vc {

const char* const kCommandLineErrorCaption = "Command Line Error";
const char* const kMissingInputText = "Specified input file does not exist or could not be found: ";
const char* const kOutputFileErrorCaption = "Output File Error";

QString resolveBatchPath(const QString& startFolder, const QString& typed) {
  if (typed.isEmpty() || (startFolder.isEmpty() && QDir::isRelativePath(typed))) return QString();
  return QDir(startFolder).absoluteFilePath(typed);
}

bool checkBatchInput(const QString& typedInput, const QString& resolvedInput,
                     MessageSink& messages) {
  if (!resolvedInput.isEmpty() && QFileInfo::exists(resolvedInput)) return true;
  const std::string text = std::string(kMissingInputText) + typedInput.toLocal8Bit().toStdString();
  messages.inform(kCommandLineErrorCaption, text.c_str());
  return false;
}

int checkBatchOutput(const QString& startFolder, const QString& typedOutput,
                     const QString& resolvedInput, const QString& resolvedOutput,
                     MessageSink& messages) {
  const std::string typed = typedOutput.toLocal8Bit().toStdString();
  if (startFolder.isEmpty() && QDir::isRelativePath(typedOutput)) {
    const std::string text = "The report could not be written to " + typed +
                             ": the folder it was started in no longer exists";
    messages.inform(kOutputFileErrorCaption, text.c_str());
    return kBatchOutputFailed;
  }
  std::error_code ec;
  if (std::filesystem::equivalent(QFile::encodeName(resolvedInput).toStdString(),
                                  QFile::encodeName(resolvedOutput).toStdString(), ec)) {
    const std::string text = "The output file is the input file: " + typed;
    messages.inform(kCommandLineErrorCaption, text.c_str());
    return kBatchInputRefused;
  }
  return 0;
}

namespace {

// Writes `bytes` to standard output as they are (CR LF kept on Windows too).
// Returns an empty string on success, else the reason in a few words.
std::string writeStandardOutput(const std::string& bytes) {
#if defined(_WIN32)
  _setmode(_fileno(stdout), _O_BINARY);
#endif
  errno = 0;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size();
  if (std::fflush(stdout) == 0 && written) return {};
  return errno != 0 ? std::strerror(errno) : "the stream refused the bytes";
}

}  // namespace

int runBatch(const QString& inputPath, const QString& outputPath, MessageSink& messages,
             const BatchOutput& output) {
  // The record and the pages are large; keep them off the stack.
  auto data = std::make_unique<LaminateData>();
  auto pages = std::make_unique<InputPages>();

  DataFileOptions options = optionsFromSettingsPage(pages->settings);
  if (!readDataFile(inputPath.toLocal8Bit().toStdString(), *data, options, messages)) {
    return kBatchInputRefused;
  }
  showOptionsOnSettingsPage(options, pages->settings);
  showDataOnPages(*data, *pages);

  std::string reportText;
  const RunOutcome outcome = output.format == BatchFormat::Text
                                 ? runAnalysis(*pages, *data, reportText, messages)
                                 : runAnalysis(*pages, *data, messages);
  const bool completed = outcome.status == RunStatus::Completed;
  std::string bytes;
  if (output.format == BatchFormat::Text) {
    // A stopped run builds no report: the file gets the empty report text and
    // its closing line end, so a reader sees an empty report, not an old one.
    bytes = reportText + "\r\n";
  } else if (!completed) {
    return kBatchAnalysisStopped;
  } else {
    bytes = output.format == BatchFormat::Json
                ? resultsJson(*data, output.curves ? JsonCurves::Included : JsonCurves::LeftOut)
                : resultsCsv(*data);
  }

  std::string error;
  if (output.toStandardOutput) {
    error = writeStandardOutput(bytes);
  } else {
    error = outputPath.isEmpty()
                ? std::string("no file name given")
                : saveFileAtomically(QFile::encodeName(outputPath).toStdString(), bytes);
  }
  if (!error.empty()) {
    const std::string what = output.format == BatchFormat::Text
                                 ? "The report could not be written to "
                                 : "The results could not be written to ";
    const std::string where = output.toStandardOutput ? std::string("standard output")
                                                      : outputPath.toLocal8Bit().toStdString();
    const std::string text = what + where + ": " + error;
    messages.inform(kOutputFileErrorCaption, text.c_str());
    return kBatchOutputFailed;
  }
  return completed ? kBatchReportWritten : kBatchAnalysisStopped;
}

}  // namespace vc
