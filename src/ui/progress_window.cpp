#include "ui/progress_window.h"

#include <QCloseEvent>
#include <algorithm>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "ui/dialog_width.h"
#include "ui/message_box.h"
#include "system/prompter.h"
#include "document/workspace.h"
#include "lang/language_tables.h"
#include "lang/bilingual.h"
#include "lang/link_texts.h"
#include "lang/messages.h"

namespace mv52 {
namespace {

QString percentText(int percent) { return QString::number(percent) + QLatin1Char('%'); }

constexpr int kMinimumWidth = 380;

std::string headingText(CommOperation operation, const std::string& port, LanguageIndex language) {
    if (port.empty()) return {};
    switch (operation) {
        case CommOperation::Read: return substitute(text(LinkText::HeadingRead, language), {port});
        case CommOperation::Write: return substitute(text(LinkText::HeadingWrite, language), {port});
        case CommOperation::Verify: return substitute(text(LinkText::HeadingVerify, language), {port});
        case CommOperation::None: break;
    }
    return {};
}

}  // namespace

ProgressWindow::ProgressWindow(Prompter& prompter, std::function<LanguageIndex()> language, QWidget* parent)
    : QDialog(parent), prompter_(prompter), language_(std::move(language)) {
    setObjectName(QStringLiteral("FrmProgress"));
    setModal(true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    heading_ = new QLabel(this);
    heading_->setObjectName(QStringLiteral("PortLabel"));
    heading_->setAlignment(Qt::AlignCenter);
    cancelButton_ = new QPushButton(this);
    cancelButton_->setObjectName(QStringLiteral("CommandCancel"));
    cancelButton_->setAutoDefault(false);
    connect(cancelButton_, &QPushButton::clicked, this, [this] { askToCancel(true); });

    captionLabel_ = new QLabel(this);
    captionLabel_->setObjectName(QStringLiteral("Label1"));
    captionLabel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label2_ = new QLabel(percentText(0), this);
    label2_->setObjectName(QStringLiteral("Label2"));
    label2_->setMinimumWidth(label2_->fontMetrics().horizontalAdvance(QStringLiteral("100%")) + 4);
    bar_ = new QProgressBar(this);
    bar_->setObjectName(QStringLiteral("ProgressBar1"));
    bar_->setRange(0, 100);
    bar_->setValue(0);
    bar_->setTextVisible(false);

    // Label1 sits directly left of Label2 (a gap of 10 twips, about one pixel).
    auto* row = new QHBoxLayout;
    row->setSpacing(1);
    row->addStretch();
    row->addWidget(captionLabel_);
    row->addWidget(label2_);
    row->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 16, 20, 18);
    layout->setSpacing(10);
    layout->addWidget(heading_);
    layout->addLayout(row);
    layout->addWidget(bar_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cancelButton_);
    layout->addLayout(buttons);
    setMinimumWidth(kMinimumWidth);
    applyLanguage();
}

void ProgressWindow::applyLanguage() {
    trapFailures(prompter_, "ProgressChangShowByLanguageError", [this] {
        const LanguageIndex language = language_();
        setWindowTitle(QString::fromStdString(progressTitle(operation_, language)));
        captionLabel_->setText(QString::fromStdString(text(SharedText::ProgressLabel, language)));
        heading_->setText(QString::fromStdString(headingText(operation_, port_, language)));
        heading_->setVisible(!port_.empty());
        cancelButton_->setText(QString::fromStdString(cancelButtonCaption(language)));
        fitTitle();
    });
}

void ProgressWindow::fitTitle() {
    // Wide enough for the title and the port line in either language.
    const int heading = heading_->isVisibleTo(this) ? heading_->sizeHint().width() + 40 : 0;
    setMinimumWidth(std::max({kMinimumWidth, widthForTitle(*this), heading}));
}

void ProgressWindow::showPort(const std::string& port) {
    port_ = port;
    applyLanguage();
}

void ProgressWindow::open(CommOperation operation, std::function<void()> onLoaded) {
    operation_ = operation;
    applyLanguage();
    bar_->setValue(0);
    label2_->setText(percentText(0));
    onLoaded_ = std::move(onLoaded);
    shown_ = true;
    // The load handler runs once the window is on screen, inside its own modal loop.
    QTimer::singleShot(0, this, [this] {
        trapFailures(prompter_, "ProgressForm_LoadError", [this] {
            if (const std::function<void()> loaded = std::exchange(onLoaded_, nullptr); loaded && shown_) loaded();
        });
    });
    exec();
    shown_ = false;
}

void ProgressWindow::beginPass(CommOperation operation) {
    operation_ = operation;
    applyLanguage();
    setProgress(0);
}

void ProgressWindow::setProgressValue(int value) {
    trapFailures(prompter_, "SetProgressValueError", [this, value] { bar_->setValue(value); });
}

void ProgressWindow::setProgress(int percent) {
    setProgressValue(percent);
    label2_->setText(percentText(percent));
}

void ProgressWindow::close() {
    // The session ends the window: no question.
    const bool wasShown = shown_;
    shown_ = false;
    onLoaded_ = nullptr;
    if (wasShown || isVisible()) done(QDialog::Accepted);
}

void ProgressWindow::askToCancel(bool fromButton) {
    if (asking_ || !shown_) return;
    // A read stopped by its button changes nothing; anything else is asked first: a write
    // stopped half-way leaves the radio with a mix of two configurations.
    const bool write = operation_ == CommOperation::Write || operation_ == CommOperation::Verify;
    bool stopIt = fromButton && !write;
    if (!stopIt) {
        asking_ = true;
        PromptAnswer answer = PromptAnswer::Cancel;
        trapFailures(prompter_, "FrmProgress_Form_QueryUnload", [&] {
            if (operation_ == CommOperation::Write) {
                answer = prompter_.ask(text(LinkText::StopWriteQuestion, language_()), MessageButtons::YesNo,
                                       MessageIcon::Warning);
            } else {
                const MessageStyle style = messageStyle(MessageKey::MsgCancelTransfer);
                answer = prompter_.ask(messageText(MessageKey::MsgCancelTransfer, language_()), style.buttons,
                                       style.icon);
            }
        });
        asking_ = false;
        stopIt = answer == PromptAnswer::Ok || answer == PromptAnswer::Yes;
    }
    // The transfer may have ended while the question was up.
    if (!stopIt || !shown_) return;
    trapFailures(prompter_, "FrmProgress_Form_QueryUnload", [this] {
        if (cancel_) cancel_();
    });
    // Ending the transfer closes the window; should nothing be running any more, it closes
    // here instead of staying up modal.
    if (shown_) close();
}

void ProgressWindow::closeEvent(QCloseEvent* event) {
    if (!shown_) {
        event->accept();
        return;
    }
    event->ignore();
    askToCancel(false);
}

void ProgressWindow::reject() {
    if (!shown_) {
        QDialog::reject();
        return;
    }
    askToCancel(false);
}

}  // namespace mv52
