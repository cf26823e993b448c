// The help window: the pages of the help collection with its contents,
// index and search panes beside them, and back and forward through the
// pages seen. Every help request of the program opens it at a topic or at
// an index keyword.
#pragma once

#include <QUrl>
#include <QWidget>

class QHelpEngine;
class QLineEdit;
class QTabWidget;
class QTextBrowser;

namespace vc::forms {

class HelpWindow : public QWidget {
  Q_OBJECT

 public:
  // Opens the collection file `collection` (which the window may write: the
  // search index is kept beside it). A top-level window without an owner.
  explicit HelpWindow(const QString& collection, QWidget* parent = nullptr);
  ~HelpWindow() override;

  // Whether the collection could be opened.
  bool isReady() const { return ready_; }

  // Shows the window at a topic ("::html/vcla3rcn.htm") with the contents
  // pane in front.
  void showTopic(const QString& topic);
  // Shows the window with the index pane in front, looked up at `keyword`,
  // and the page of the keyword's first entry.
  void showIndex(const QString& keyword);

  // The page shown, with its fragment.
  QUrl currentPage() const;

 private:
  void present();
  void openPage(const QUrl& url);
  void followPageInContents(QUrl page);
  void lookUpIndex();

  QHelpEngine* engine_;
  bool ready_ = false;
  QTabWidget* panes_ = nullptr;
  QLineEdit* indexFilter_ = nullptr;
  QTextBrowser* browser_ = nullptr;
  QString pendingKeyword_;  // waiting for the index to be built
};

}  // namespace vc::forms
