#include "forms/message_boxes.h"

#include <QMessageBox>
#include <QString>

namespace vc::forms {

namespace {

int showBox(QMessageBox::Icon icon, const char* caption, const char* text,
            QMessageBox::StandardButtons buttons, QWidget* owner) {
  // Message texts carry CR LF line breaks (they are shared with the text
  // files); a Qt label wants plain line feeds.
  QString shown = QString::fromUtf8(text);
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  QMessageBox box(icon, QString::fromUtf8(caption), shown, buttons, owner);
  box.setTextFormat(Qt::PlainText);  // a '<' in a description is not markup
  box.setWindowModality(Qt::ApplicationModal);
  return box.exec();
}

}  // namespace

void MessageBoxes::inform(const char* caption, const char* text) {
  showBox(QMessageBox::Information, caption, text, QMessageBox::Ok, owner_);
}

Answer MessageBoxes::ask(const char* caption, const char* text, QuestionButtons buttons) {
  QMessageBox::StandardButtons shown = QMessageBox::Yes | QMessageBox::No;
  if (buttons == QuestionButtons::YesNoCancel) shown |= QMessageBox::Cancel;
  switch (showBox(QMessageBox::Question, caption, text, shown, owner_)) {
    case QMessageBox::Yes:
      return Answer::Yes;
    case QMessageBox::No:
      return Answer::No;
    default:  // Cancel, or the box closed without an answer
      return buttons == QuestionButtons::YesNoCancel ? Answer::Cancel : Answer::No;
  }
}

}  // namespace vc::forms
