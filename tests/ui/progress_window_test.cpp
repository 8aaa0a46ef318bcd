// ProgressWindow on its own: captions, progress, and closing it while a transfer runs.

#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>

#include "document/workspace.h"
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
    progress.open(CommOperation::Write, [&] { whenIdle([&] { static_cast<QWidget&>(progress).close(); }); });
    ASSERT_EQ(prompter.asked.size(), 1u);
    EXPECT_EQ(prompter.asked[0].text, "是否取消与对讲机的数据传输？");
    EXPECT_EQ(cancels, 0);
    EXPECT_FALSE(progress.visible());
}

}  // namespace
}  // namespace mv52::test
