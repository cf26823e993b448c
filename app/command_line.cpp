#include "app/command_line.h"

#include "app/command_options.h"

#if defined(_WIN32)
#include <windows.h>
#endif

namespace vc {

const char* const kUsageCaption = "Command Line Error";
#if defined(_WIN32)
const char* const kUsageText =
    "To run Vellacore in Windows mode simply execute Vellacore.exe\r\n\r\n"
    "To run in Command Line Mode from a shell, the syntax is: Vellacore  input_file  "
    "output_file\r\n\r\n";
#else
// Elsewhere the message names the executable as it is installed.
const char* const kUsageText =
    "To run Vellacore in Windows mode simply execute vellacore\r\n\r\n"
    "To run in Command Line Mode from a shell, the syntax is: vellacore  input_file  "
    "output_file\r\n\r\n";
#endif

namespace {

const QChar kBlank = QLatin1Char(' ');
const QChar kDoubleQuote = QLatin1Char('"');
const QChar kSingleQuote = QLatin1Char('\'');

}  // namespace

QString argumentStringFromCommandLine(const QString& commandLine) {
  int position = 0;
  if (commandLine.startsWith(kDoubleQuote)) {
    const int close = commandLine.indexOf(kDoubleQuote, 1);
    position = close < 0 ? commandLine.size() : close + 1;
  } else {
    const int blank = commandLine.indexOf(kBlank);
    position = blank < 0 ? commandLine.size() : blank;
  }
  if (position < commandLine.size() && commandLine.at(position) == kBlank) ++position;
  return commandLine.mid(position);
}

QString trimBlanks(const QString& text) {
  int first = 0;
  int last = text.size();
  while (first < last && text.at(first) == kBlank) ++first;
  while (last > first && text.at(last - 1) == kBlank) --last;
  return text.mid(first, last - first);
}

bool isSetCompatibilityOption(const QString& argumentString) {
  const QString head = trimBlanks(argumentString).left(6);
  return head == QLatin1String("-setcm") || head == QLatin1String("-SETCM");
}

QStringList splitArguments(const QString& argumentString) {
  QStringList arguments;
  QString current;
  bool inArgument = false;  // also true for an argument that is just ""
  QChar quote;
  bool quoted = false;
  for (const QChar c : argumentString) {
    if (quoted) {
      if (c == quote) {
        quoted = false;
      } else {
        current += c;
      }
    } else if (c == kBlank) {
      if (inArgument) {
        arguments.append(current);
        current.clear();
        inArgument = false;
      }
    } else if (c == kDoubleQuote || c == kSingleQuote) {
      quote = c;
      quoted = true;
      inArgument = true;
    } else {
      current += c;
      inArgument = true;
    }
  }
  if (inArgument) arguments.append(current);
  return arguments;
}

namespace {

// The mode by the number of arguments.
CommandLine byCount(const QStringList& arguments) {
  CommandLine result;
  if (holdsLongOption(arguments)) return commandLineFromOptions(arguments);
  if (arguments.isEmpty()) {
    result.mode = StartMode::Interactive;
  } else if (arguments.size() == 2) {
    result.mode = StartMode::Batch;
    result.inputPath = arguments.at(0);
    result.outputPath = arguments.at(1);
  } else {
    result.mode = StartMode::Usage;
  }
  return result;
}

}  // namespace

CommandLine parseArguments(const QStringList& arguments) {
  if (arguments.isEmpty() || !isSetCompatibilityOption(arguments.first()))
    return byCount(arguments);
  CommandLine result;
  result.mode = StartMode::SetCompatibility;
  return result;
}

CommandLine parseCommandLine(const QString& argumentString) {
  const QString trimmed = trimBlanks(argumentString);
  if (isSetCompatibilityOption(trimmed)) {
    CommandLine result;
    result.mode = StartMode::SetCompatibility;
    return result;
  }
  return byCount(splitArguments(trimmed));
}

CommandLine processCommandLine(int argc, char** argv) {
#if defined(_WIN32)
  (void)argc;
  (void)argv;
  return parseCommandLine(
      argumentStringFromCommandLine(QString::fromWCharArray(GetCommandLineW())));
#else
  QStringList arguments;
  for (int i = 1; i < argc; ++i) arguments.append(QString::fromLocal8Bit(argv[i]));
  return parseArguments(arguments);
#endif
}

}  // namespace vc
