// The built help collection answers every topic the program can request,
// the index keyword "Overview" and every index entry of the help project,
// and no link inside a help page points nowhere.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtHelp/QHelpEngineCore>
#include <QtHelp/QHelpLink>

#include "help/help_topics.h"

using namespace vc::help;

static const QString kCollection = QStringLiteral(VC_HELP_COLLECTION);

static QUrl topicUrl(const char* topic) {
  const std::string_view path = topicPath(topic);
  return QUrl(QStringLiteral("qthelp://%1/%2/%3")
                  .arg(QLatin1String(kHelpNamespace), QLatin1String(kHelpVirtualFolder),
                       QString::fromUtf8(path.data(), static_cast<int>(path.size()))));
}

static std::unique_ptr<QHelpEngineCore> open(const QString& collection) {
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
    [[maybe_unused]] static QCoreApplication* app = new QCoreApplication(argc, argv);
    engine_ = open(kCollection);
  }

  // The page of `url` exists and holds the element its fragment names.
  ::testing::AssertionResult resolves(QUrl url) const {
    const QString anchor = url.fragment(),
                  id = QStringLiteral("\\b(?:id|name)\\s*=\\s*[\"']%1[\"']");
    url.setFragment(QString());
    const QString page = QString::fromUtf8(engine_->fileData(url));
    if (page.isEmpty() ||
        (!anchor.isEmpty() &&
         !QRegularExpression(id.arg(QRegularExpression::escape(anchor))).match(page).hasMatch()))
      return ::testing::AssertionFailure()
             << "no target " << url.toString().toStdString() << '#' << anchor.toStdString();
    return ::testing::AssertionSuccess();
  }

  std::unique_ptr<QHelpEngineCore> engine_;
};

// Also: the collection refers to its help file relative to itself, so the
// pair works wherever it is installed.
TEST_F(HelpCollection, RequestedTopicsAreTitledPagesAlsoAfterTheCollectionMoves) {
  const QRegularExpression title(QStringLiteral("<title>[^<]+</title>"));
  for (const char* topic : kRequestedTopics)
    EXPECT_TRUE(title.match(QString::fromUtf8(engine_->fileData(topicUrl(topic)))).hasMatch())
        << topic;
  // Each page of the main window has a topic of its own.
  for (std::size_t i = 0; i < std::size(kPageTopics); ++i)
    for (std::size_t j = i + 1; j < std::size(kPageTopics); ++j)
      EXPECT_STRNE(kPageTopics[i], kPageTopics[j]);
  const QList<QHelpLink> links = engine_->documentsForKeyword(QString::fromLatin1(kIndexKeyword));
  ASSERT_TRUE(links.size() == 1 && links.first().url == topicUrl(kProgramDescriptionTopic));

  QTemporaryDir dir;
  for (const QString& name :
       {QString::fromLatin1(kHelpCollectionFile), QStringLiteral("vellacore.qch")})
    ASSERT_TRUE(QFile::copy(kCollection.section(QLatin1Char('/'), 0, -2) + QLatin1Char('/') + name,
                            dir.filePath(name)));
  engine_.reset();
  EXPECT_FALSE(open(dir.filePath(QString::fromLatin1(kHelpCollectionFile)))
                   ->fileData(links.first().url)
                   .isEmpty());
}

// Every contents entry and index keyword of the help project, and every link
// inside the pages, leads to an existing page and anchor.
TEST_F(HelpCollection, ContentsIndexAndLinksResolve) {
  QFile project(QStringLiteral(VC_SOURCE_DIR "/help/vellacore.qhp"));
  ASSERT_TRUE(project.open(QIODevice::ReadOnly));
  QXmlStreamReader xml(&project);
  int entries = 0, links = 0;
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    const QUrl target =
        topicUrl("").resolved(QUrl(xml.attributes().value(QStringLiteral("ref")).toString()));
    if (xml.name() == QStringLiteral("section")) EXPECT_TRUE(resolves(target));
    if (xml.name() != QStringLiteral("keyword")) continue;
    const QList<QHelpLink> found =
        engine_->documentsForKeyword(xml.attributes().value(QStringLiteral("name")).toString());
    EXPECT_TRUE(!found.isEmpty() && found.first().url == target && resolves(target))
        << target.toString().toStdString();
    ++entries;
  }

  const QRegularExpression link(QStringLiteral("\\b(?:href|src)\\s*=\\s*[\"']([^\"']*)[\"']"),
                                QRegularExpression::CaseInsensitiveOption);
  for (const QUrl& page :
       engine_->files(QString::fromLatin1(kHelpNamespace), QString(), QStringLiteral("htm")))
    for (auto it = link.globalMatch(QString::fromUtf8(engine_->fileData(page))); it.hasNext();) {
      const QUrl url(it.next().captured(1));
      // Mail and web addresses leave the help; everything else must be in it.
      if (url.scheme() == QStringLiteral("mailto") ||
          url.scheme().startsWith(QStringLiteral("http")))
        continue;
      EXPECT_TRUE(resolves(page.resolved(url))) << "from " << page.toString().toStdString();
      ++links;
    }
  EXPECT_TRUE(entries > 20 && !xml.hasError() && links > 100) << entries << ' ' << links;
}
