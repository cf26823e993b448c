#include "forms/message_boxes.h"

#include <QMessageBox>
#include <QString>

namespace vc::forms {

namespace {

// Message texts carry CR LF line breaks (they are shared with the text files);
// a Qt label wants plain line feeds.
QString displayText(const char* text) {
  QString s = QString::fromUtf8(text);
  s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return s;
}

void prepare(QMessageBox& box) {
  box.setTextFormat(Qt::PlainText);  // a '<' in a description is not markup
  box.setWindowModality(Qt::ApplicationModal);
}

}  // namespace

void MessageBoxes::inform(const char* caption, const char* text) {
  QMessageBox box(QMessageBox::Information, QString::fromUtf8(caption), displayText(text),
                  QMessageBox::Ok, owner_);
  prepare(box);
  box.exec();
}

Answer MessageBoxes::ask(const char* caption, const char* text, QuestionButtons buttons) {
  QMessageBox::StandardButtons set = QMessageBox::Yes | QMessageBox::No;
  if (buttons == QuestionButtons::YesNoCancel) set |= QMessageBox::Cancel;
  QMessageBox box(QMessageBox::Question, QString::fromUtf8(caption), displayText(text), set,
                  owner_);
  prepare(box);
  switch (box.exec()) {
    case QMessageBox::Yes:
      return Answer::Yes;
    case QMessageBox::Cancel:
      return Answer::Cancel;
    default:
      return Answer::No;
  }
}

}  // namespace vc::forms
