// The file dialogs of the desktop program, on QFileDialog.
#pragma once

#include "app/file_chooser.h"

class QWidget;

namespace vc::forms {

class FileDialogs : public FileChooser {
 public:
  explicit FileDialogs(QWidget* owner) : owner_(owner) {}

  QString openFileName(const QString& title, const QString& startFolder,
                       const QList<FileFilter>& filters) override;
  // The dialog's default suffix is the extension of the first filter, so the
  // dialog's own question before replacing a file sees the name that will be
  // written when the user types a name without an extension.
  QString saveFileName(const QString& title, const QString& startFolder,
                       const QList<FileFilter>& filters) override;

  // The dialog's filter text for a (description, pattern) pair. "*.*" matches
  // only names with a dot outside Windows, so there it is offered as "*".
  static QString filterText(const FileFilter& filter);

 private:
  QWidget* owner_;
};

}  // namespace vc::forms
