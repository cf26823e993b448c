#include "forms/message_boxes.h"

#include <QMessageBox>
#include <QString>

namespace vc::forms {

namespace {

int showBox(QWidget* owner, QMessageBox::Icon icon, const char* caption, const char* text,
            QMessageBox::StandardButtons buttons) {
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
  showBox(owner_, QMessageBox::Information, caption, text, QMessageBox::Ok);
}

Answer MessageBoxes::ask(const char* caption, const char* text, QuestionButtons buttons) {
  const bool withCancel = buttons == QuestionButtons::YesNoCancel;
  QMessageBox::StandardButtons offered = QMessageBox::Yes | QMessageBox::No;
  if (withCancel) offered |= QMessageBox::Cancel;
  switch (showBox(owner_, QMessageBox::Question, caption, text, offered)) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    default: return withCancel ? Answer::Cancel : Answer::No;
  }
}

}  // namespace vc::forms
