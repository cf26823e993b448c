// `vellacore --open FILE` on the real program: the window probe (a Qt plugin
// loaded into the process) reports the Layup page's layer count and any
// message box; the settings file shows the folder that File > Open records.
#include <QSettings>

#include "batch_process.h"

namespace vc {
namespace {

using test::BatchProcessTest;

QString lastPath(const QString& home) {
  QSettings store(home + "/config/Orlenvik/Vellacore.conf", QSettings::IniFormat);
  return store.value("3.0/LastPath").toString();
}

// The probe's variables, for the programs this test starts and no others.
struct ProbeEnvironment {
  ProbeEnvironment() {
    qputenv("QT_PLUGIN_PATH", VC_PROBE_PLUGIN_DIR);
    qputenv("QT_QPA_GENERIC_PLUGINS", "vellacorewindowprobe");
  }
  ~ProbeEnvironment() {
    qunsetenv("QT_QPA_GENERIC_PLUGINS");
    qunsetenv("QT_PLUGIN_PATH");
  }
};

TEST_F(BatchProcessTest, OpenOptionLoadsAsFileOpenOrShowsTheRefusal) {
  const ProbeEnvironment probe;
  const QByteArray sample = test::sampleDataFile();
  const struct {
    const char* name;
    QByteArray contents;
    const char* shown;       // the probe's line once the open is done
    const char* lastFolder;  // LastPath then, below the temporary folder
  } cases[] = {
      // Relative to the folder the command started in, not the data folder.
      {"plate.vcl", sample, "probe: layers=8 message=\n", "work/"},
      // Cut short: refused while the message is up, nothing on the pages and
      // the start-up folder still recorded.
      {"cut.vcl", sample.left(sample.size() / 2), "probe: layers= message=Data File Error\n",
       "home/data/The Vellacore/"},
  };
  for (const auto& c : cases) {
    ASSERT_TRUE(writeFile(QString("work/") + c.name, c.contents));
    const auto result = run({"--open", c.name}, QString(), c.shown);
    EXPECT_TRUE(result.err.contains(c.shown)) << c.name << ": " << result.err.toStdString();
    EXPECT_FALSE(result.err.contains("layers=8 message=Data")) << c.name;
    EXPECT_EQ(lastPath(path("home")), path(c.lastFolder)) << c.name;
    QFile::remove(path("home/config/Orlenvik/Vellacore.conf"));
  }
}

}  // namespace
}  // namespace vc
