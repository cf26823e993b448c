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
  // The extension of the first filter is the default one: a name typed
  // without an extension gets it, and so does a name ending in "." (the
  // callers' rule, withDefaultExtension). Before a file would be replaced,
  // the user is asked about that final name; No brings the dialog back.
  QString saveFileName(const QString& title, const QString& startFolder,
                       const QList<FileFilter>& filters) override;
  // The save dialog without any question about an existing file.
  QString saveOrAppendFileName(const QString& title, const QString& startFolder,
                               const QList<FileFilter>& filters) override;
  // The same as saveFileName, with the extension of the filter the user
  // selects (rules of chosenFileType) and the question asked about that
  // final name.
  QString saveFileNameOfType(const QString& title, const QString& startFolder,
                             const QList<FileFilter>& filters, int& chosenFilter) override;

  // The dialog's filter text for a (description, pattern) pair. "*.*" matches
  // only names with a dot outside Windows, so there it is offered as "*".
  static QString filterText(const FileFilter& filter);

 private:
  QWidget* owner_;
};

}  // namespace vc::forms
