#include "forms/message_boxes.h"

#include <QMessageBox>
#include <QString>

namespace vc::forms {

void MessageBoxes::inform(const char* caption, const char* text) {
  // Message texts carry CR LF line breaks (they are shared with the text
  // files); a Qt label wants plain line feeds.
  QString shown = QString::fromUtf8(text);
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  QMessageBox box(QMessageBox::Information, QString::fromUtf8(caption), shown, QMessageBox::Ok,
                  owner_);
  box.setTextFormat(Qt::PlainText);  // a '<' in a description is not markup
  box.setWindowModality(Qt::ApplicationModal);
  box.exec();
}

}  // namespace vc::forms
