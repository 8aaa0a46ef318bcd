// ProgressWindow on its own: captions, progress, and closing it while a transfer runs.

#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <algorithm>

#include "document/workspace.h"
#include "ui/dialog_width.h"
#include "ui/progress_window.h"
#include "ui/ui_support.h"

namespace mv52::test {
namespace {

struct Shown {
    QString title;
    QString label1;
    QString label2;
    int value = -1;
    int minimum = -1;
    int maximum = -1;
    bool visible = false;
    bool modal = false;
};

Shown look(ProgressWindow& p) {
    auto* bar = p.findChild<QProgressBar*>(QStringLiteral("ProgressBar1"));
    return {p.windowTitle(),
            p.findChild<QLabel*>(QStringLiteral("Label1"))->text(),
            p.findChild<QLabel*>(QStringLiteral("Label2"))->text(),
            bar->value(),
            bar->minimum(),
            bar->maximum(),
            p.visible(),
            p.isModal()};
}

TEST(ProgressWindow, CaptionAndLabelsFollowTheOperationAndTheLanguage) {
    struct Case {
        CommOperation operation;
        LanguageIndex language;
        const char* title;
        const char* label;
    };
    const Case cases[] = {
        {CommOperation::Read, LanguageIndex::English, "Read data from radio", "Completion percentage:"},
        {CommOperation::Write, LanguageIndex::English, "Write data to radio", "Completion percentage:"},
        {CommOperation::Read, LanguageIndex::Chinese, "从对讲机读取数据", "完成进度:"},
        {CommOperation::Write, LanguageIndex::Chinese, "向对讲机写入数据", "完成进度:"},
    };
    for (const Case& c : cases) {
        ScriptedDetailPrompter prompter;
        ProgressWindow progress(prompter, [&] { return c.language; });
        Shown atLoad;
        int loads = 0;
        progress.open(c.operation, [&] {
            ++loads;
            atLoad = look(progress);
            progress.close();
        });
        SCOPED_TRACE(c.title);
        EXPECT_EQ(loads, 1);
        EXPECT_EQ(atLoad.title, QString::fromUtf8(c.title));
        EXPECT_EQ(atLoad.label1, QString::fromUtf8(c.label));
        EXPECT_EQ(atLoad.label2, QStringLiteral("0%"));
        EXPECT_EQ(atLoad.value, 0);
        EXPECT_EQ(atLoad.minimum, 0);
        EXPECT_EQ(atLoad.maximum, 100);
        EXPECT_TRUE(atLoad.visible);
        EXPECT_TRUE(atLoad.modal);
        EXPECT_FALSE(progress.visible());
        EXPECT_TRUE(prompter.asked.empty());
    }
}

TEST(ProgressWindow, ShowsThePercentageOnTheBarAndAsText) {
    ScriptedDetailPrompter prompter;
    ProgressWindow progress(prompter, [] { return LanguageIndex::English; });
    Shown after;
    progress.open(CommOperation::Read, [&] {
        progress.setProgress(37);
        after = look(progress);
        progress.close();
    });
    EXPECT_EQ(after.label2, QStringLiteral("37%"));
    EXPECT_EQ(after.value, 37);
    // The next transfer starts from nothing again.
    progress.open(CommOperation::Write, [&] {
        after = look(progress);
        progress.close();
    });
    EXPECT_EQ(after.label2, QStringLiteral("0%"));
    EXPECT_EQ(after.value, 0);
}

TEST(ProgressWindow, ASecondPassStartsFromNothingUnderItsOwnCaption) {
    ScriptedDetailPrompter prompter;
    ProgressWindow progress(prompter, [] { return LanguageIndex::Chinese; });
    Shown during;
    progress.open(CommOperation::Write, [&] {
        progress.setProgress(100);
        progress.beginPass(CommOperation::Verify);
        during = look(progress);
        progress.close();
    });
    EXPECT_EQ(during.title, QString::fromUtf8("校验对讲机数据"));
    EXPECT_EQ(during.label2, QStringLiteral("0%"));
    EXPECT_EQ(during.value, 0);
    EXPECT_TRUE(during.visible);
}

TEST(ProgressWindow, ClosingItDuringATransferAsksAndCancelsOnlyOnOk) {
    ScriptedDetailPrompter prompter;
    ProgressWindow progress(prompter, [] { return LanguageIndex::English; });
    int cancels = 0;
    progress.setCancelTransfer([&] {
        ++cancels;
        progress.close();  // what the session does as it ends
    });
    std::vector<bool> stillShownAfterQuestion;
    prompter.answers = {PromptAnswer::Cancel, PromptAnswer::Cancel, PromptAnswer::Ok};
    progress.open(CommOperation::Read, [&] {
        // The close box, then Escape, both kept open by Cancel; then the close box and OK.
        whenIdle([&] {
            static_cast<QWidget&>(progress).close();
            stillShownAfterQuestion.push_back(progress.visible());
            QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
            QCoreApplication::sendEvent(&progress, &escape);
            stillShownAfterQuestion.push_back(progress.visible());
            static_cast<QWidget&>(progress).close();
        });
    });
    ASSERT_EQ(prompter.asked.size(), 3u);
    for (const auto& asked : prompter.asked) {
        EXPECT_EQ(asked.text, "Cancel the transfer with the radio?");
        EXPECT_EQ(asked.buttons, MessageButtons::OkCancel);
        EXPECT_EQ(asked.icon, MessageIcon::Question);
    }
    EXPECT_EQ(stillShownAfterQuestion, (std::vector<bool>{true, true}));
    EXPECT_EQ(cancels, 1);
    EXPECT_FALSE(progress.visible());
}

TEST(ProgressWindow, ATransferThatEndsWhileTheQuestionIsUpIsNotCancelledAgain) {
    ScriptedDetailPrompter prompter;
    ProgressWindow progress(prompter, [] { return LanguageIndex::Chinese; });
    int cancels = 0;
    progress.setCancelTransfer([&] { ++cancels; });
    prompter.onAsk = [&](const ScriptedDetailPrompter::Asked&) { progress.close(); };
    prompter.answers = {PromptAnswer::Ok};
    progress.open(CommOperation::Read, [&] { whenIdle([&] { static_cast<QWidget&>(progress).close(); }); });
    ASSERT_EQ(prompter.asked.size(), 1u);
    EXPECT_EQ(prompter.asked[0].text, "是否取消与对讲机的数据传输？");
    EXPECT_EQ(cancels, 0);
    EXPECT_FALSE(progress.visible());
}

// The Cancel button: a read stops at once; a write only after the user agreed to leave the
// radio partly written.
TEST(ProgressWindow, CancelStopsAReadAtOnceAndAWriteOnlyAfterTheRiskIsAccepted) {
    struct Case {
        CommOperation operation;
        std::vector<PromptAnswer> answers;
        int questions;
        int stops;
    };
    const Case cases[] = {
        {CommOperation::Read, {}, 0, 1},
        {CommOperation::Write, {PromptAnswer::No}, 1, 0},
        {CommOperation::Write, {PromptAnswer::Yes}, 1, 1},
    };
    for (const Case& c : cases) {
        ScriptedDetailPrompter prompter;
        prompter.answers.assign(c.answers.begin(), c.answers.end());
        ProgressWindow progress(prompter, [] { return LanguageIndex::English; });
        int stops = 0;
        progress.setCancelTransfer([&] {
            ++stops;
            progress.close();
        });
        progress.showPort("COM34 (/dev/ttyUSB1)");
        QString heading;
        bool shownAfterCancel = false;
        progress.open(c.operation, [&] {
            heading = progress.findChild<QLabel*>(QStringLiteral("PortLabel"))->text();
            whenIdle([&] {
                auto* cancel = progress.findChild<QPushButton*>(QStringLiteral("CommandCancel"));
                ASSERT_NE(cancel, nullptr);
                EXPECT_EQ(cancel->text(), QStringLiteral("&Cancel"));
                cancel->click();
                shownAfterCancel = progress.visible();
                if (shownAfterCancel) progress.close();
            });
        });
        SCOPED_TRACE(static_cast<int>(c.operation) * 10 + static_cast<int>(c.answers.size()));
        EXPECT_EQ(heading, c.operation == CommOperation::Read ? QStringLiteral("Reading from COM34 (/dev/ttyUSB1)")
                                                              : QStringLiteral("Writing to COM34 (/dev/ttyUSB1)"));
        ASSERT_EQ(static_cast<int>(prompter.asked.size()), c.questions);
        if (c.questions > 0) {
            EXPECT_EQ(prompter.asked[0].text.substr(0, 44), "The radio will be left partly written: its m");
            EXPECT_EQ(prompter.asked[0].buttons, MessageButtons::YesNo);
            EXPECT_EQ(prompter.asked[0].icon, MessageIcon::Warning);
        }
        EXPECT_EQ(stops, c.stops);
        EXPECT_EQ(shownAfterCancel, c.stops == 0);
    }
}

// The window is never narrower than its title or its port line, in either language.
TEST(ProgressWindow, IsAsWideAsItsTitleAndPortLine) {
    for (LanguageIndex language : {LanguageIndex::English, LanguageIndex::Chinese}) {
        ScriptedDetailPrompter prompter;
        ProgressWindow progress(prompter, [&] { return language; });
        progress.showPort("COM34 (/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0)");
        int width = 0, needed = 0;
        progress.open(CommOperation::Verify, [&] {
            width = progress.width();
            auto* heading = progress.findChild<QLabel*>(QStringLiteral("PortLabel"));
            needed = std::max(widthForTitle(progress), heading->sizeHint().width());
            progress.close();
        });
        EXPECT_GE(width, needed);
    }
}

}  // namespace
}  // namespace mv52::test
