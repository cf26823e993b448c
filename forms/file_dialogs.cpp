#include "forms/file_dialogs.h"

#include <QFileDialog>
#include <QStringList>

namespace vc::forms {

namespace {

QStringList filterTexts(const QList<FileFilter>& filters) {
  QStringList texts;
  for (const FileFilter& f : filters) texts << FileDialogs::filterText(f);
  return texts;
}

// "txt" for a first filter "*.txt"; empty when the first filter is not a
// plain extension pattern.
QString defaultSuffixOf(const QList<FileFilter>& filters) {
  if (filters.isEmpty()) return {};
  const QString& pattern = filters.first().pattern;
  if (!pattern.startsWith(QLatin1String("*."))) return {};
  const QString suffix = pattern.mid(2);
  if (suffix.isEmpty() || suffix.contains(QLatin1Char('*')) || suffix.contains(QLatin1Char('?')) ||
      suffix.contains(QLatin1Char(';'))) {
    return {};
  }
  return suffix;
}

QString runDialog(QWidget* owner, QFileDialog::AcceptMode mode, const QString& title,
                  const QString& startFolder, const QList<FileFilter>& filters) {
  QFileDialog dialog(owner, title, startFolder);
  dialog.setAcceptMode(mode);
  dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                     : QFileDialog::AnyFile);
  const QStringList texts = filterTexts(filters);
  if (!texts.isEmpty()) {
    dialog.setNameFilters(texts);
    dialog.selectNameFilter(texts.first());
  }
  if (mode == QFileDialog::AcceptSave) dialog.setDefaultSuffix(defaultSuffixOf(filters));
  if (dialog.exec() != QDialog::Accepted) return {};
  const QStringList files = dialog.selectedFiles();
  return files.isEmpty() ? QString() : files.first();
}

}  // namespace

QString FileDialogs::filterText(const FileFilter& filter) {
#ifndef Q_OS_WIN
  if (filter.pattern == QLatin1String("*.*")) {
    QString text = filter.description;
    text.replace(QLatin1String("(*.*)"), QLatin1String("(*)"));
    if (!text.contains(QLatin1String("(*)"))) text += QLatin1String(" (*)");
    return text;
  }
#endif
  const QString bracketed = QLatin1Char('(') + filter.pattern + QLatin1Char(')');
  if (filter.description.contains(bracketed)) return filter.description;
  return filter.description + QLatin1Char(' ') + bracketed;
}

QString FileDialogs::openFileName(const QString& title, const QString& startFolder,
                                  const QList<FileFilter>& filters) {
  return runDialog(owner_, QFileDialog::AcceptOpen, title, startFolder, filters);
}

QString FileDialogs::saveFileName(const QString& title, const QString& startFolder,
                                  const QList<FileFilter>& filters) {
  return runDialog(owner_, QFileDialog::AcceptSave, title, startFolder, filters);
}

}  // namespace vc::forms
