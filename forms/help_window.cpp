#include "forms/help_window.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpIndexWidget>
#include <QHelpLink>
#include <QHelpSearchEngine>
#include <QHelpSearchQueryWidget>
#include <QHelpSearchResultWidget>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QSplitter>
#include <QStyle>
#include <QTabWidget>
#include <QTextBrowser>
#include <QToolBar>
#include <QVBoxLayout>

#include "forms/help_files.h"
#include "help/help_topics.h"

namespace vc::forms {

namespace {

const QString kHelpScheme = QStringLiteral("qthelp");

// A text browser that reads its pages, style sheet and pictures from the
// help collection and hands mail and web links to the desktop.
class HelpBrowser : public QTextBrowser {
 public:
  HelpBrowser(QHelpEngine& engine, QWidget* parent) : QTextBrowser(parent), engine_(engine) {
    setOpenLinks(true);
    setOpenExternalLinks(false);
  }

  QVariant loadResource(int type, const QUrl& url) override {
    if (url.scheme() == kHelpScheme) return engine_.fileData(url);
    return QTextBrowser::loadResource(type, url);
  }

 protected:
  void doSetSource(const QUrl& url, QTextDocument::ResourceType type) override {
    if (!url.isRelative() && url.scheme() != kHelpScheme) {
      QDesktopServices::openUrl(url);
      return;
    }
    QTextBrowser::doSetSource(url, type);
    // A section opened by its anchor starts at the top edge; a line of room
    // above keeps its heading whole.
    if (url.hasFragment()) {
      QScrollBar* bar = verticalScrollBar();
      if (bar->value() < bar->maximum()) bar->setValue(bar->value() - fontMetrics().height());
    }
  }

