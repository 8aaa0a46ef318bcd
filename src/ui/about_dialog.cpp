#include "ui/about_dialog.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/command_table.h"
#include "lang/about_texts.h"
#include "lang/language_tables.h"
#include "version/package_version.h"
#include "version/version_table.h"
#include "ui/dialog_width.h"

namespace mv52 {
namespace {

QString qs(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

AboutDialog::AboutDialog(LanguageIndex language, const AboutFiles& files, QWidget* parent) : QDialog(parent) {
    setObjectName(language == LanguageIndex::English ? QStringLiteral("FrmAbout2") : QStringLiteral("frmAbout"));
    setWindowTitle(qs(withoutAccessKey(text(MainText::About, language))));
    setModal(true);

    auto* name = new QLabel(qs(std::string(kProgramLabel)), this);
    name->setObjectName(QStringLiteral("Label1"));
    QFont big = name->font();
    big.setPointSizeF(big.pointSizeF() * 2);
    big.setBold(true);
    name->setFont(big);
    name->setAlignment(Qt::AlignCenter);

    auto* version = new QLabel(qs(displayVersion(kProgramVersion)), this);
    version->setObjectName(QStringLiteral("Label2"));
    version->setAlignment(Qt::AlignCenter);

    auto* release = new QLabel(
        qs(text(AboutText::Release, language)) + QLatin1Char(' ') + QString::fromUtf8(kPackageVersion.data(),
                                                                                    static_cast<qsizetype>(kPackageVersion.size())),
        this);
    release->setObjectName(QStringLiteral("LabelRelease"));
    release->setAlignment(Qt::AlignCenter);

    // The paths can be selected and copied: a user asked for a log by support needs the folder.
    auto* where = new QLabel(this);
    where->setObjectName(QStringLiteral("LabelFiles"));
    where->setTextFormat(Qt::PlainText);
    where->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    QString whereText = qs(text(AboutText::SettingsFile, language)) + QLatin1Char('\n') + qs(files.settingsFile) +
                        QLatin1Char('\n') + qs(text(AboutText::LogFolder, language)) + QLatin1Char('\n') +
                        qs(files.logFolder);
    if (files.perUser) whereText += QStringLiteral("\n\n") + qs(text(AboutText::PerUser, language));
    where->setText(whereText);
    where->setWordWrap(true);
    where->setVisible(!files.settingsFile.empty());

    auto* close = new QPushButton(qs(text(SharedText::Close, language)), this);
    close->setObjectName(QStringLiteral("CommandClose"));
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(32, 24, 32, 16);
    layout->setSpacing(10);
    layout->addWidget(name);
    layout->addWidget(version);
    layout->addWidget(release);
    layout->addSpacing(6);
    layout->addWidget(where);
    layout->addSpacing(8);
    layout->addWidget(close, 0, Qt::AlignCenter);
    keepTitleVisible(*this, *layout);
    setFixedSize(sizeHint().expandedTo(QSize(280, 0)));
}

void showAboutDialog(QWidget* parent, LanguageIndex language, const AboutFiles& files) {
    AboutDialog dialog(language, files, parent);
    dialog.exec();
}

}  // namespace mv52
