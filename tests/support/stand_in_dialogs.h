// Stand-ins for the file dialogs, the shell and the help viewer: each answers
// as told and records how it was asked.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "app/file_chooser.h"
#include "app/help_requests.h"
#include "app/shell_open.h"

namespace vc::test {

class FakeChooser : public FileChooser {
 public:
  QString openFileName(const QString& title, const QString& start,
                       const QList<FileFilter>& offered) override {
    record(title, start, offered);
    return openAnswer;
  }
  QString saveFileName(const QString& title, const QString& start,
                       const QList<FileFilter>& offered) override {
    record(title, start, offered);
    return saveAnswer;
  }
  // Also answers with the filter of the user's choice.
  QString saveFileNameOfType(const QString& t, const QString& s, const QList<FileFilter>& f,
                             int& chosen) override {
    chosen = filter;
    return saveFileName(t, s, f);
  }
  QString openAnswer, saveAnswer;
  int filter = 0;
  QStringList titles, startFolders;
  QList<FileFilter> filters;  // of the last dialog

 private:
  void record(const QString& title, const QString& start, const QList<FileFilter>& offered) {
    titles << title;
    startFolders << start;
    filters = offered;
  }
};

// Records help requests and the folders and links handed to the shell.
class FakeHelpAndShell : public HelpRequests, public ShellOpener {
 public:
  void showTopic(const QString& topic) override { requests << topic; }
  void showIndex(const QString& keyword) override { requests << "index:" + keyword; }
  void openFolder(const QString& folder) override { requests << "open:" + folder; }
  void openLink(const QString& url) override { requests << "open:" + url; }
  QStringList requests;
};

}  // namespace vc::test
