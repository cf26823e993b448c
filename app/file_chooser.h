// The file dialogs as an interface, so that the file commands can be driven
// by tests without a person choosing files.
#pragma once

#include <QList>
#include <QString>

namespace vc {

struct FileFilter {
  QString description;  // "Vellacore text files (*.vcl)"
  QString pattern;      // "*.vcl"
};

class FileChooser {
 public:
  virtual ~FileChooser() = default;
  // The chosen existing file, or an empty text when the user cancelled.
  virtual QString openFileName(const QString& title, const QString& startFolder,
                               const QList<FileFilter>& filters) = 0;
  // The chosen file to write, or an empty text when the user cancelled. The
  // dialog asks before replacing an existing file.
  virtual QString saveFileName(const QString& title, const QString& startFolder,
                               const QList<FileFilter>& filters) = 0;
  // The chosen file to write or to add to, or an empty text when the user
  // cancelled; the caller asks what to do with an existing file, so the
  // dialog does not.
  virtual QString saveOrAppendFileName(const QString& title, const QString& startFolder,
                                       const QList<FileFilter>& filters) {
    return saveFileName(title, startFolder, filters);
  }
  // The same as saveFileName for a dialog that offers several kinds of file:
  // also sets `chosenFilter` to the index of the filter the user left
  // selected, whose extension a name typed without one gets. Unless
  // overridden, the first.
  virtual QString saveFileNameOfType(const QString& title, const QString& startFolder,
                                     const QList<FileFilter>& filters, int& chosenFilter) {
    chosenFilter = 0;
    return saveFileName(title, startFolder, filters);
  }
};

}  // namespace vc
