#include "app/command_options.h"

#include "app/batch_run.h"
#include "app/stderr_messages.h"

namespace vc {

const char* const kOptionsUsageText =
    "Usage: vellacore [--format json|csv|text] input_file output_file\r\n"
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

const OptionRow kOptionTable[] = {
    {"--format", true, applyFormat},
};

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
  result.error = options.error;
  if (result.error.isEmpty() && options.operands.size() != 2) {
    result.error = QStringLiteral("An input file and an output file are needed.");
  }
  if (!result.error.isEmpty()) {
    result.mode = StartMode::OptionError;
    return result;
  }
  result.mode = StartMode::Batch;
  result.inputPath = options.operands.at(0);
  result.outputPath = options.operands.at(1);
  result.output = options.output;
  result.output.toStandardOutput = result.outputPath == QLatin1String("-");
  return result;
}

int reportOptionError(const CommandLine& commandLine) {
  StderrMessages messages;
  const QByteArray text = commandLine.error.toLocal8Bit() + "\r\n" + kOptionsUsageText;
  messages.inform(kCommandLineErrorCaption, text.constData());
  return kBatchInputRefused;
}

}  // namespace vc
