// The program entry: "-setcm", the batch run with two arguments (or with
// options and two), otherwise the desktop window (with the usage message
// first for a wrong count).
#include <clocale>
#include <cstdio>
#include <string>

#if !defined(_WIN32)
#include <unistd.h>
#endif

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "app/batch_run.h"
#include "app/command_line.h"
#include "app/command_options.h"
#include "app/compatibility_setting.h"
#include "app/many_inputs_run.h"
#include "app/startup.h"
#include "app/stderr_messages.h"

#if defined(VC_WITH_GUI)
#include <QLibrary>

#include "app/executable_path.h"
#endif

namespace {

// Where a batch run started: relative paths mean this folder, and start-up
// is about to make the data folder current. A working folder that was
// deleted has no path to resolve against.
QString startingFolder() {
  QString folder = QDir::currentPath();
  if (!QFileInfo(folder).isDir()) folder.clear();
  return folder;
}

int batchMain(int& argc, char** argv, const vc::CommandLine& commandLine) {
  const QString startFolder = startingFolder();
  QCoreApplication application(argc, argv);
  std::setlocale(LC_NUMERIC, "C");
  vc::StderrMessages messages;

  vc::StartupState state;
  state.inputPath = vc::resolveBatchPath(startFolder, commandLine.inputPath);
  state.outputPath = commandLine.output.toStandardOutput
                         ? QString()
                         : vc::resolveBatchPath(startFolder, commandLine.outputPath);
  if (!vc::checkBatchInput(commandLine.inputPath, state.inputPath, messages)) {
    return vc::kBatchInputRefused;
  }
  // Standard output is neither a path nor the input file.
  if (const int status = commandLine.output.toStandardOutput
                             ? 0
                             : vc::checkBatchOutput(startFolder, commandLine.outputPath,
                                                    state.inputPath, state.outputPath, messages)) {
    return status;
  }
  vc::runStartupSteps(state);
  return vc::runBatch(state.inputPath, state.outputPath, messages, commandLine.output);
}

int manyInputsMain(int& argc, char** argv, const vc::CommandLine& commandLine) {
  vc::ManyInputsRequest request;
  request.startFolder = startingFolder();
  QCoreApplication application(argc, argv);
  std::setlocale(LC_NUMERIC, "C");
  request.outputDir = commandLine.outputDir;
  request.inputs = commandLine.inputs;
  request.format = commandLine.output.format;
  request.curves = commandLine.output.curves;
  request.jobs = commandLine.jobs;
  vc::StartupState state;
  vc::runStartupSteps(state);  // the settings store, read once for all inputs
#if defined(_WIN32)
  const bool terminal = false;
#else
  const bool terminal = isatty(fileno(stderr)) != 0;
#endif
  return vc::runManyInputs(request, stderr, terminal && request.inputs.size() > 50);
}

// --help and --version: plain text on standard output, no display needed.
int printText(const std::string& text) {
  std::fwrite(text.data(), 1, text.size(), stdout);
  return std::fflush(stdout) == 0 ? 0 : vc::kBatchOutputFailed;
}

QString invokedName(const char* argv0) {
  const QString name = argv0 != nullptr ? QString::fromLocal8Bit(argv0) : QString();
  const QString file = QFileInfo(name).fileName();
  return file.isEmpty() ? QStringLiteral("vellacore") : file;
}

#if defined(VC_WITH_GUI)
// The windows are in the module "vellacore-desktop" beside the executable;
// loading it only here keeps the GUI libraries out of batch runs.
int runDesktopModule(int& argc, char** argv, bool showUsage, const QString& openPath) {
  QLibrary module(vc::executableFolder() + QStringLiteral("/vellacore-desktop"));
  using Entry = int (*)(int*, char**, int, const char*);
  auto entry = reinterpret_cast<Entry>(module.resolve("vellacoreRunDesktop"));
  if (entry == nullptr) {
    std::fprintf(stderr,
                 "vellacore: the desktop window cannot be started (%s); "
                 "to analyse without it: vellacore input_file output_file\n",
                 qPrintable(module.errorString()));
    return 2;
  }
  const QByteArray path = QFile::encodeName(openPath);
  return entry(&argc, argv, showUsage ? 1 : 0, openPath.isEmpty() ? nullptr : path.constData());
}
#endif

// `openPath`: the data file to load into the window (--open), else empty.
int interactiveMain(int& argc, char** argv, bool showUsage, const QString& openPath = QString()) {
  if (showUsage) {
    vc::StderrMessages messages;
    messages.inform(vc::kUsageCaption, vc::kUsageText);
  }
#if defined(VC_WITH_GUI)
  // Start-up makes the data folder current: a relative path means the
  // folder the command was started in.
  const QString path =
      openPath.isEmpty() ? openPath : QDir(startingFolder()).absoluteFilePath(openPath);
  return runDesktopModule(argc, argv, showUsage, path);
#else
  (void)argc;
  (void)argv;
  (void)openPath;
  if (!showUsage) {
    vc::StderrMessages messages;
    messages.inform(vc::kUsageCaption, vc::kUsageText);
  }
  return vc::kBatchInputRefused;
#endif
}

}  // namespace

int main(int argc, char** argv) {
  const vc::CommandLine commandLine = vc::processCommandLine(argc, argv);
  switch (commandLine.mode) {
    case vc::StartMode::SetCompatibility:
      vc::writeCompatibilitySetting();
      return 0;
    case vc::StartMode::Batch:
      return batchMain(argc, argv, commandLine);
    case vc::StartMode::ManyInputs:
      return manyInputsMain(argc, argv, commandLine);
    case vc::StartMode::Help:
      return printText(vc::helpText(invokedName(argv[0])));
    case vc::StartMode::Version:
      return printText(vc::versionText());
    case vc::StartMode::Open:
      return interactiveMain(argc, argv, false, commandLine.openPath);
    case vc::StartMode::OptionError:
      return vc::reportOptionError(commandLine);
    case vc::StartMode::Usage:
      return interactiveMain(argc, argv, true);
    case vc::StartMode::Interactive:
      break;
  }
  return interactiveMain(argc, argv, false);
}
