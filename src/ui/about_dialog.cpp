#include "ui/about_dialog.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/command_table.h"
#include "lang/language_tables.h"
#include "version/version_table.h"
#include "ui/dialog_width.h"

namespace mv52 {
namespace {

QString qs(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

AboutDialog::AboutDialog(LanguageIndex language, QWidget* parent) : QDialog(parent) {
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

    auto* close = new QPushButton(qs(text(SharedText::Close, language)), this);
    close->setObjectName(QStringLiteral("CommandClose"));
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(32, 24, 32, 16);
    layout->setSpacing(10);
    layout->addWidget(name);
    layout->addWidget(version);
    layout->addSpacing(8);
    layout->addWidget(close, 0, Qt::AlignCenter);
    keepTitleVisible(*this, *layout);
    setFixedSize(sizeHint().expandedTo(QSize(280, 0)));
}

void showAboutDialog(QWidget* parent, LanguageIndex language) {
    AboutDialog dialog(language, parent);
    dialog.exec();
}

}  // namespace mv52
