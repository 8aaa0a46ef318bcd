#include "ui/roger_beep_window.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTabBar>
#include <QVBoxLayout>
#include <filesystem>

#include "data/durable_files.h"
#include "document/document.h"
#include "lang/language_tables.h"
#include "lang/messages.h"
#include "system/file_chooser.h"
#include "system/prompter.h"
#include "tones/roger_controls.h"
#include "tones/tone_samples.h"
#include "ui/control_binder.h"
#include "ui/message_box.h"
#include "ui/roger_picture_view.h"

namespace mv52 {
namespace {

QString qs(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

RogerBeepWindow::RogerBeepWindow(Document& document, LanguageIndex language, std::unique_ptr<ToneOutput> output,
                                 FileChooser& files, Prompter& prompter, RogerBeepHooks hooks, QWidget* parent)
    : QWidget(parent),
      document_(document),
      language_(language),
      files_(files),
      prompter_(prompter),
      hooks_(std::move(hooks)),
      rows_(rogerBeepControls([this] { return entry_; })),
      output_(std::move(output)),
      player_(std::make_unique<RogerPlayer>(document.header.rogerBeep, *output_)) {
    // The child window around it carries the name FrmToneTips.
    setObjectName(QStringLiteral("FrmToneTips_content"));
    binder_ = new ControlBinder(rows_, document_, [this] { return language_; }, "FrmToneTips_Combo_Click", this);
    binder_->setWritten([this](const ControlRow& row, unsigned effects) {
        picture_->update();
        if ((effects & kEffectRogerReferences) && hooks_.rogerEntriesChanged) hooks_.rogerEntriesChanged();
        if (!hooks_.edited) return;
        // A length has no label of its own: its column's heading names it.
        StepName name = row.label ? controlStepName(row)
                                  : [](LanguageIndex l) { return text(RogerText::LengthHeader, l); };
        hooks_.edited(stepNameOf(EditText::RogerEntryStep, std::move(name), std::to_string(entry_)), {});
    });
    layOut();
    // Opening: the first tab's entry, captions, then the lists and values.
    setCaptions();
    showEntry(1);
}

RogerBeepWindow::~RogerBeepWindow() { player_->stop(); }

void RogerBeepWindow::layOut() {
    ControlBinder& b = *binder_;
    tabs_ = new QTabBar(this);
    tabs_->setObjectName(QStringLiteral("TabStrip1"));
    tabs_->setExpanding(false);
    for (int n = 1; n <= kRogerEntryCount; ++n) tabs_->addTab(QString());
    connect(tabs_, &QTabBar::currentChanged, this, [this](int index) {
        trapFailures("FrmToneTips_TabStrip1_Click", [this, index] {
            if (index + 1 != entry_) showEntry(index + 1);
        });
    });

    auto* lists = new QGridLayout;
    lists->setHorizontalSpacing(kLabelGapPixels);
    lists->setVerticalSpacing(3);
    const auto labelled = [&](const char* name, int row, int column) {
        lists->addWidget(b.label(name), row, column, Qt::AlignRight | Qt::AlignVCenter);
        lists->addWidget(b.widget(name), row, column + 1);
    };
    labelled("Combo1_0", 0, 0);
    labelled("Combo2_0", 1, 0);
    frequencyHeader_ = new QLabel(this);
    frequencyHeader_->setObjectName(QStringLiteral("LabelFrequency"));
    lengthHeader_ = new QLabel(this);
    lengthHeader_->setObjectName(QStringLiteral("LabelToneLong"));
    lists->addWidget(frequencyHeader_, 2, 1, Qt::AlignHCenter | Qt::AlignBottom);
    lists->addWidget(lengthHeader_, 2, 2, Qt::AlignHCenter | Qt::AlignBottom);
    for (int i = 0; i < kRogerTonesPerEntry; ++i) {
        const std::string frequency = "Combo3_" + std::to_string(i);
        const std::string length = "Combo4_" + std::to_string(i);
        labelled(frequency.c_str(), 3 + i, 0);
        lists->addWidget(b.widget(length), 3 + i, 2);
    }
    for (const ControlRow& row : b.rows()) static_cast<QComboBox*>(b.widget(row.objectName))->setMaxVisibleItems(16);
    lists->setRowStretch(3 + kRogerTonesPerEntry, 1);

    picture_ = new RogerPictureView(
        [this]() -> const RogerBeepEntry& { return document_.header.rogerBeep[static_cast<std::size_t>(entry_ - 1)]; },
        [this] { return language_; }, this);
    const auto button = [this](const char* name) {
        auto* p = new QPushButton(this);
        p->setObjectName(QString::fromLatin1(name));
        return p;
    };
    play_ = button("CommandPlay");
    stop_ = button("CommandStop");
    saveWav_ = button("CommandSaveWav");
    close_ = button("CommandClose");
    stop_->setEnabled(false);
    connect(play_, &QPushButton::clicked, this, [this] { trapFailures("FrmToneTips_CommandPlay_Click", [this] { play(); }); });
    connect(stop_, &QPushButton::clicked, this, [this] { trapFailures("FrmToneTips_CommandStop_Click", [this] { stop(); }); });
    connect(saveWav_, &QPushButton::clicked, this,
            [this] { trapFailures("FrmToneTips_CommandSaveWav_Click", [this] { saveWav(); }); });
    connect(close_, &QPushButton::clicked, this, [this] {
        trapFailures("FrmToneTips_CommandClose_Click", [this] {
            if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()))
                sub->close();
            else
                close();
        });
    });
    auto* buttons = new QGridLayout;
    buttons->addWidget(play_, 0, 0);
    buttons->addWidget(stop_, 0, 1);
    buttons->addWidget(saveWav_, 1, 0);
    buttons->addWidget(close_, 1, 1);

