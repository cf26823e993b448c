// Draws the desktop entry as an application launcher shows it: the icon that
// the entry's Icon key names, looked up in the icon themes under
// XDG_DATA_DIRS as the freedesktop icon theme rules say (the "hicolor"
// theme), above the entry's Name. One PNG per size: icon-<size>.png.
// Not a test; scripts/take-screenshots.sh runs it on a `cmake --install`
// into a throw-away prefix, so the pictures show the icon as installed.
//   launcher_tiles <desktop entry> <output folder> <size>...
#include <cstdio>

#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QStringList>
#include <QTextStream>

namespace {

// The value of `key` in the [Desktop Entry] group, empty when absent.
QString desktopEntryValue(const QString& entryPath, const QString& key) {
  QFile file(entryPath);
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return {};
  QTextStream in(&file);
  bool inEntry = false;
  while (!in.atEnd()) {
    const QString line = in.readLine().trimmed();
    if (line.startsWith(QLatin1Char('['))) inEntry = line == QLatin1String("[Desktop Entry]");
    if (inEntry && line.startsWith(key + QLatin1Char('=')))
      return line.mid(key.size() + 1).trimmed();
  }
  return {};
}

// The icon pixmap above the name, centred on a light tile with rounded corners.
QImage launcherTile(const QPixmap& icon, int size, const QString& name, const QFont& font) {
  const QFontMetrics metrics(font);
  const int pad = size / 8 + 10;
  const int textWidth = metrics.horizontalAdvance(name);
  const int width = qMax(size, textWidth) + 2 * pad;
  const int height = pad + size + pad / 2 + metrics.height() + pad;
  QImage tile(width, height, QImage::Format_ARGB32_Premultiplied);
  tile.fill(Qt::transparent);
  QPainter painter(&tile);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QColor(0xc8, 0xc8, 0xc8));
  painter.setBrush(QColor(0xf4, 0xf4, 0xf4));
  painter.drawRoundedRect(QRectF(0.5, 0.5, width - 1, height - 1), pad / 2.0, pad / 2.0);
  painter.drawPixmap((width - size) / 2, pad, icon);
  painter.setFont(font);
  painter.setPen(QColor(0x20, 0x20, 0x20));
  painter.drawText(QRect(0, pad + size + pad / 2, width, metrics.height()), Qt::AlignCenter, name);
  return tile;
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication application(argc, argv);
  if (argc < 4) {
    std::fprintf(stderr, "usage: launcher_tiles <desktop entry> <output folder> <size>...\n");
    return 2;
  }
  const QString entry = QString::fromLocal8Bit(argv[1]);
  const QString output = QString::fromLocal8Bit(argv[2]);
  const QString iconName = desktopEntryValue(entry, QStringLiteral("Icon"));
  const QString name = desktopEntryValue(entry, QStringLiteral("Name"));
  if (iconName.isEmpty() || name.isEmpty()) {
    std::fprintf(stderr, "%s has no Icon or Name\n", qPrintable(entry));
    return 1;
  }

  // A launcher searches <dir>/icons for every dir of XDG_DATA_DIRS and falls
  // back on the hicolor theme, where applications install their icons.
  QStringList searchPaths;
  const QString dataDirs = qEnvironmentVariable("XDG_DATA_DIRS");
  for (const QString& dir : dataDirs.split(QLatin1Char(':'), Qt::SkipEmptyParts))
    searchPaths << QDir(dir).filePath(QStringLiteral("icons"));
  QIcon::setThemeSearchPaths(searchPaths);
  QIcon::setThemeName(QStringLiteral("hicolor"));
  const QIcon icon = QIcon::fromTheme(iconName);
  if (icon.isNull()) {
    std::fprintf(stderr, "no icon \"%s\" in %s\n", qPrintable(iconName),
                 qPrintable(searchPaths.join(QLatin1Char(' '))));
    return 1;
  }

  QFont font = QGuiApplication::font();
  font.setPixelSize(13);
  for (int i = 3; i < argc; ++i) {
    const int size = QString::fromLocal8Bit(argv[i]).toInt();
    if (size <= 0) return 2;
    const QPixmap pixmap = icon.pixmap(QSize(size, size));
    const QString path = QDir(output).filePath(QStringLiteral("icon-%1.png").arg(size));
    if (pixmap.isNull() || !launcherTile(pixmap, size, name, font).save(path)) {
      std::fprintf(stderr, "cannot draw or write %s\n", qPrintable(path));
      return 1;
    }
    std::printf("%s: the %dx%d icon \"%s\" looked up in %s\n", qPrintable(path), size, size,
                qPrintable(iconName), qPrintable(searchPaths.join(QLatin1Char(' '))));
  }
  return 0;
}
