#include "ui/message_box.h"

#include <algorithm>

#include <QApplication>
#include <QAbstractButton>
#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSpacerItem>

#include "ui/dialog_width.h"

#include "lang/messages.h"

namespace mv52 {
namespace {

QMessageBox::StandardButtons standardButtons(MessageButtons buttons) {
    switch (buttons) {
        case MessageButtons::Ok: return QMessageBox::Ok;
        case MessageButtons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
        case MessageButtons::YesNo: return QMessageBox::Yes | QMessageBox::No;
        case MessageButtons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        case MessageButtons::RetryCancel: return QMessageBox::Retry | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

// The first button is the default one, as with the system's message boxes.
QMessageBox::StandardButton firstButton(MessageButtons buttons) {
    switch (buttons) {
        case MessageButtons::Ok:
        case MessageButtons::OkCancel: return QMessageBox::Ok;
        case MessageButtons::YesNo:
        case MessageButtons::YesNoCancel: return QMessageBox::Yes;
        case MessageButtons::RetryCancel: return QMessageBox::Retry;
    }
    return QMessageBox::Ok;
}

// A box closed without a button gives the answer its Escape key would.
PromptAnswer escapeAnswer(MessageButtons buttons) {
    switch (buttons) {
        case MessageButtons::Ok: return PromptAnswer::Ok;
        case MessageButtons::YesNo: return PromptAnswer::No;
        case MessageButtons::OkCancel:
        case MessageButtons::YesNoCancel:
        case MessageButtons::RetryCancel: return PromptAnswer::Cancel;
    }
    return PromptAnswer::Cancel;
}

QMessageBox::Icon iconOf(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::None: return QMessageBox::NoIcon;
        case MessageIcon::Question: return QMessageBox::Question;
        case MessageIcon::Warning: return QMessageBox::Warning;
        case MessageIcon::Error: return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

// The message table separates lines with CR LF.
QString shownText(const std::string& text) {
    QString s = QString::fromStdString(text);
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return s;
}

}  // namespace

QtPrompter::QtPrompter(std::function<QWidget*()> owner, std::function<LanguageIndex()> language)
    : owner_(std::move(owner)), language_(std::move(language)) {}

PromptAnswer QtPrompter::ask(const std::string& text, MessageButtons buttons, MessageIcon icon) {
    return askWithDetail(text, {}, buttons, icon);
}

PromptAnswer QtPrompter::askWithDetail(const std::string& text, const std::string& detail, MessageButtons buttons,
                                       MessageIcon icon) {
    QWidget* parent = owner_ ? owner_() : nullptr;
    if (parent == nullptr) parent = QApplication::activeModalWidget();
    if (parent == nullptr) parent = QApplication::activeWindow();

    QMessageBox box(iconOf(icon), QString::fromUtf8(kMessageBoxCaption.data(), static_cast<qsizetype>(kMessageBoxCaption.size())),
                    shownText(text), standardButtons(buttons), parent);
    box.setObjectName(QStringLiteral("MessageBox"));
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(firstButton(buttons));
    // The buttons speak the program's language, whatever Qt's own translations hold.
    const LanguageIndex language = language_ ? language_() : LanguageIndex::English;
    const std::pair<QMessageBox::StandardButton, MessageKey> captions[] = {
        {QMessageBox::Ok, MessageKey::MsgButtonOk},   {QMessageBox::Cancel, MessageKey::MsgButtonCancel},
        {QMessageBox::Yes, MessageKey::MsgButtonYes}, {QMessageBox::No, MessageKey::MsgButtonNo},
        {QMessageBox::Retry, MessageKey::MsgButtonRetry}};
    for (const auto& [standard, key] : captions)
        if (QAbstractButton* b = box.button(standard)) b->setText(QString::fromStdString(messageText(key, language)));
    // The cause and what to try stand below the message, where they are read without a
    // further click.
    if (!detail.empty()) box.setInformativeText(shownText(detail));
    // However short the text, the box is as wide as its title needs; a box with a cause and
    // hints is wide enough for lines of about 70 characters, not a narrow column of them.
    const int width = std::max(widthForTitle(box), detail.empty() ? 0 : box.fontMetrics().averageCharWidth() * 70);
    if (auto* informative = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_informativelabel")); informative && !detail.empty())
        informative->setMinimumWidth(width);
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed), grid->rowCount(), 0, 1,
                      grid->columnCount());
    box.exec();

    switch (box.standardButton(box.clickedButton())) {
        case QMessageBox::Ok: return PromptAnswer::Ok;
        case QMessageBox::Cancel: return PromptAnswer::Cancel;
        case QMessageBox::Yes: return PromptAnswer::Yes;
        case QMessageBox::No: return PromptAnswer::No;
        case QMessageBox::Retry: return PromptAnswer::Retry;
        default: return escapeAnswer(buttons);
    }
}

void trapFailures(const char* procedure, const std::function<void()>& body) noexcept {
    try {
        QtPrompter prompter;
        trapFailures(prompter, procedure, body);
    } catch (...) {
    }
}

}  // namespace mv52
