// The built help collection answers every topic the program can request,
// the index keyword "Overview" and every entry of the help project's
// contents and index, and no link inside a help page points nowhere.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtHelp/QHelpEngineCore>
#include <QtHelp/QHelpLink>

#include <memory>
#include <set>

#include "help/help_topics.h"

namespace {

using namespace vc::help;

const QString kCollection = QStringLiteral(VC_HELP_COLLECTION);

QUrl topicUrl(const char* topic) {
  const QString path = QString::fromStdString(std::string(topicPath(topic)));
  return QUrl(QStringLiteral("qthelp://%1/%2/").arg(QLatin1String(kHelpNamespace), QLatin1String(kHelpVirtualFolder)) +
              path);
}

std::unique_ptr<QHelpEngineCore> openCollection(const QString& collection) {
  auto engine = std::make_unique<QHelpEngineCore>(collection);
  engine->setReadOnly(true);
  EXPECT_TRUE(engine->setupData()) << engine->error().toStdString();
  return engine;
}

class HelpCollection : public ::testing::Test {
 protected:
  void SetUp() override {
    if (kCollection.isEmpty()) GTEST_SKIP() << "built without qhelpgenerator, so without help";
    static int argc = 1;
    static char name[] = "help_tests", *argv[] = {name, nullptr};
    if (QCoreApplication::instance() == nullptr) new QCoreApplication(argc, argv);
    engine_ = openCollection(kCollection);
  }

  // The page of `url` is in the collection, with an element of the
  // fragment's id or name when there is one.
  ::testing::AssertionResult resolves(const QUrl& url) const {
    const QString page = QString::fromUtf8(engine_->fileData(url.adjusted(QUrl::RemoveFragment)));
    const QRegularExpression anchor(QStringLiteral("\\b(?:id|name)\\s*=\\s*[\"']%1[\"']")
                                        .arg(QRegularExpression::escape(url.fragment())));
    if (!page.isEmpty() && (!url.hasFragment() || page.contains(anchor))) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "nothing at " << url.toString().toStdString();
  }

  std::unique_ptr<QHelpEngineCore> engine_;
};

// Every requested topic is a page with a title, each page of the main
// window has a topic of its own, and "Overview" opens the program
// description. The collection refers to its help file relative to itself,
// so the pair works wherever it is installed.
TEST_F(HelpCollection, RequestedTopicsAndTheOverviewKeywordWhereverInstalled) {
  const QRegularExpression title("<title>[^<]+</title>");
  for (const char* topic : kRequestedTopics)
    EXPECT_TRUE(QString::fromUtf8(engine_->fileData(topicUrl(topic))).contains(title)) << topic;
  EXPECT_EQ(std::set<std::string>(std::begin(kPageTopics), std::end(kPageTopics)).size(), std::size(kPageTopics));
  const QList<QHelpLink> links = engine_->documentsForKeyword(QString::fromLatin1(kIndexKeyword));
  EXPECT_EQ(links.size() == 1 ? links.first().url : QUrl(), topicUrl(kProgramDescriptionTopic));  // one page, no choice

  QTemporaryDir dir;
  for (const QString name : {kHelpCollectionFile, "vellacore.qch"})
    ASSERT_TRUE(QFile::copy(QFileInfo(kCollection).absolutePath() + "/" + name, dir.filePath(name)));
  engine_ = openCollection(dir.filePath(kHelpCollectionFile));
  EXPECT_FALSE(engine_->fileData(topicUrl(kProgramDescriptionTopic)).isEmpty());
}

// Every contents entry and index keyword of the help project leads to an
// existing page and anchor, and so does every link inside the pages (mail
// and web addresses aside).
TEST_F(HelpCollection, ContentsIndexAndLinksResolve) {
  QFile project(QStringLiteral(VC_SOURCE_DIR "/help/vellacore.qhp"));
  ASSERT_TRUE(project.open(QIODevice::ReadOnly));
  int checked = 0;
  for (QXmlStreamReader xml(&project); !xml.atEnd();) {
    if (xml.readNext() != QXmlStreamReader::StartElement || !xml.attributes().hasAttribute("ref")) continue;
    const QUrl target = topicUrl("").resolved(QUrl(xml.attributes().value("ref").toString()));
    if (xml.name() == QStringLiteral("keyword"))
      EXPECT_EQ(engine_->documentsForKeyword(xml.attributes().value("name").toString()).value(0).url, target);
    EXPECT_TRUE(resolves(target));
    ++checked;
  }
  const QRegularExpression link("\\b(?:href|src)\\s*=\\s*\"([^\"]*)\"", QRegularExpression::CaseInsensitiveOption);
  for (const QUrl& page : engine_->files(kHelpNamespace, QString(), "htm"))
    for (auto it = link.globalMatch(QString::fromUtf8(engine_->fileData(page))); it.hasNext();) {
      const QUrl url(it.next().captured(1));
      if (url.scheme() == "mailto" || url.scheme().startsWith("http")) continue;
      EXPECT_TRUE(resolves(page.resolved(url))) << "from " << page.toString().toStdString();
      ++checked;
    }
  EXPECT_GT(checked, 150);
}

}  // namespace