    soundNote_ = new QLabel(this);
    soundNote_->setObjectName(QStringLiteral("LabelNoSoundDevice"));
    soundNote_->setWordWrap(true);
    soundNote_->setVisible(!output_->audible());

    auto* right = new QVBoxLayout;
    right->addWidget(picture_, 1);
    right->addLayout(buttons);
    right->addWidget(soundNote_);

    auto* body = new QHBoxLayout;
    body->setSpacing(16);
    body->addLayout(lists);
    body->addLayout(right, 1);

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(10, 10, 10, 10);
    page->addWidget(tabs_);
    page->addLayout(body);

    // Keyboard order: the tabs, the lists row by row, then the buttons.
    QWidget* previous = tabs_;
    const auto chain = [&previous](QWidget* next) {
        setTabOrder(previous, next);
        previous = next;
    };
    for (const ControlRow& row : b.rows()) chain(b.widget(row.objectName));
    for (QWidget* w : {static_cast<QWidget*>(play_), static_cast<QWidget*>(stop_), static_cast<QWidget*>(saveWav_),
                       static_cast<QWidget*>(close_)})
        chain(w);
}

void RogerBeepWindow::setCaptions() {
    setWindowTitle(qs(text(RogerText::Title, language_)));
    for (int n = 1; n <= kRogerEntryCount; ++n) tabs_->setTabText(n - 1, qs(rogerTabCaption(n, language_)));
    binder_->setCaptions();
    frequencyHeader_->setText(qs(text(RogerText::FrequencyHeader, language_)));
    lengthHeader_->setText(qs(text(RogerText::LengthHeader, language_)));
    play_->setText(qs(text(RogerText::Play, language_)));
    stop_->setText(qs(text(RogerText::Stop, language_)));
    saveWav_->setText(qs(text(RogerText::SaveWav, language_)));
    close_->setText(qs(text(SharedText::Close, language_)));
    soundNote_->setText(qs(text(RogerText::NoSoundDevice, language_)));
}

void RogerBeepWindow::showEntry(int n) {
    entry_ = n;
    if (tabs_->currentIndex() != n - 1) tabs_->setCurrentIndex(n - 1);
    binder_->showAll();
    picture_->update();
}

void RogerBeepWindow::play() {
    // The player reads the tones as their turn comes: changes made meanwhile are heard.
    player_->play(entry_, [this] { playEnded(); });
    if (!player_->playing()) return;  // nothing to sound: Play stays as it is
    const bool hadFocus = play_->hasFocus();
    stop_->setEnabled(true);
    play_->setEnabled(false);
    if (hadFocus) stop_->setFocus(Qt::OtherFocusReason);
}

void RogerBeepWindow::stop() {
    player_->stop();
    playEnded();
}

void RogerBeepWindow::playEnded() {
    const bool hadFocus = stop_->hasFocus();
    play_->setEnabled(true);
    stop_->setEnabled(false);
    if (hadFocus) play_->setFocus(Qt::OtherFocusReason);
}

void RogerBeepWindow::saveWav() {
    const RogerBeepEntry& entry = document_.header.rogerBeep[static_cast<std::size_t>(entry_ - 1)];
    const RogerSilence silence = rogerSilence(entry);
    if (silence != RogerSilence::None) {
        prompter_.ask(rogerNotPlayingText(entry_, silence == RogerSilence::RecycleOff, language_), MessageButtons::Ok,
                      MessageIcon::Warning);
        return;
    }
    const std::optional<std::string> path =
        files_.chooseSave(text(RogerText::WavFilter, language_), "rb" + std::to_string(entry_) + ".wav");
    if (!path || path->empty()) return;
    std::error_code ec;
    if (std::filesystem::exists(*path, ec)) {
        const MessageStyle style = messageStyle(MessageKey::MsgOverwrite);
        const std::string question = overwriteQuestion(std::filesystem::path(*path).filename().string(), language_);
        if (prompter_.ask(question, style.buttons, style.icon) != PromptAnswer::Ok) return;
    }
    const std::vector<std::uint8_t> bytes = wavFileBytes(renderSteps(rogerSchedule(entry)));
    const FileContent file{*path, bytes};
    if (!replaceFile(file)) {
        const MessageStyle style = messageStyle(MessageKey::MsgFileError);
        prompter_.ask(messageText(MessageKey::MsgFileError, language_), style.buttons, style.icon);
    }
}

void RogerBeepWindow::closeEvent(QCloseEvent* event) {
    // Closing ends the tune first.
    player_->stop();
    QWidget::closeEvent(event);
}

}  // namespace mv52
