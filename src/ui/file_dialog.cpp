#include "ui/file_dialog.h"

#include <QApplication>
#include <QFileDialog>
#include <QStringList>

namespace mv52 {
namespace {

QWidget* ownerOf(const std::function<QWidget*()>& owner) {
    if (owner)
        if (QWidget* w = owner()) return w;
    return QApplication::activeWindow();
}

std::optional<std::string> run(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const QStringList files = dialog.selectedFiles();
    if (files.isEmpty() || files.front().isEmpty()) return std::nullopt;
    return files.front().toStdString();
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

QtFileChooser::QtFileChooser(std::function<QWidget*()> owner) : owner_(std::move(owner)) {}

std::optional<std::string> QtFileChooser::chooseOpen(const std::string& filter) {
    QFileDialog dialog(ownerOf(owner_));
    dialog.setObjectName(QStringLiteral("dlgCommonDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(qtFileFilter(filter));
    return run(dialog);
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
    if (!presetName.empty()) dialog.selectFile(QString::fromStdString(presetName));
    return run(dialog);
}

}  // namespace mv52
