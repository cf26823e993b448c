// The built help collection answers every topic the program can request,
// the index keyword "Overview" and every index entry of the help project,
// and no link inside a help page points nowhere.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QUrl>
#include <QXmlStreamReader>
#include <QtHelp/QHelpEngineCore>
#include <QtHelp/QHelpLink>

#include <memory>
#include <vector>

#include "help/help_topics.h"

namespace {

using namespace vc::help;

const QString kCollection = QStringLiteral(VC_HELP_COLLECTION);

QUrl topicUrl(const char* topic) {
  const std::string_view path = topicPath(topic);
  return QUrl(QStringLiteral("qthelp://%1/%2/%3")
                  .arg(QLatin1String(kHelpNamespace), QLatin1String(kHelpVirtualFolder),
                       QString::fromUtf8(path.data(), static_cast<int>(path.size()))));
}

// Whether `page` holds an element with id or name `anchor`.
bool hasAnchor(const QByteArray& page, const QString& anchor) {
  const QRegularExpression re(QStringLiteral("\\b(?:id|name)\\s*=\\s*[\"']%1[\"']")
                                  .arg(QRegularExpression::escape(anchor)));
  return re.match(QString::fromUtf8(page)).hasMatch();
}

class HelpCollection : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    if (QCoreApplication::instance() == nullptr) {
      static int argc = 1;
      static char name[] = "help_tests";
      static char* argv[] = {name, nullptr};
      new QCoreApplication(argc, argv);
    }
  }

  void SetUp() override {
    if (kCollection.isEmpty()) GTEST_SKIP() << "built without qhelpgenerator, so without help";
    ASSERT_TRUE(QFileInfo::exists(kCollection)) << kCollection.toStdString();
    engine_ = open(kCollection);
  }

  static std::unique_ptr<QHelpEngineCore> open(const QString& collection) {
    auto engine = std::make_unique<QHelpEngineCore>(collection);
    engine->setReadOnly(true);
    EXPECT_TRUE(engine->setupData()) << engine->error().toStdString();
    return engine;
  }

  // The target of `url` (with its fragment) exists in the collection.
  ::testing::AssertionResult resolves(const QUrl& url) const {
    QUrl page = url;
    page.setFragment(QString());
    const QByteArray data = engine_->fileData(page);
    if (data.isEmpty()) return ::testing::AssertionFailure() << "no page " << page.toString().toStdString();
    if (url.hasFragment() && !hasAnchor(data, url.fragment()))
      return ::testing::AssertionFailure() << "no anchor in " << url.toString().toStdString();
    return ::testing::AssertionSuccess();
  }

  std::unique_ptr<QHelpEngineCore> engine_;
};

TEST_F(HelpCollection, EveryTopicTheProgramRequestsIsAPageWithATitle) {
  for (const char* topic : kRequestedTopics) {
    const QByteArray page = engine_->fileData(topicUrl(topic));
    EXPECT_FALSE(page.isEmpty()) << topic;
    EXPECT_TRUE(QRegularExpression(QStringLiteral("<title>[^<]+</title>"))
                    .match(QString::fromUtf8(page))
                    .hasMatch())
        << topic;
  }
  // Each page of the main window has a topic of its own.
  for (std::size_t i = 0; i < std::size(kPageTopics); ++i)
    for (std::size_t j = i + 1; j < std::size(kPageTopics); ++j)
      EXPECT_STRNE(kPageTopics[i], kPageTopics[j]);
}

TEST_F(HelpCollection, OverviewKeywordOpensTheProgramDescription) {
  const QList<QHelpLink> links = engine_->documentsForKeyword(QString::fromLatin1(kIndexKeyword));
  ASSERT_EQ(links.size(), 1);
  EXPECT_EQ(links.first().url, topicUrl(kProgramDescriptionTopic));
}

// Every contents entry and index keyword of the help project is in the
// collection and leads to an existing page and anchor.
TEST_F(HelpCollection, ContentsAndIndexOfTheProjectResolve) {
  QFile project(QStringLiteral(VC_SOURCE_DIR "/help/vellacore.qhp"));
  ASSERT_TRUE(project.open(QIODevice::ReadOnly));
  QXmlStreamReader xml(&project);
  const QUrl root = topicUrl("");
  int sections = 0, keywords = 0;
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    const QString ref = xml.attributes().value(QStringLiteral("ref")).toString();
    if (xml.name() == QStringLiteral("section")) {
      ++sections;
      EXPECT_TRUE(resolves(root.resolved(QUrl(ref))));
    } else if (xml.name() == QStringLiteral("keyword")) {
      ++keywords;
      const QString name = xml.attributes().value(QStringLiteral("name")).toString();
      const QList<QHelpLink> links = engine_->documentsForKeyword(name);
      ASSERT_FALSE(links.isEmpty()) << name.toStdString();
      EXPECT_EQ(links.first().url, root.resolved(QUrl(ref))) << name.toStdString();
      EXPECT_TRUE(resolves(links.first().url));
    }
  }
  EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
  EXPECT_GT(sections, 20);
  EXPECT_GT(keywords, 20);
}

TEST_F(HelpCollection, EveryLinkInsideTheHelpResolves) {
  const QList<QUrl> pages =
      engine_->files(QString::fromLatin1(kHelpNamespace), QString(), QStringLiteral("htm"));
  ASSERT_GE(pages.size(), static_cast<qsizetype>(std::size(kRequestedTopics)));
  for (const char* topic : kRequestedTopics) EXPECT_TRUE(pages.contains(topicUrl(topic))) << topic;

  const QRegularExpression linkAttribute(
      QStringLiteral("\\b(?:href|src)\\s*=\\s*(?:\"([^\"]*)\"|'([^']*)')"),
      QRegularExpression::CaseInsensitiveOption);
  int links = 0;
  for (const QUrl& page : pages) {
    const QString text = QString::fromUtf8(engine_->fileData(page));
    for (auto it = linkAttribute.globalMatch(text); it.hasNext();) {
      const auto match = it.next();
      const QString target = match.captured(1).isNull() ? match.captured(2) : match.captured(1);
      const QUrl url(target);
      // Mail and web addresses leave the help; everything else must be in it.
      if (url.scheme() == QStringLiteral("mailto") || url.scheme().startsWith(QStringLiteral("http")))
        continue;
      ++links;
      EXPECT_TRUE(resolves(page.resolved(url))) << "from " << page.toString().toStdString();
    }
  }
  EXPECT_GT(links, 100);
}

// The collection refers to its help file relative to itself, so the pair
// works wherever it is installed.
TEST_F(HelpCollection, CollectionAndHelpFileCanMoveTogether) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString folder = QFileInfo(kCollection).absolutePath();
  for (const QString& name : {QString::fromLatin1(kHelpCollectionFile), QStringLiteral("vellacore.qch")})
    ASSERT_TRUE(QFile::copy(folder + QLatin1Char('/') + name, dir.filePath(name)));
  engine_.reset();
  const auto moved = open(dir.filePath(QString::fromLatin1(kHelpCollectionFile)));
  EXPECT_FALSE(moved->fileData(topicUrl(kProgramDescriptionTopic)).isEmpty());
}

}  // namespace
