// The desktop message boxes: caption, text, icon, buttons, modality.
#include <QAbstractButton>
#include <QMessageBox>
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
};

QTEST_MAIN(MessageBoxesTest)
#include "message_boxes_test.moc"
