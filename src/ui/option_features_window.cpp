#include "ui/option_features_window.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QVBoxLayout>

#include "lang/language_tables.h"
#include "lang/option_texts.h"
#include "options/option_controls.h"
#include "ui/control_binder.h"
#include "ui/message_box.h"

namespace mv52 {
namespace {

QString qs(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

OptionFeaturesWindow::OptionFeaturesWindow(Document& document, LanguageIndex language, OptionFeaturesHooks hooks,
                                           QWidget* parent)
    : QWidget(parent), language_(language), hooks_(std::move(hooks)) {
    // The child window around it carries the name FrmOptFeatures.
    setObjectName(QStringLiteral("FrmOptFeatures_content"));
    binder_ = new ControlBinder(optionControls(), document, [this] { return language_; }, "FrmOptFeatures_SaveOptFeat",
                                this);
    binder_->setNoted(hooks_.noted);
    binder_->setWritten([this](const ControlRow& row, unsigned effects) {
        if ((effects & kEffectChannelModes) && hooks_.channelModesChanged) hooks_.channelModesChanged();
        if ((effects & kEffectChannelWindow) && hooks_.reopenChannelWindow) hooks_.reopenChannelWindow();
        if (hooks_.edited) hooks_.edited(controlStepName(row), {});
    });
    layOut();
    // Loading: captions, then every value; the binder writes nothing until it has shown them.
    setCaptions();
    binder_->showAll();
}

void OptionFeaturesWindow::layOut() {
    ControlBinder& b = *binder_;
    const auto group = [](const ControlRow& row) { return static_cast<OptionGroup>(row.group); };
    const auto addRows = [&](QFormLayout* f, OptionGroup which) {
        for (const ControlRow& row : b.rows()) {
            if (group(row) != which || row.kind == ControlKind::Check) continue;
            QWidget* field = b.widget(row.objectName);
            if (row.objectName == "Text4_12") {
                // Tx Offset with its unit after the box.
                auto* withUnit = new QHBoxLayout;
                withUnit->setSpacing(4);
                withUnit->addWidget(field);
                auto* unit = new QLabel(qs(text(OptionText::TxOffsetUnit, language_)), this);
                unit->setObjectName(QStringLiteral("Label_MHz"));
                withUnit->addWidget(unit);
                f->addRow(b.label(row.objectName), withUnit);
                continue;
            }
            f->addRow(b.label(row.objectName), field);
        }
    };
    for (const ControlRow& row : b.rows())
        if (row.kind == ControlKind::Text) static_cast<QLineEdit*>(b.widget(row.objectName))->setFixedWidth(64);

    auto* left = labelledRows(3);
    addRows(left, OptionGroup::Left);

    auto* middle = new QVBoxLayout;
    auto* middleLists = labelledRows(3);
    addRows(middleLists, OptionGroup::Middle);
    middle->addLayout(middleLists);
    auto* display = new QGridLayout;
    int n = 0;
    for (const ControlRow& row : b.rows())
        if (group(row) == OptionGroup::Display) {
            display->addWidget(b.widget(row.objectName), n / 2, n % 2);
            ++n;
        }
    middle->addSpacing(6);
    middle->addLayout(display);
    // SWR protection with its Max box; battery protection with Min[V] and Max[V].
    auto* protection = new QGridLayout;
    protection->setHorizontalSpacing(kLabelGapPixels);
    protection->addWidget(b.widget("Check1_3"), 0, 0, 1, 2);
    protection->addWidget(b.label("Text2_0"), 1, 0, Qt::AlignRight);
    protection->addWidget(b.widget("Text2_0"), 1, 1, Qt::AlignLeft);
    protection->addWidget(b.widget("Check1_4"), 2, 0, 1, 2);
    protection->addWidget(b.label("Text2_1"), 3, 0, Qt::AlignRight);
    protection->addWidget(b.widget("Text2_1"), 3, 1, Qt::AlignLeft);
    protection->addWidget(b.label("Text2_2"), 4, 0, Qt::AlignRight);
    protection->addWidget(b.widget("Text2_2"), 4, 1, Qt::AlignLeft);
    middle->addSpacing(6);
    middle->addLayout(protection);
    modeFrame_ = new QGroupBox(this);
    modeFrame_->setObjectName(QStringLiteral("FrameModeEnable"));
    auto* modes = new QGridLayout(modeFrame_);
    n = 0;
    for (const ControlRow& row : b.rows())
        if (group(row) == OptionGroup::ModeEnable) {
            modes->addWidget(b.widget(row.objectName), n / 2, n % 2);
            ++n;
        }
    middle->addSpacing(6);
    middle->addWidget(modeFrame_);
    middle->addStretch(1);

    auto* right = new QVBoxLayout;
    auto* rightLists = labelledRows(3);
    addRows(rightLists, OptionGroup::Right);
    right->addLayout(rightLists);
    publicFrame_ = new QGroupBox(this);
    publicFrame_->setObjectName(QStringLiteral("FramePublic"));
    auto* publicRows = labelledRows(3);
    addRows(publicRows, OptionGroup::Public);
    publicFrame_->setLayout(publicRows);
    right->addSpacing(6);
    right->addWidget(publicFrame_);
    right->addStretch(1);
    close_ = new QPushButton(this);
    close_->setObjectName(QStringLiteral("CommandClose"));
    connect(close_, &QPushButton::clicked, this, [this] {
        trapFailures("FrmOptFeatures_CommandClose_Click", [this] {
            if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()))
                sub->close();
            else
                close();
        });
    });
    right->addWidget(close_, 0, Qt::AlignRight);

    auto* columns = new QHBoxLayout(this);
    columns->setContentsMargins(10, 10, 10, 10);
    columns->setSpacing(18);
    columns->addLayout(left);
    columns->addLayout(middle);
    columns->addLayout(right);
}

void OptionFeaturesWindow::setCaptions() {
    setWindowTitle(qs(text(OptionText::Title, language_)));
    binder_->setCaptions();
    modeFrame_->setTitle(qs(text(OptionText::ModeEnable, language_)));
    publicFrame_->setTitle(qs(text(OptionText::PublicFrame, language_)));
    close_->setText(qs(text(SharedText::Close, language_)));
}

void OptionFeaturesWindow::ReShowData() { binder_->showAll(); }

void OptionFeaturesWindow::ShowRB() { binder_->showAll(); }

void OptionFeaturesWindow::ShowDTMF() { binder_->showAll(); }

void OptionFeaturesWindow::SaveOptFeat(int index) {
    if (const ControlRow* row = optionControlForSaveIndex(index)) binder_->writeFrom(row->objectName);
}

}  // namespace mv52
