#include "ui/file_dialog.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>

#include "app/dialog_folders.h"

namespace mv52 {
namespace {

QWidget* ownerOf(const std::function<QWidget*()>& owner) {
    if (owner)
        if (QWidget* w = owner()) return w;
    return QApplication::activeWindow();
}

// The extension of the filter's first pattern: "dat" for "Data File (*.dat)|*.dat".
QString defaultSuffix(const std::string& filter) {
    const QStringList parts = QString::fromStdString(filter).split(QLatin1Char('|'));
    const QString pattern = parts.size() > 1 ? parts[1].trimmed().section(QLatin1Char(';'), 0, 0) : QString();
    return pattern.startsWith(QLatin1String("*.")) ? pattern.mid(2) : QStringLiteral("dat");
}

}  // namespace

QString qtFileFilter(const std::string& filter) {
    const QStringList parts = QString::fromStdString(filter).split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString description = parts[i].trimmed();
        const QString pattern = parts[i + 1].trimmed();
        QString shownPattern = pattern;
        shownPattern.replace(QLatin1Char(';'), QLatin1Char(' '));
        const QString withPattern = QStringLiteral("(") + shownPattern + QStringLiteral(")");
        filters << (description.contains(withPattern) ? description : description + QStringLiteral(" ") + withPattern);
    }
    if (filters.isEmpty() && !filter.empty()) filters << QString::fromStdString(filter);
    return filters.join(QStringLiteral(";;"));
}

QtFileChooser::QtFileChooser(std::function<QWidget*()> owner, ProfileFile* profiles, std::string settingsPath)
    : owner_(std::move(owner)), profiles_(profiles), settingsPath_(std::move(settingsPath)) {}

QString QtFileChooser::startFolder(const std::string& filter) const {
    if (profiles_ != nullptr) {
        const QString last = QString::fromStdString(lastFolder(*profiles_, settingsPath_, folderKindOf(filter)));
        if (!last.isEmpty() && QDir(last).exists()) return last;
    }
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QDir(documents).exists() ? documents : QDir::homePath();
}

std::optional<std::string> QtFileChooser::run(QFileDialog& dialog, const std::string& filter) {
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const QStringList files = dialog.selectedFiles();
    if (files.isEmpty() || files.front().isEmpty()) return std::nullopt;
    if (profiles_ != nullptr)
        storeLastFolder(*profiles_, settingsPath_, folderKindOf(filter),
                        QFileInfo(files.front()).absolutePath().toStdString());
    return files.front().toStdString();
}

std::optional<std::string> QtFileChooser::chooseOpen(const std::string& filter) {
    QFileDialog dialog(ownerOf(owner_));
    dialog.setObjectName(QStringLiteral("dlgCommonDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(qtFileFilter(filter));
    dialog.setDirectory(startFolder(filter));
    return run(dialog, filter);
}

std::optional<std::string> QtFileChooser::chooseSave(const std::string& filter, const std::string& presetName) {
    QFileDialog dialog(ownerOf(owner_));
    dialog.setObjectName(QStringLiteral("dlgCommonDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(qtFileFilter(filter));
    // A name typed without an extension gets the filter's (".dat" for data files).
    dialog.setDefaultSuffix(defaultSuffix(filter));
    // Save As asks no question of its own before replacing a file.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    // A preset with a folder of its own (the open file's) keeps it.
    const QString preset = QString::fromStdString(presetName);
    if (!preset.contains(QLatin1Char('/')) && !preset.contains(QDir::separator())) dialog.setDirectory(startFolder(filter));
    if (!preset.isEmpty()) dialog.selectFile(preset);
    return run(dialog, filter);
}

}  // namespace mv52
