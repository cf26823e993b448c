// Runs the real program in a process of its own, with its home, settings
// and data folder inside a temporary folder.
#pragma once

#include <gtest/gtest.h>

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace vc::test {

inline QByteArray sourceFile(const char* relative) {
  QFile file(QStringLiteral(VC_SOURCE_DIR "/") + QString::fromLatin1(relative));
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// examples/sample.vcl, with its E2 replaced when asked.
inline QByteArray sampleDataFile(const char* e2 = "1.500e+006") {
  return sourceFile("examples/sample.vcl").replace("1.500e+006", e2);
}

struct ProcessResult {
  int exitCode = -1;  // -1 unless it ended normally
  QByteArray err;
  QByteArray out;
};

class BatchProcessTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    static int argc = 1;
    static char name[] = "app_tests";
    static char* argv[] = {name, nullptr};
    if (QCoreApplication::instance() == nullptr) static QCoreApplication application(argc, argv);
  }
  void SetUp() override {
    ASSERT_TRUE(root_.isValid());
    for (const char* folder : {"home/config", "home/data", "work"})
      QDir(root_.path()).mkpath(folder);
  }
  QString path(const QString& name) const { return root_.filePath(name); }
  bool writeFile(const QString& name, const QByteArray& contents) const {
    QFile file(path(name));
    return file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size();
  }
  QByteArray readFile(const QString& name) const {
    QFile file(path(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }

  // Runs the program in `folder` (default work/) and waits for it to end;
  // with `untilStderrHolds` it is ended as soon as its stderr holds that
  // text (for runs that go on to open the desktop window).
  ProcessResult run(const QStringList& arguments, const QString& folder = QString(),
                    const QByteArray& untilStderrHolds = QByteArray()) const {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", path("home"));
    env.insert("XDG_CONFIG_HOME", path("home/config"));
    env.insert("XDG_DATA_HOME", path("home/data"));
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.remove("APPDATA");
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(folder.isEmpty() ? path("work") : folder);
    process.setReadChannel(QProcess::StandardError);  // what waitForReadyRead waits for
    process.start(QStringLiteral(VC_EXECUTABLE), arguments);
    ProcessResult result;
    while (!untilStderrHolds.isEmpty() && !result.err.contains(untilStderrHolds) &&
           process.state() != QProcess::NotRunning && process.waitForReadyRead(120000))
      result.err += process.readAllStandardError();
    if (!untilStderrHolds.isEmpty()) process.kill();
    if (process.waitForFinished(120000) && process.exitStatus() == QProcess::NormalExit)
      result.exitCode = process.exitCode();
    result.err += process.readAllStandardError();
    result.out = process.readAllStandardOutput();
    return result;
  }

 private:
  QTemporaryDir root_;
};

}  // namespace vc::test
