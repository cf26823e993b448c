#include "app/many_inputs_run.h"

#include <algorithm>
#include <atomic>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include <QDir>
#include <QFileInfo>

#include "app/batch_run.h"
#include "app/stderr_messages.h"

namespace vc {

namespace {

const char* extensionFor(BatchFormat format) {
  switch (format) {
    case BatchFormat::Json:
      return ".json";
    case BatchFormat::Csv:
      return ".csv";
    case BatchFormat::Text:
      break;
  }
  return ".txt";
}

// Keeps the messages of one input, to be shown as one line after its run.
class CollectedMessages : public MessageSink {
 public:
  void inform(const char* caption, const char* text) override {
    if (!line_.empty()) line_ += "; ";
    line_ += messageLine(caption, text);
  }
  const std::string& line() const { return line_; }

 private:
  std::string line_;
};

// The one stream the worker threads write to: each line whole, under one
// lock, with the progress counter (a terminal only) rewritten in place.
class SharedStderr {
 public:
  SharedStderr(std::FILE* stream, bool showProgress, int total)
      : stream_(stream), showProgress_(showProgress), total_(total) {}

  void inputEnded(const std::string& failureLine) {
    std::lock_guard<std::mutex> lock(mutex_);
    ++done_;
    std::string text;
    if (showProgress_) text += "\r\x1b[K";
    if (!failureLine.empty()) text += failureLine + "\n";
    if (showProgress_)
      text += std::to_string(done_) + "/" + std::to_string(total_) + (done_ == total_ ? "\n" : "");
    std::fwrite(text.data(), 1, text.size(), stream_);
    std::fflush(stream_);
  }

 private:
  std::mutex mutex_;
  std::FILE* stream_;
  bool showProgress_;
  int total_;
  int done_ = 0;
};

// One input through the same checks and run as a single batch run.
int runOneInput(const QString& startFolder, const QString& typedInput, const QString& output,
                const BatchOutput& format, std::string& failureLine) {
  CollectedMessages messages;
  const QString input = resolveBatchPath(startFolder, typedInput);
  int status = kBatchInputRefused;
  if (checkBatchInput(typedInput, input, messages)) {
    status = checkBatchOutput(startFolder, output, input, output, messages);
    if (status == 0) status = runBatch(input, output, messages, format);
  }
  if (status != kBatchReportWritten) {
    failureLine = typedInput.toLocal8Bit().toStdString() + ": ";
    failureLine += messages.line().empty() ? "not analysed" : messages.line();
  }
  return status;
}

}  // namespace

QString outputPathsForInputs(const QStringList& inputs, const QString& outputDir,
                             BatchFormat format, QStringList& outputs) {
  outputs.clear();
  std::map<QString, QString> firstInputOf;
  for (const QString& input : inputs) {
    const QString output = QDir(outputDir).filePath(QFileInfo(input).completeBaseName() +
                                                    QLatin1String(extensionFor(format)));
    const auto [it, inserted] = firstInputOf.emplace(output, input);
    if (!inserted) {
      return QStringLiteral("The inputs %1 and %2 would both be written to %3.")
          .arg(it->second, input, output);
    }
    outputs << output;
  }
  return {};
}

int runManyInputs(const ManyInputsRequest& request, std::FILE* messagesStream, bool showProgress) {
  StderrMessages stderrMessages(messagesStream);
  const QString outputDir = resolveBatchPath(request.startFolder, request.outputDir);
  if (outputDir.isEmpty()) {
    const std::string text = "The reports could not be written to " +
                             request.outputDir.toLocal8Bit().toStdString() +
                             ": the folder it was started in no longer exists";
    stderrMessages.inform(kOutputFileErrorCaption, text.c_str());
    return kBatchOutputFailed;
  }
  QStringList outputs;
  const QString clash = outputPathsForInputs(request.inputs, outputDir, request.format, outputs);
  if (!clash.isEmpty()) {
    stderrMessages.inform(kCommandLineErrorCaption, clash.toLocal8Bit().constData());
    return kBatchInputRefused;
  }
  if (!QDir().mkpath(outputDir)) {
    const std::string text =
        "The folder " + request.outputDir.toLocal8Bit().toStdString() + " cannot be created";
    stderrMessages.inform(kOutputFileErrorCaption, text.c_str());
    return kBatchOutputFailed;
  }

  const int count = static_cast<int>(request.inputs.size());
  const int cores = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
  const int threads = std::min(count, request.jobs > 0 ? request.jobs : cores);
  BatchOutput format;
  format.format = request.format;
  format.curves = request.curves;
  SharedStderr shared(messagesStream, showProgress, count);
  std::atomic<int> next{0};
  std::atomic<int> highest{0};
  auto work = [&]() {
    for (int i = next++; i < count; i = next++) {
      std::string failureLine;
      const int status = runOneInput(request.startFolder, request.inputs.at(i), outputs.at(i),
                                     format, failureLine);
      int seen = highest.load();
      while (status > seen && !highest.compare_exchange_weak(seen, status)) {
      }
      shared.inputEnded(failureLine);
    }
  };
  std::vector<std::thread> pool;
  for (int t = 1; t < threads; ++t) pool.emplace_back(work);
  work();
  for (std::thread& thread : pool) thread.join();
  return highest.load();
}

}  // namespace vc
