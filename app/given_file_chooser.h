// A file chooser that answers with a file named beforehand (the command
// line's --open FILE), so that the file goes through File > Open's own
// command: the same reading, the same messages and the same page clearing.
#pragma once

#include "app/file_chooser.h"

namespace vc {

class GivenFileChooser : public FileChooser {
 public:
  explicit GivenFileChooser(const QString& path) : path_(path) {}
  QString openFileName(const QString&, const QString&, const QList<FileFilter>&) override {
    return path_;
  }
  QString saveFileName(const QString&, const QString&, const QList<FileFilter>&) override {
    return {};
  }

 private:
  QString path_;
};

}  // namespace vc
