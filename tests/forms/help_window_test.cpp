// The help window on the built collection: it opens at the topic asked for,
// with the contents following the page, the index at a keyword, back and
// forward; the program finds its collection in a build tree and in an
// installed tree, and without one says that help is not installed.
#include <QAction>
#include <QDialog>
#include <QFileInfo>
#include <QHelpContentWidget>
#include <QHelpSearchEngine>
#include <QSignalSpy>
#include <QTabWidget>
#include <QtTest>

#include "forms/desktop_help.h"
#include "forms/help_files.h"
#include "forms/help_window.h"
#include "help/help_topics.h"
#include "tests/forms/form_fakes.h"

using vc::forms::helpTopicUrl;

class HelpWindowTest : public QObject {
  Q_OBJECT

  const QString collection_ = QStringLiteral(VC_HELP_COLLECTION);

 private slots:
  void init() {
    if (collection_.isEmpty()) QSKIP("built without qhelpgenerator, so without help");
  }

  void opensAtTheRequestedTopic() {
    vc::test::CapturingMessages messages;
    vc::forms::DesktopHelp help(messages, collection_);
    help.showTopic("::html/failure_criteria.htm#tsaiwu");
    vc::forms::HelpWindow* window = help.window();
    QVERIFY(window && window->isVisible() && messages.messages.empty());
    auto* search = window->findChild<QHelpSearchEngine*>();
    QSignalSpy indexed(search, &QHelpSearchEngine::indexingFinished);
    QSignalSpy searched(search, &QHelpSearchEngine::searchingFinished);
    QCOMPARE(window->currentPage(),
             QUrl("qthelp://vellacore.help/doc/html/failure_criteria.htm#tsaiwu"));
    QVERIFY(window->windowTitle().startsWith("Failure criteria"));

    // The contents pane, in front, marks the page shown once it is built.
    auto* contents = window->findChild<QHelpContentWidget*>("helpContents");
    QCOMPARE(window->findChild<QTabWidget*>("helpPanes")->currentWidget(), contents);
    QTRY_VERIFY(contents->currentIndex().isValid());
    help.showTopic("::html/failure_criteria.htm#tsaiwu");
    QCOMPARE(contents->currentIndex().data().toString(),
             QString("Failure criteria and load factors"));
    QVERIFY(contents->isExpanded(contents->currentIndex().parent()));
    help.showTopic(vc::help::kUserLibraryTopic);

    window->findChild<QAction*>("helpBack")->trigger();
    QCOMPARE(window->currentPage(), helpTopicUrl("::html/failure_criteria.htm#tsaiwu"));
    window->findChild<QAction*>("helpForward")->trigger();
    QCOMPARE(window->currentPage(), helpTopicUrl(vc::help::kUserLibraryTopic));

    // The search index is written beside the copy; then a search finds.
    QTRY_COMPARE(indexed.size(), 1);
    search->search("hoffman");
    QTRY_COMPARE(searched.size(), 1);
    QVERIFY(search->searchResultCount() > 0);

    help.showIndex(vc::help::kIndexKeyword);
    QCOMPARE(window->findChild<QTabWidget*>("helpPanes")->currentIndex(), 1);
    QTRY_COMPARE(window->currentPage(), helpTopicUrl(vc::help::kProgramDescriptionTopic));
  }

  // Asked for from a modal window (the results window's Help), the help
  // window is modal over it, so that it can be used; asked for from the
  // main window it is a window of its own again.
  void overAModalWindowHelpIsModalToo() {
    vc::test::CapturingMessages messages;
    vc::forms::DesktopHelp help(messages, collection_);
    QDialog results;
    Qt::WindowModality shownOverResults = Qt::NonModal;
    QTimer::singleShot(0, &results, [&]() {
      help.showTopic(vc::help::kResultsWindowTopic);
      shownOverResults = help.window()->windowModality();
      QCOMPARE(QApplication::activeModalWidget(), help.window());
      help.window()->close();
      results.reject();
    });
    results.exec();
    QCOMPARE(shownOverResults, Qt::ApplicationModal);
    help.showTopic(vc::help::kProgramDescriptionTopic);
    QCOMPARE(help.window()->windowModality(), Qt::NonModal);
  }

  void withoutACollectionHelpIsNotInstalled() {
    vc::test::CapturingMessages messages;
    vc::forms::DesktopHelp help(messages, QString());
    help.showTopic(vc::help::kProgramDescriptionTopic);
    help.showIndex(vc::help::kIndexKeyword);
    QVERIFY(help.window() == nullptr);
    QCOMPARE(messages.captions(), (std::vector<std::string>{"Help", "Help"}));
    QCOMPARE(QString::fromStdString(messages.messages[1].text), QString("Help is not installed."));
  }

  // Beside the executable in a build tree; in <prefix>/share/vellacore for
  // the program in its private folder under lib/ or in bin/.
  void collectionIsLookedForBesideAndInTheDataFolder() {
    const QStringList places =
        vc::forms::helpCollectionCandidates("/usr/lib/x86_64-linux-gnu/vellacore");
    QCOMPARE(places.first(), QString("/usr/lib/x86_64-linux-gnu/vellacore/vellacore.qhc"));
    QVERIFY(places.contains("/usr/share/vellacore/vellacore.qhc"));
    QVERIFY(vc::forms::helpCollectionCandidates("/opt/v/bin")
                .contains("/opt/v/share/vellacore/vellacore.qhc"));

    // The copy of the help file is replaced only when it differs from the
    // installed one in size or time: a mark in its last byte stays while
    // its time is kept, and goes once the time differs.
    const QString copy = vc::forms::writableHelpCollection(collection_);
    QVERIFY(copy != collection_ && QFileInfo::exists(copy));
    const QString installed = QFileInfo(collection_).absolutePath() + "/vellacore.qch";
    const QString copied = QFileInfo(copy).absolutePath() + "/vellacore.qch";
    auto markCopy = [&](const QDateTime& time) {
      QFile file(copied);
      char last = 0;
      QVERIFY(file.open(QIODevice::ReadWrite) && file.seek(file.size() - 1) && file.getChar(&last));
      QVERIFY(file.seek(file.size() - 1) && file.putChar(static_cast<char>(~last)));
      QVERIFY(file.flush() && file.setFileTime(time, QFileDevice::FileModificationTime));
    };
    markCopy(QFileInfo(installed).lastModified());
    QCOMPARE(vc::forms::writableHelpCollection(collection_), copy);
    QVERIFY(vc::test::fileBytes(copied) != vc::test::fileBytes(installed));
    markCopy(QFileInfo(installed).lastModified().addSecs(-60));
    QCOMPARE(vc::forms::writableHelpCollection(collection_), copy);
    QVERIFY(vc::test::fileBytes(copied) == vc::test::fileBytes(installed));
  }
};

QTEST_MAIN(HelpWindowTest)
#include "help_window_test.moc"
