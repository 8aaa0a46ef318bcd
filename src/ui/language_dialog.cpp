#include "ui/language_dialog.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/message_box.h"
#include "app/settings.h"
#include "app/startup.h"
#include "ui/dialog_width.h"

namespace mv52 {
namespace {

QString qs(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

LanguageDialog::LanguageDialog(LanguageIndex current, LanguageIndex system, QWidget* parent)
    : QDialog(parent), model_(current, system) {
    setObjectName(QStringLiteral("FrmSetLanguage"));
    setWindowTitle(qs(model_.caption()));
    setModal(true);

    auto* label = new QLabel(qs(model_.label()), this);
    label->setObjectName(QStringLiteral("Label1"));
    combo_ = new QComboBox(this);
    combo_->setObjectName(QStringLiteral("Combo1"));
    combo_->clear();
    for (const std::string& name : model_.names()) combo_->addItem(qs(name));
    combo_->setCurrentIndex(model_.preselectedIndex());
    combo_->installEventFilter(this);
    label->setBuddy(combo_);

    const ButtonCaptions captions = model_.buttonCaptions();
    auto* ok = new QPushButton(qs(captions.ok), this);
    ok->setObjectName(QStringLiteral("Command1"));
    auto* cancel = new QPushButton(qs(captions.cancel), this);
    cancel->setObjectName(QStringLiteral("Command2"));
    connect(ok, &QPushButton::clicked, this, [this] {
        trapFailures("FrmSetLanguage_Command1_Click", [this] {
            result_ = model_.confirm(combo_->currentText().toStdString());
            accept();
        });
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    form->addRow(label, combo_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    combo_->setMinimumWidth(160);
    keepTitleVisible(*this, *layout);
    setFixedSize(sizeHint());
}

bool LanguageDialog::eventFilter(QObject* watched, QEvent* event) {
    // Enter in the list moves on to the next control instead of confirming the dialog.
    if (watched == combo_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            focusNextChild();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

bool runLanguageDialog(QWidget* parent, AppState& app, ProfileFile& profiles) {
    LanguageState& language = app.settings.language;
    LanguageDialog dialog(language.current, language.system, parent);
    dialog.exec();
    if (!dialog.result()) return false;
    const LanguageDialogResult chosen = *dialog.result();
    const bool changed = chosen.language != language.current;
    language.current = chosen.language;
    if (chosen.storeChoice) storeLanguage(profiles, app.settingsPath, chosen.language);
    return changed;
}

}  // namespace mv52
