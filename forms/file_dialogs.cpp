#include "forms/file_dialogs.h"

#include <algorithm>

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QStringList>

#include "app/chosen_file_type.h"
#include "app/file_commands.h"

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

// With `chosenFilter`, the dialog opens on that filter and returns there
// the index of the one left selected.
QString runDialog(QWidget* owner, QFileDialog::AcceptMode mode, const QString& title,
                  const QString& startFolder, const QList<FileFilter>& filters,
                  int* chosenFilter = nullptr) {
  QFileDialog dialog(owner, title, startFolder);
  dialog.setAcceptMode(mode);
  dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                     : QFileDialog::AnyFile);
  const QStringList texts = filterTexts(filters);
  const int selected = chosenFilter != nullptr && !texts.isEmpty()
                           ? std::clamp(*chosenFilter, 0, int(texts.size()) - 1)
                           : 0;
  if (!texts.isEmpty()) {
    dialog.setNameFilters(texts);
    dialog.selectNameFilter(texts.at(selected));
  }
  if (mode == QFileDialog::AcceptSave) {
    // With several kinds the caller gives the name the extension of the
    // filter left selected, so the dialog must not add one of its own.
    dialog.setDefaultSuffix(chosenFilter != nullptr ? QString() : defaultSuffixOf(filters));
    dialog.setOption(QFileDialog::DontConfirmOverwrite);  // asked after, about the final name
  }
  if (dialog.exec() != QDialog::Accepted) return {};
  if (chosenFilter != nullptr)
    *chosenFilter = std::max(0, int(texts.indexOf(dialog.selectedNameFilter())));
  const QStringList files = dialog.selectedFiles();
  return files.isEmpty() ? QString() : files.first();
}

// Whether the user lets the existing file `path` be replaced.
bool confirmReplace(QWidget* owner, const QString& title, const QString& path) {
  QMessageBox box(QMessageBox::Question, title,
                  QStringLiteral("%1 already exists.\nDo you want to replace it?")
                      .arg(QDir::toNativeSeparators(path)),
                  QMessageBox::Yes | QMessageBox::No, owner);
  box.setDefaultButton(QMessageBox::No);
  box.setTextFormat(Qt::PlainText);
  box.setWindowModality(Qt::ApplicationModal);
  return box.exec() == QMessageBox::Yes;
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
  // The caller writes the chosen name after the extension rules ("y." is
  // written as "y.txt"), so the question about replacing a file is asked
  // here, about that name, and not by the dialog about the name typed.
  const QString suffix = defaultSuffixOf(filters);
  QString from = startFolder;
  for (;;) {
    const QString chosen = runDialog(owner_, QFileDialog::AcceptSave, title, from, filters);
    if (chosen.isEmpty()) return {};
    const QString written =
        suffix.isEmpty() ? chosen.trimmed() : withDefaultExtension(chosen.trimmed(), suffix);
    if (!QFileInfo::exists(written) || confirmReplace(owner_, title, written)) return chosen;
    from = chosen;  // the dialog comes back with the refused name
  }
}

QString FileDialogs::saveOrAppendFileName(const QString& title, const QString& startFolder,
                                          const QList<FileFilter>& filters) {
  return runDialog(owner_, QFileDialog::AcceptSave, title, startFolder, filters);
}

QString FileDialogs::saveFileNameOfType(const QString& title, const QString& startFolder,
                                        const QList<FileFilter>& filters, int& chosenFilter) {
  QString from = startFolder;
  chosenFilter = 0;
  for (;;) {
    const QString chosen =
        runDialog(owner_, QFileDialog::AcceptSave, title, from, filters, &chosenFilter);
    if (chosen.isEmpty()) return {};
    const QString written = chosenFileType(chosen, filters, chosenFilter).path;
    if (!QFileInfo::exists(written) || confirmReplace(owner_, title, written)) return chosen;
    from = chosen;
  }
}

}  // namespace vc::forms
