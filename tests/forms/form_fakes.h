// A fixture that keeps the settings store and the data folder in a
// temporary folder, with the stand-ins for the dialogs, the shell and the
// help viewer, and helpers that drive the windows as a user does.
#pragma once

#include <QApplication>
#include <QSettings>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <memory>

#include "forms/main_window.h"
#include "support/capturing_messages.h"
#include "support/stand_in_dialogs.h"

namespace vc::test {

using forms::MainWindow;

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
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, "Orlenvik", "Vellacore")
        .value("3.0/LastPath")
        .toString();
  }
  QTemporaryDir dir;
};

// While it lives, runs `onDialog` on each modal dialog that opens (polled
// from the event loop that the dialog's exec() runs) and then closes it,
// unless the callback closed it already.
class ModalWatcher {
 public:
  explicit ModalWatcher(std::function<void(QWidget*)> onDialog = {})
      : onDialog_(std::move(onDialog)) {
    QObject::connect(&timer_, &QTimer::timeout, [this]() {
      QWidget* modal = QApplication::activeModalWidget();
      if (modal == nullptr) return;
      ++seen;
      if (onDialog_) onDialog_(modal);
      if (modal->isVisible()) modal->close();
    });
    timer_.start(10);
  }
  int seen = 0;

 private:
  std::function<void(QWidget*)> onDialog_;
  QTimer timer_;
};

inline QByteArray fileBytes(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

template <typename T>
T* onPage(MainWindow& w, const char* page, const char* control) {
  QWidget* p = w.findChild<QWidget*>(page);
  return p ? p->findChild<T*>(control) : nullptr;
}

inline QString cellText(QTableView* view, int row, int column) {
  return view->model()->data(view->model()->index(row, column)).toString();
}

// Types `text` into a cell the way a user does: current cell, F2, keys, Enter.
inline void typeIntoCell(QTableView* view, int row, int column, const QString& text) {
  view->setFocus();
  view->setCurrentIndex(view->model()->index(row, column));
  QTest::keyClick(view, Qt::Key_F2);
  QWidget* editor = QApplication::focusWidget();
  QVERIFY(editor != nullptr && editor != view);
  QTest::keyClicks(editor, text);
  QTest::keyClick(editor, Qt::Key_Return);
  QCoreApplication::processEvents();  // the delegate commits from the event loop
}

// The main window's test classes: temporary settings for the life of the
// test object and fresh stand-ins for every window made.
class FormFixture : public QObject {
 protected:
  // A window shown and active on `page`, or null when it never became active.
  std::unique_ptr<MainWindow> shownWindow(int page = 0) {
    chooser_ = {};
    outside_ = {};
    messages_ = {};
    auto w = std::make_unique<MainWindow>(&chooser_, &outside_, &outside_, &messages_);
    w->selectPage(page);
    w->show();
    QApplication::setActiveWindow(w.get());
    return QTest::qWaitForWindowActive(w.get()) ? std::move(w) : nullptr;
  }

  TemporarySettings settings_;
  FakeChooser chooser_;
  FakeHelpAndShell outside_;
  CapturingMessages messages_;
};

}  // namespace vc::test
