#include "ui/progress_window.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>
#include <QVBoxLayout>

#include "ui/message_box.h"
#include "system/prompter.h"
#include "document/workspace.h"
#include "lang/language_tables.h"
#include "lang/messages.h"

namespace mv52 {
namespace {

QString percentText(int percent) { return QString::number(percent) + QLatin1Char('%'); }

}  // namespace

ProgressWindow::ProgressWindow(Prompter& prompter, std::function<LanguageIndex()> language, QWidget* parent)
    : QDialog(parent), prompter_(prompter), language_(std::move(language)) {
    setObjectName(QStringLiteral("FrmProgress"));
    setModal(true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

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
    layout->addLayout(row);
    layout->addWidget(bar_);
    setMinimumWidth(380);
    applyLanguage();
}

void ProgressWindow::applyLanguage() {
    trapFailures(prompter_, "ProgressChangShowByLanguageError", [this] {
        const LanguageIndex language = language_();
        setWindowTitle(QString::fromStdString(progressTitle(operation_, language)));
        captionLabel_->setText(QString::fromStdString(text(SharedText::ProgressLabel, language)));
    });
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

void ProgressWindow::askToCancel() {
    if (asking_) return;
    asking_ = true;
    const MessageStyle style = messageStyle(MessageKey::MsgCancelTransfer);
    PromptAnswer answer = PromptAnswer::Cancel;
    trapFailures(prompter_, "FrmProgress_Form_QueryUnload", [&] {
        answer = prompter_.ask(messageText(MessageKey::MsgCancelTransfer, language_()), style.buttons, style.icon);
    });
    asking_ = false;
    // The transfer may have ended while the question was up.
    if (answer != PromptAnswer::Ok || !shown_) return;
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
    askToCancel();
}

void ProgressWindow::reject() {
    if (!shown_) {
        QDialog::reject();
        return;
    }
    askToCancel();
}

}  // namespace mv52