 private:
  QHelpEngine& engine_;
};

QWidget* paneWithLabel(const QString& caption, QWidget* buddy, QWidget* below, QWidget* parent) {
  auto* pane = new QWidget(parent);
  auto* layout = new QVBoxLayout(pane);
  layout->setContentsMargins(4, 4, 4, 4);
  auto* label = new QLabel(caption, pane);
  label->setBuddy(buddy);
  layout->addWidget(label);
  layout->addWidget(buddy);
  layout->addWidget(below, 1);
  return pane;
}

}  // namespace

HelpWindow::HelpWindow(const QString& collection, QWidget* parent)
    : QWidget(parent, Qt::Window), engine_(new QHelpEngine(collection, this)) {
  setObjectName(QStringLiteral("HelpWindow"));
  setWindowTitle(QStringLiteral("The Vellacore Help"));
  // Closing the main window ends the program even while help is open.
  setAttribute(Qt::WA_QuitOnClose, false);
  engine_->setUsesFilterEngine(true);
  // The search engine, made before the set-up, brings its index beside the
  // collection up to date when the set-up finishes (built the first time,
  // again only when the help file changed).
  engine_->searchEngine();
  ready_ = engine_->setupData();

  browser_ = new HelpBrowser(*engine_, this);
  browser_->setObjectName(QStringLiteral("helpPage"));

  panes_ = new QTabWidget(this);
  panes_->setObjectName(QStringLiteral("helpPanes"));
  QHelpContentWidget* contents = engine_->contentWidget();
  contents->setObjectName(QStringLiteral("helpContents"));
  panes_->addTab(contents, QStringLiteral("&Contents"));

  indexFilter_ = new QLineEdit(this);
  indexFilter_->setObjectName(QStringLiteral("helpIndexFilter"));
  QHelpIndexWidget* index = engine_->indexWidget();
  index->setObjectName(QStringLiteral("helpIndex"));
  panes_->addTab(paneWithLabel(QStringLiteral("&Look for:"), indexFilter_, index, this),
                 QStringLiteral("&Index"));

  QHelpSearchEngine* search = engine_->searchEngine();
  QHelpSearchQueryWidget* query = search->queryWidget();
  QHelpSearchResultWidget* results = search->resultWidget();
  auto* searchPane = new QWidget(this);
  auto* searchLayout = new QVBoxLayout(searchPane);
  searchLayout->setContentsMargins(4, 4, 4, 4);
  searchLayout->addWidget(query);
  searchLayout->addWidget(results, 1);
  panes_->addTab(searchPane, QStringLiteral("&Search"));

  auto* split = new QSplitter(Qt::Horizontal, this);
  split->addWidget(panes_);
  split->addWidget(browser_);
  split->setStretchFactor(1, 1);
  split->setSizes({240, 660});

  auto* tools = new QToolBar(this);
  QAction* back =
      tools->addAction(style()->standardIcon(QStyle::SP_ArrowBack), QStringLiteral("&Back"));
  back->setObjectName(QStringLiteral("helpBack"));
  back->setShortcut(QKeySequence::Back);
  back->setEnabled(false);
  QAction* forward =
      tools->addAction(style()->standardIcon(QStyle::SP_ArrowForward), QStringLiteral("&Forward"));
  forward->setObjectName(QStringLiteral("helpForward"));
  forward->setShortcut(QKeySequence::Forward);
  forward->setEnabled(false);
  QAction* home =
      tools->addAction(style()->standardIcon(QStyle::SP_DirHomeIcon), QStringLiteral("&Home"));
  home->setObjectName(QStringLiteral("helpHome"));
  tools->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(tools);
  layout->addWidget(split, 1);
  resize(920, 660);

  connect(back, &QAction::triggered, browser_, &QTextBrowser::backward);
  connect(forward, &QAction::triggered, browser_, &QTextBrowser::forward);
  connect(home, &QAction::triggered, this, [this]() {
    openPage(helpTopicUrl(QString::fromLatin1(help::kProgramDescriptionTopic)));
  });
  connect(browser_, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
  connect(browser_, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
  connect(browser_, &QTextBrowser::sourceChanged, this, &HelpWindow::followPageInContents);
  connect(browser_, &QTextBrowser::sourceChanged, this, [this]() {
    const QString title = browser_->documentTitle();
    setWindowTitle(title.isEmpty() ? QStringLiteral("The Vellacore Help")
                                   : title + QStringLiteral(" - The Vellacore Help"));
  });

  connect(contents, &QHelpContentWidget::linkActivated, this, &HelpWindow::openPage);
  connect(engine_->contentModel(), &QHelpContentModel::contentsCreated, this,
          [this]() { followPageInContents(browser_->source()); });

  connect(indexFilter_, &QLineEdit::textChanged, index,
          [index](const QString& text) { index->filterIndices(text); });
  connect(indexFilter_, &QLineEdit::returnPressed, index, &QHelpIndexWidget::activateCurrentItem);
  connect(index, &QHelpIndexWidget::documentActivated, this,
          [this](const QHelpLink& document, const QString&) { openPage(document.url); });
  connect(index, &QHelpIndexWidget::documentsActivated, this,
          [this](const QList<QHelpLink>& documents, const QString&) {
            if (!documents.isEmpty()) openPage(documents.first().url);
          });
  connect(engine_->indexModel(), &QHelpIndexModel::indexCreated, this, &HelpWindow::lookUpIndex);

  connect(query, &QHelpSearchQueryWidget::search, search,
          [search, query]() { search->search(query->searchInput()); });
  connect(results, &QHelpSearchResultWidget::requestShowLink, this, &HelpWindow::openPage);
  connect(search, &QHelpSearchEngine::indexingStarted, query,
          [query]() { query->setEnabled(false); });
  connect(search, &QHelpSearchEngine::indexingFinished, query,
          [query]() { query->setEnabled(true); });
}

HelpWindow::~HelpWindow() = default;

void HelpWindow::showTopic(const QString& topic) {
  panes_->setCurrentIndex(0);
  openPage(helpTopicUrl(topic));
  present();
}

void HelpWindow::showIndex(const QString& keyword) {
  panes_->setCurrentIndex(1);
  pendingKeyword_ = keyword;
  indexFilter_->setText(keyword);
  lookUpIndex();
  present();
  indexFilter_->setFocus();
}

QUrl HelpWindow::currentPage() const { return browser_->source(); }

void HelpWindow::openPage(const QUrl& url) {
  if (url != browser_->source()) browser_->setSource(url);
}

// The page shown is the current entry of the contents, once they are built.
void HelpWindow::followPageInContents(QUrl page) {
  QHelpContentWidget* contents = engine_->contentWidget();
  QModelIndex entry = contents->indexOf(page);
  if (!entry.isValid()) {
    page.setFragment(QString());
    entry = contents->indexOf(page);
  }
  if (!entry.isValid()) return;
  for (QModelIndex parent = entry.parent(); parent.isValid(); parent = parent.parent()) {
    contents->expand(parent);
  }
  contents->setCurrentIndex(entry);
  contents->scrollTo(entry);
}

// The keyword of an index request, looked up as soon as the index exists:
// the first matching entry is selected and its page shown.
void HelpWindow::lookUpIndex() {
  if (pendingKeyword_.isEmpty() || engine_->indexModel()->isCreatingIndex()) return;
  QHelpIndexWidget* index = engine_->indexWidget();
  index->filterIndices(pendingKeyword_);
  if (!index->currentIndex().isValid()) return;
  pendingKeyword_.clear();
  index->activateCurrentItem();
}

// While a modal window runs (the results window, a library window) the help
// window is made modal over it, so that it can be used and then closed;
// otherwise it stays a window of its own beside the main window.
void HelpWindow::present() {
  QWidget* modal = QApplication::activeModalWidget();
  const Qt::WindowModality wanted =
      modal == nullptr ? Qt::NonModal : Qt::ApplicationModal;  // modal == this: stays so
  if (windowModality() != wanted) {
    hide();
    setWindowModality(wanted);
  }
  show();
  raise();
  activateWindow();
}

}  // namespace vc::forms
