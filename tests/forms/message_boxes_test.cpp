// The desktop message boxes (caption, text, icon, buttons, modality) and the
// start without a display.
#include <QAbstractButton>
#include <QMessageBox>
#include <QProcess>
#include <QProcessEnvironment>
#include <QtTest>

#include "forms/message_boxes.h"
#include "tests/forms/form_fakes.h"

class MessageBoxesTest : public QObject {
  Q_OBJECT

 private slots:
  void informationBoxHasOneOkButton() {
    QWidget owner;
    vc::forms::MessageBoxes boxes(&owner);
    QString caption, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int buttons = 0;
    Qt::WindowModality modality = Qt::NonModal;
    QWidget* parent = nullptr;
    vc::test::ModalWatcher watcher([&](QWidget* modal) {
      auto* box = qobject_cast<QMessageBox*>(modal);
      QVERIFY(box);
      caption = box->windowTitle();
      text = box->text();
      icon = box->icon();
      buttons = box->buttons().size();
      modality = box->windowModality();
      parent = box->parentWidget();
    });
    boxes.inform("Not an even number", "Line one\r\n\r\nLine <two>");
    QCOMPARE(watcher.seen, 1);
    QCOMPARE(caption, QString("Not an even number"));
    QCOMPARE(text, QString("Line one\n\nLine <two>"));
    QCOMPARE(icon, QMessageBox::Information);
    QCOMPARE(buttons, 1);
    QCOMPARE(modality, Qt::ApplicationModal);
    QCOMPARE(parent, &owner);
  }

  void programWithoutDisplayEndsWithAMessage() {
    const QString program = qEnvironmentVariable("VC_EXECUTABLE");
    if (program.isEmpty()) QSKIP("VC_EXECUTABLE is not set");
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("QT_QPA_PLATFORM");
    env.remove("DISPLAY");
    env.remove("WAYLAND_DISPLAY");
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(program, {});
    QVERIFY(process.waitForFinished(20000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 2);
    const QString err = QString::fromLocal8Bit(process.readAllStandardError());
    QVERIFY2(err.contains("no display"), qPrintable(err));
    QVERIFY(err.contains("input_file output_file"));
  }
};

QTEST_MAIN(MessageBoxesTest)
#include "message_boxes_test.moc"
