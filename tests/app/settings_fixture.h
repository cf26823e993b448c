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

class SettingsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(root_.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, root_.filePath("config"));
    qunsetenv("APPDATA");
    qputenv("XDG_DATA_HOME", QFile::encodeName(root_.filePath("data")));
  }
  void TearDown() override {
    QDir::setCurrent(previousFolder_);
    for (const auto& [name, value] :
         {std::pair{"APPDATA", appData_}, {"XDG_DATA_HOME", dataHome_}}) {
      if (value.isNull())
        qunsetenv(name);
      else
        qputenv(name, value);
    }
  }
  // The store as another program would read it.
  std::unique_ptr<QSettings> store() const {
    auto s = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, "Orlenvik",
                                         "Vellacore");
    s->beginGroup("3.0");
    return s;
  }
  QString path(const QString& name) const { return root_.filePath(name); }

 private:
  QTemporaryDir root_;
  QString previousFolder_ = QDir::currentPath();
  QByteArray appData_ = qEnvironmentVariableIsSet("APPDATA") ? qgetenv("APPDATA") : QByteArray();
  QByteArray dataHome_ =
      qEnvironmentVariableIsSet("XDG_DATA_HOME") ? qgetenv("XDG_DATA_HOME") : QByteArray();
};

}  // namespace vc::test
