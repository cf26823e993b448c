// The program entry: "-setcm", the batch run with two arguments (or with
// options and two), otherwise the desktop window (with the usage message
// first for a wrong count).
#include <clocale>
#include <cstdio>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "app/batch_run.h"
#include "app/command_line.h"
#include "app/command_options.h"
#include "app/compatibility_setting.h"
#include "app/startup.h"
#include "app/stderr_messages.h"

#if defined(VC_WITH_GUI)
#include <QLibrary>

#include "app/executable_path.h"
#endif

namespace {

int batchMain(int& argc, char** argv, const vc::CommandLine& commandLine) {
  // Relative paths mean the folder the command was started in; start-up is
  // about to make the data folder current, so resolve them first.
  // A working folder that was deleted has no path to resolve against.
  QString startFolder = QDir::currentPath();
  if (!QFileInfo(startFolder).isDir()) startFolder.clear();
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

#if defined(VC_WITH_GUI)
// The windows are in the module "vellacore-desktop" beside the executable;
// loading it only here keeps the GUI libraries out of batch runs.
int runDesktopModule(int& argc, char** argv, bool showUsage) {
  QLibrary module(vc::executableFolder() + QStringLiteral("/vellacore-desktop"));
  using Entry = int (*)(int*, char**, int);
  auto entry = reinterpret_cast<Entry>(module.resolve("vellacoreRunDesktop"));
  if (entry == nullptr) {
    std::fprintf(stderr,
                 "vellacore: the desktop window cannot be started (%s); "
                 "to analyse without it: vellacore input_file output_file\n",
                 qPrintable(module.errorString()));
    return 2;
  }
  return entry(&argc, argv, showUsage ? 1 : 0);
}
#endif

int interactiveMain(int& argc, char** argv, bool showUsage) {
  if (showUsage) {
    vc::StderrMessages messages;
    messages.inform(vc::kUsageCaption, vc::kUsageText);
  }
#if defined(VC_WITH_GUI)
  return runDesktopModule(argc, argv, showUsage);
#else
  (void)argc;
  (void)argv;
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
    case vc::StartMode::OptionError:
      return vc::reportOptionError(commandLine);
    case vc::StartMode::Usage:
      return interactiveMain(argc, argv, true);
    case vc::StartMode::Interactive:
      break;
  }
  return interactiveMain(argc, argv, false);
}
