// Runs the real program in a process of its own, with a home, settings and
// data folder inside a temporary folder.
#pragma once

#include <gtest/gtest.h>

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>
#include <QTemporaryDir>

namespace vc::test {

// A small valid data file: one carbon/epoxy material, a [0/90]s layup of
// four plies and a tension load NX.
inline QByteArray sampleDataFile(const char* e2 = "1.030e+006") {
  QByteArray text =
      "$ Number of Materials\n1  \n"
      "$ Material Properties: Material #, E1, E2, G12, v12, CTE1, CTE2, CME1, CME2, Name\n"
      "1    1.810e+007 E2VALUE  7.170e+005 0.280  2.000e-008  2.250e-005  0.0000  0.6000 T300/5208\n"
      "$ Total Number of Layers\n4  \n"
      "$ Layer #, Material #, Angle, Thickness\n"
      "1    1    0.0   5.000e-003\n2    1   90.0   5.000e-003\n"
      "3    1   90.0   5.000e-003\n4    1    0.0   5.000e-003\n"
      "$ Mechanical Load Vector: 1=forces/moments, 2=strains/curvatures\n1\n"
      "$ Forces/Moments or Strains/Curvatures\n"
      " 1.000e+003  0.000e+000  0.000e+000  0.000e+000  0.000e+000  0.000e+000 \n"
      "$ Temperature Load, Moisture Load\n     0.000       0.00\n"
      "$ Material Strengths: Material #, Xt, Xc, Yt, Yc, S\n"
      "1    2.175e+005 -2.175e+005  5.800e+003 -3.570e+004  9.900e+003\n"
      "$ Analysis Options\n"
      "$ Display Apparent Properites: 0=false, 1=true\n1\n"
      "$ Display Laminate ABD Matrix: 0=false, 1=true\n1\n"
      "$ Display Layer Matrices: 0=false, 1=true\n0\n"
      "$ Display Laminate Load and Strain Vectors: 0=false, 1=true\n1\n"
      "$ Display Ply Stresses and Strains:\n"
      "$ 0 1 = false, 1 1 = true, show effective strains, 1 2 = true, show total strains\n1 1\n"
      "$ Display Ply Failure Analysis: 0=false, 1=true\n1\n"
      "$ Calculate Equivalent Double-Double Laminate: 0=false, 1=true\n0\n";
  text.replace("E2VALUE", e2);
  text.replace("\n", "\r\n");
  return text;
}

struct ProcessResult {
  int exitCode = -1;
  bool finished = false;
  QByteArray out;
  QByteArray err;
};

class BatchProcessTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    if (QCoreApplication::instance() == nullptr) {
      static int argc = 1;
      static char name[] = "app_tests";
      static char* argv[] = {name, nullptr};
      static QCoreApplication application(argc, argv);
    }
  }

  void SetUp() override {
    ASSERT_TRUE(root_.isValid());
    executable_ = qEnvironmentVariable("VC_EXECUTABLE");
    if (executable_.isEmpty()) {
      // The program is built at the top of the build tree, the tests in tests/.
      const QString beside = QCoreApplication::applicationDirPath() + "/../vellacore";
      if (QFileInfo(beside).isExecutable()) executable_ = QFileInfo(beside).canonicalFilePath();
    }
    ASSERT_FALSE(executable_.isEmpty()) << "VC_EXECUTABLE is not set";
    QDir(root_.path()).mkpath("home/config");
    QDir(root_.path()).mkpath("home/data");
    QDir(root_.path()).mkpath("work");
  }

  QString path(const QString& name) const { return root_.filePath(name); }

  bool writeFile(const QString& name, const QByteArray& contents) const {
    QFile file(path(name));
    if (!file.open(QIODevice::WriteOnly)) return false;
    return file.write(contents) == contents.size();
  }

  QByteArray readFile(const QString& name) const {
    QFile file(path(name));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
  }

  // Runs the program with `arguments` in `workingFolder` (default: work/)
  // and waits for it to end.
  ProcessResult run(const QStringList& arguments, const QString& workingFolder = QString()) const {
    QProcess process;
    start(process, arguments, workingFolder);
    ProcessResult result;
    result.finished = process.waitForFinished(120000);
    if (result.finished && process.exitStatus() == QProcess::NormalExit) result.exitCode = process.exitCode();
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    return result;
  }

  // Runs the program until its stderr holds `text` or it ends, then ends it:
  // for runs that go on to open the desktop window.
  ProcessResult runUntilStderrHolds(const QStringList& arguments, const QByteArray& text) const {
    QProcess process;
    start(process, arguments, QString());
    ProcessResult result;
    while (!result.err.contains(text) && process.state() == QProcess::Running) {
      process.waitForReadyRead(120000);
      result.err += process.readAllStandardError();
    }
    process.kill();
    process.waitForFinished(120000);
    result.err += process.readAllStandardError();
    return result;
  }

 private:
  void start(QProcess& process, const QStringList& arguments, const QString& workingFolder) const {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", path("home"));
    env.insert("XDG_CONFIG_HOME", path("home/config"));
    env.insert("XDG_DATA_HOME", path("home/data"));
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.remove("APPDATA");
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(workingFolder.isEmpty() ? path("work") : workingFolder);
    process.start(executable_, arguments);
    process.waitForStarted(120000);
  }

  QTemporaryDir root_;
  QString executable_;
};

}  // namespace vc::test
