#include "app/command_options.h"

#include "app/batch_run.h"
#include "app/stderr_messages.h"

namespace vc {

const char* const kOptionsUsageText =
    "Usage: vellacore [--format json|csv|text] [--curves] input_file output_file\r\n"
    "(text is the report; an output_file \"-\" is standard output)";

namespace {

const QString kOptionPrefix = QStringLiteral("--");

// One option: its name with the leading "--", whether it takes a value, and
// what it does; `apply` returns an error text, empty when it accepted.
struct OptionRow {
  const char* name;
  bool takesValue;
  QString (*apply)(CommandOptions& options, const QString& value);
};

QString applyFormat(CommandOptions& options, const QString& value) {
  static const struct {
    const char* name;
    BatchFormat format;
  } kFormats[] = {
      {"text", BatchFormat::Text}, {"json", BatchFormat::Json}, {"csv", BatchFormat::Csv}};
  for (const auto& f : kFormats) {
    if (value == QLatin1String(f.name)) {
      options.output.format = f.format;
      return {};
    }
  }
  return QStringLiteral("--format takes json, csv or text, not \"%1\".").arg(value);
}

QString applyHelp(CommandOptions& options, const QString&) {
  options.help = true;
  return {};
}

QString applyVersion(CommandOptions& options, const QString&) {
  options.version = true;
  return {};
}

QString applyOpen(CommandOptions& options, const QString& value) {
  if (value.isEmpty()) return QStringLiteral("--open takes a file name.");
  options.openPath = value;
  return {};
}

QString applyCurves(CommandOptions& options, const QString&) {
  options.output.curves = true;
  return {};
}

QString applyOutputDir(CommandOptions& options, const QString& value) {
  if (value.isEmpty()) return QStringLiteral("--output-dir takes a folder name.");
  options.outputDir = value;
  return {};
}

QString applyJobs(CommandOptions& options, const QString& value) {
  bool ok = false;
  const int jobs = value.toInt(&ok);
  // More threads than this only cost memory: the runs are CPU-bound.
  if (!ok || jobs < 1 || jobs > 1024)
    return QStringLiteral("--jobs takes a number from 1 to 1024, not \"%1\".").arg(value);
  options.jobs = jobs;
  return {};
}

const OptionRow kOptionTable[] = {
    {"--format", true, applyFormat},        {"--help", false, applyHelp},
    {"--version", false, applyVersion},     {"--open", true, applyOpen},
    {"--output-dir", true, applyOutputDir}, {"--jobs", true, applyJobs},
    {"--curves", false, applyCurves},
};

// Which start a parsed command line asks for, or the error that stops it.
QString chooseMode(const CommandOptions& options, CommandLine& result) {
  if (!options.error.isEmpty()) return options.error;
  if (options.output.curves && options.output.format != BatchFormat::Json && !options.help &&
      !options.version)
    return QStringLiteral("--curves works only with --format json.");
  if (options.help) {
    result.mode = StartMode::Help;
  } else if (options.version) {
    result.mode = StartMode::Version;
  } else if (!options.openPath.isEmpty()) {
    if (!options.operands.isEmpty() || !options.outputDir.isEmpty() || options.jobs != 0)
      return QStringLiteral("--open takes one file and no other arguments.");
    result.mode = StartMode::Open;
  } else if (!options.outputDir.isEmpty()) {
    if (options.operands.isEmpty())
      return QStringLiteral("--output-dir needs at least one input file.");
    result.mode = StartMode::ManyInputs;
  } else if (options.jobs != 0) {
    return QStringLiteral("--jobs works only with --output-dir.");
  } else if (options.operands.size() != 2) {
    return QStringLiteral("An input file and an output file are needed.");
  } else {
    result.mode = StartMode::Batch;
  }
  return {};
}

const OptionRow* findOption(const QString& name) {
  for (const OptionRow& row : kOptionTable) {
    if (name == QLatin1String(row.name)) return &row;
  }
  return nullptr;
}

}  // namespace

bool holdsLongOption(const QStringList& arguments) {
  for (const QString& argument : arguments) {
    if (argument.startsWith(kOptionPrefix)) return true;
  }
  return false;
}

CommandOptions parseCommandOptions(const QStringList& arguments) {
  CommandOptions options;
  bool optionsEnded = false;
  for (int i = 0; i < arguments.size(); ++i) {
    const QString& argument = arguments.at(i);
    if (optionsEnded || !argument.startsWith(kOptionPrefix)) {
      options.operands << argument;
      continue;
    }
    if (argument == kOptionPrefix) {
      optionsEnded = true;
      continue;
    }
    const int equals = argument.indexOf(QLatin1Char('='));
    const QString name = equals < 0 ? argument : argument.left(equals);
    const OptionRow* row = findOption(name);
    if (row == nullptr) {
      options.error = QStringLiteral("Unknown option \"%1\".").arg(name);
      return options;
    }
    QString value;
    if (row->takesValue && equals >= 0) {
      value = argument.mid(equals + 1);
    } else if (row->takesValue && i + 1 < arguments.size()) {
      value = arguments.at(++i);
    } else if (row->takesValue) {
      options.error = QStringLiteral("The option %1 needs a value.").arg(name);
      return options;
    } else if (equals >= 0) {
      options.error = QStringLiteral("The option %1 takes no value.").arg(name);
      return options;
    }
    options.error = row->apply(options, value);
    if (!options.error.isEmpty()) return options;
  }
  return options;
}

CommandLine commandLineFromOptions(const QStringList& arguments) {
  const CommandOptions options = parseCommandOptions(arguments);
  CommandLine result;
  result.error = chooseMode(options, result);
  if (!result.error.isEmpty()) {
    result.mode = StartMode::OptionError;
    return result;
  }
  result.output = options.output;
  result.openPath = options.openPath;
  result.outputDir = options.outputDir;
  result.jobs = options.jobs;
  if (result.mode == StartMode::ManyInputs) result.inputs = options.operands;
  if (result.mode != StartMode::Batch) return result;
  result.inputPath = options.operands.at(0);
  result.outputPath = options.operands.at(1);
  result.output.toStandardOutput = result.outputPath == QLatin1String("-");
  return result;
}

std::string helpText(const QString& program) {
  const std::string p = program.toLocal8Bit().toStdString();
  return "Usage: " + p +
         " input_file output_file\n"
         "       " +
         p +
         " [--format json|csv|text] [--curves] input_file output_file\n"
         "       " +
         p +
         " --output-dir DIR [--format json|csv|text] [--curves]\n"
         "                 [--jobs N] input_file...\n"
         "       " +
         p +
         " --open input_file\n"
         "       " +
         p +
         "\n"
         "\n"
         "Analyses flat composite laminates by classical laminated plate theory.\n"
         "With an input and an output file the input is analysed and the report\n"
         "written to the output file (\"-\" is standard output when an option is\n"
         "given); without arguments the desktop window opens.\n"
         "\n"
         "Options:\n"
         "  --format json|csv|text  the report (text, the default), or the inputs and\n"
         "                          results as JSON or CSV\n"
         "  --curves                JSON: add the curves behind the plots (stiffness\n"
         "                          by direction, failure envelopes; ten times the size)\n"
         "  --output-dir DIR        analyse every input into DIR/NAME.txt (.json, .csv)\n"
         "  --jobs N                threads for --output-dir (default: one per core)\n"
         "  --open FILE             open the desktop window with FILE loaded\n"
         "  --help                  show this text\n"
         "  --version               show the version\n"
         "  --                      end of the options\n"
         "\n"
         "Exit status:\n"
         "  0  the report was written (with --output-dir: every input was analysed)\n"
         "  1  a check stopped the analysis; a text output holds only a line end\n"
         "  2  command-line error or refused input; nothing written\n"
         "  3  the output could not be written\n"
         "With --output-dir the status is the highest of the inputs' statuses.\n";
}

std::string versionText() { return std::string("vellacore ") + VC_VERSION_TEXT + "\n"; }

int reportOptionError(const CommandLine& commandLine) {
  StderrMessages messages;
  const QByteArray text = commandLine.error.toLocal8Bit() + "\r\n" + kOptionsUsageText;
  messages.inform(kCommandLineErrorCaption, text.constData());
  return kBatchInputRefused;
}

}  // namespace vc
