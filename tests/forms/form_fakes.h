// Stand-ins for the dialogs, the shell and the help viewer of the main
// window, a fixture that keeps the settings store and the data folder in a
// temporary folder, and the helpers that drive the pages as a user would.
#pragma once

#include <QApplication>
#include <QDialog>
#include <QTableView>
#include <QtTest>
#include <QSettings>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

#include "app/file_chooser.h"
#include "app/help_requests.h"
#include "app/shell_open.h"
#include "forms/main_window.h"
#include "support/capturing_messages.h"

namespace vc::test {

using forms::MainWindow;

class FakeChooser : public FileChooser {
 public:
  QString openFileName(const QString& title, const QString& startFolder,
                       const QList<FileFilter>&) override {
    titles << title;
    startFolders << startFolder;
    return openAnswer;
  }
  QString saveFileName(const QString& title, const QString& startFolder,
                       const QList<FileFilter>& offered) override {
    titles << title;
    startFolders << startFolder;
    filters = offered;
    return saveAnswer;
  }
  QString openAnswer;
  QString saveAnswer;
  QStringList titles;
  QStringList startFolders;
  QList<FileFilter> filters;  // of the last save dialog
};

class FakeShell : public ShellOpener {
 public:
  void openFolder(const QString& folder) override { folders << folder; }
  void openLink(const QString& url) override { links << url; }
  QStringList folders;
  QStringList links;
};

class FakeHelp : public HelpRequests {
 public:
  void showTopic(const QString& topic) override { topics << topic; }
  void showIndex(const QString& keyword) override { keywords << keyword; }
  QStringList topics;
  QStringList keywords;
};

// The captions of the captured messages, in a form Qt Test can print.
inline QStringList captionsOf(const CapturingMessages& messages) {
  QStringList out;
  for (const auto& m : messages.messages) out << QString::fromStdString(m.caption);
  return out;
}

// Points the per-user settings and the default data folder ($APPDATA) at a
// fresh temporary folder for the life of the object.
class TemporarySettings {
 public:
  TemporarySettings() {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path() + "/config");
    qputenv("APPDATA", (dir.path() + "/appdata").toLocal8Bit());
  }
  QString path() const { return dir.path(); }
  static QString storedLastPath() {
    QSettings s(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Orlenvik"),
                QStringLiteral("Vellacore"));
    return s.value(QStringLiteral("3.0/LastPath")).toString();
  }
  QTemporaryDir dir;
};

// While it lives, runs `onDialog` on each modal dialog that opens (polling
// from the event loop that the dialog's exec() runs) and then closes it.
class ModalWatcher {
 public:
  explicit ModalWatcher(std::function<void(QWidget*)> onDialog = {})
      : onDialog_(std::move(onDialog)) {
    timer_.setInterval(10);
    QObject::connect(&timer_, &QTimer::timeout, [this]() {
      QWidget* modal = QApplication::activeModalWidget();
      if (modal == nullptr) return;
      ++seen;
      if (onDialog_) onDialog_(modal);
      if (!modal->isVisible()) return;  // the callback answered it already
      if (auto* dialog = qobject_cast<QDialog*>(modal)) {
        dialog->done(QDialog::Accepted);
      } else {
        modal->close();
      }
    });
    timer_.start();
  }
  int seen = 0;

 private:
  std::function<void(QWidget*)> onDialog_;
  QTimer timer_;
};

template <typename T>
T* onPage(MainWindow& w, const char* page, const char* control) {
  QWidget* p = w.findChild<QWidget*>(page);
  return p ? p->findChild<T*>(control) : nullptr;
}

inline QString cellText(QTableView* view, int row, int column) {
  return view->model()->data(view->model()->index(row, column)).toString();
}

// Types `text` into a cell the way a user does: current cell, keys, Enter.
inline void typeIntoCell(QTableView* view, int row, int column, const QString& text) {
  view->setFocus();
  view->setCurrentIndex(view->model()->index(row, column));
  QTest::keyClick(view, Qt::Key_F2);  // opens the cell editor
  QWidget* editor = QApplication::focusWidget();
  QVERIFY(editor != nullptr && editor != view);
  QTest::keyClicks(editor, text);
  QTest::keyClick(editor, Qt::Key_Return);
  QCoreApplication::processEvents();  // the delegate commits from the event loop
}

// The base of the main window's test classes: temporary settings for the
// life of the test object and fresh stand-ins for every window made.
class FormFixture : public QObject {
 protected:
  std::unique_ptr<MainWindow> window() {
    chooser_ = {};
    shell_ = {};
    help_ = {};
    messages_ = {};
    return std::make_unique<MainWindow>(&chooser_, &shell_, &help_, &messages_);
  }
  // A window shown and active on `page`, or null when it never became active.
  std::unique_ptr<MainWindow> shownWindow(int page = 0) {
    auto w = window();
    w->selectPage(page);
    w->show();
    QApplication::setActiveWindow(w.get());
    if (!QTest::qWaitForWindowActive(w.get())) return nullptr;
    return w;
  }

  TemporarySettings settings_;
  FakeChooser chooser_;
  FakeShell shell_;
  FakeHelp help_;
  CapturingMessages messages_;
};

}  // namespace vc::test
