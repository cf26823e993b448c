// A settings store, data folder and current folder of the test's own: the
// store is pointed at a temporary folder, APPDATA and XDG_DATA_HOME are set
// per test, and everything is put back afterwards.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include <QByteArray>
#include <QDir>
#include <QSettings>
#include <QTemporaryDir>

namespace vc::test {

class EnvironmentVariable {
 public:
  explicit EnvironmentVariable(const char* name)
      : name_(name), wasSet_(qEnvironmentVariableIsSet(name)), value_(qgetenv(name)) {}
  ~EnvironmentVariable() {
    if (wasSet_) {
      qputenv(name_, value_);
    } else {
      qunsetenv(name_);
    }
  }
  EnvironmentVariable(const EnvironmentVariable&) = delete;
  EnvironmentVariable& operator=(const EnvironmentVariable&) = delete;

 private:
  const char* name_;
  bool wasSet_;
  QByteArray value_;
};

class SettingsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(root_.isValid());
    previousFolder_ = QDir::currentPath();
    configFolder_ = root_.filePath("config");
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, configFolder_);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, configFolder_);
    qunsetenv("APPDATA");
    qputenv("XDG_DATA_HOME", QFile::encodeName(root_.filePath("data")));
  }
  void TearDown() override { QDir::setCurrent(previousFolder_); }

  // The store as another program would read it.
  std::unique_ptr<QSettings> store() const {
    auto s = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                         "Orlenvik", "Vellacore");
    s->beginGroup("3.0");
    return s;
  }
  QString path(const QString& name) const { return root_.filePath(name); }

 private:
  QTemporaryDir root_;
  QString configFolder_;
  QString previousFolder_;
  EnvironmentVariable appData_{"APPDATA"};
  EnvironmentVariable dataHome_{"XDG_DATA_HOME"};
};

}  // namespace vc::test
