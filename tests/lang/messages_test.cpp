#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "document/workspace.h"
#include "lang/messages.h"

namespace mv52 {
namespace {

constexpr LanguageIndex kEn = LanguageIndex::English;
constexpr LanguageIndex kZh = LanguageIndex::Chinese;

struct TextCase {
    MessageKey key;
    const char* english;
    const char* chinese;
};

TEST(MessageTable, TextsInBothLanguages) {
    const TextCase cases[] = {
        {MessageKey::MsgAllDataCleared, "All data will be cleared.", "所有数据将被清空。"},
        {MessageKey::MsgCannotOpenPort, "Cannot Open Communication Port.", "无法打开通信端口。"},
        {MessageKey::MsgSaveChanges, "File has been modify,save it now?", "当前文件已被修改，是否现在保存？"},
        {MessageKey::MsgCheckConnection, "Check Connection. Retry or Cancel?", "检测连接。重试或取消？"},
        {MessageKey::MsgModelWrong, "Model type is wrong.", "机型类型错误。"},
        {MessageKey::MsgFreqOutOfRange, "Frequency is out of range.", "频率超出范围。"},
        {MessageKey::MsgButtonOk, "&OK", "确定(&O)"},
        {MessageKey::MsgButtonCancel, "&Cancel", "取消(&C)"},
        {MessageKey::MsgUnknownDataFileVersion, "Unknown version Of DataFile!", "未能识别的数据版本!"},
    };
    for (const TextCase& c : cases) {
        EXPECT_EQ(messageText(c.key, kEn), c.english);
        EXPECT_EQ(messageText(c.key, kZh), c.chinese);
    }
}

TEST(MessageTable, ConfirmationsPutTheTwoSentencesOnTwoLines) {
    const TextCase cases[] = {
        {MessageKey::MsgConfirmRead, "Read data from radio.\r\nDo you wish continue?", "从对讲机读取数据。\r\n是否继续？"},
        {MessageKey::MsgConfirmWrite, "Write data to radio.\r\nDo you wish continue?", "向对讲机写入数据。\r\n是否继续？"},
    };
    for (const TextCase& c : cases) {
        for (LanguageIndex language : {kEn, kZh}) {
            const std::string shown = messageText(c.key, language);
            EXPECT_EQ(shown, language == kEn ? c.english : c.chinese);
            // Exactly one line break, made of CR (13) then LF (10).
            const auto breakAt = shown.find("\r\n");
            ASSERT_NE(breakAt, std::string::npos);
            EXPECT_EQ(shown.find('\r', breakAt + 1), std::string::npos);
            EXPECT_EQ(shown.find('\n'), breakAt + 1);
            EXPECT_EQ(shown.find('\n', breakAt + 2), std::string::npos);
        }
    }
}

TEST(MessageStyleTable, ButtonsAndIconOfEachMessage) {
    struct Case {
        MessageKey key;
        ConnectionPrompt prompt;
        MessageButtons buttons;
        MessageIcon icon;
    };
    constexpr ConnectionPrompt kRetry = ConnectionPrompt::RetryCancel;
    const Case cases[] = {
        {MessageKey::MsgAllDataCleared, kRetry, MessageButtons::OkCancel, MessageIcon::Warning},
        {MessageKey::MsgFileError, kRetry, MessageButtons::Ok, MessageIcon::None},
        {MessageKey::MsgCannotOpenPort, kRetry, MessageButtons::Ok, MessageIcon::Error},
        {MessageKey::MsgConfirmRead, kRetry, MessageButtons::OkCancel, MessageIcon::Question},
        {MessageKey::MsgConfirmWrite, kRetry, MessageButtons::OkCancel, MessageIcon::Question},
        {MessageKey::MsgSaveChanges, kRetry, MessageButtons::YesNoCancel, MessageIcon::Warning},
        {MessageKey::MsgOverwrite, kRetry, MessageButtons::OkCancel, MessageIcon::Question},
        {MessageKey::MsgCheckConnection, ConnectionPrompt::RetryCancel, MessageButtons::RetryCancel,
         MessageIcon::None},
        {MessageKey::MsgCheckConnection, ConnectionPrompt::OkCancelQuestion, MessageButtons::OkCancel,
         MessageIcon::Question},
        {MessageKey::MsgReadCompleted, kRetry, MessageButtons::Ok, MessageIcon::None},
        {MessageKey::MsgWriteCompleted, kRetry, MessageButtons::Ok, MessageIcon::None},
        {MessageKey::MsgModelWrong, kRetry, MessageButtons::Ok, MessageIcon::None},
        {MessageKey::MsgFreqOutOfRange, kRetry, MessageButtons::Ok, MessageIcon::Warning},
        {MessageKey::MsgIncompatibleVersion, kRetry, MessageButtons::YesNo, MessageIcon::None},
        {MessageKey::MsgVersionNotExist, kRetry, MessageButtons::Ok, MessageIcon::None},
        {MessageKey::MsgUnknownDataFileVersion, kRetry, MessageButtons::Ok, MessageIcon::None},
        {MessageKey::MsgWriteVerified, kRetry, MessageButtons::Ok, MessageIcon::None},
        {MessageKey::MsgVerifyDiffers, kRetry, MessageButtons::Ok, MessageIcon::Error},
        {MessageKey::MsgVerifyUnreadable, kRetry, MessageButtons::Ok, MessageIcon::Error},
        {MessageKey::MsgBackupSaved, kRetry, MessageButtons::Ok, MessageIcon::None},
        {MessageKey::MsgBackupFailed, kRetry, MessageButtons::Ok, MessageIcon::Warning},
    };
    for (const Case& c : cases) {
        const MessageStyle style = messageStyle(c.key, c.prompt);
        EXPECT_EQ(style.buttons, c.buttons) << messageText(c.key, kEn);
        EXPECT_EQ(style.icon, c.icon) << messageText(c.key, kEn);
    }
}

TEST(MessageStyleTable, OnlyTheConnectionCheckDependsOnThePrompt) {
    for (int k = 0; k <= static_cast<int>(MessageKey::MsgBackupFailed); ++k) {
        const auto key = static_cast<MessageKey>(k);
        if (key == MessageKey::MsgCheckConnection) continue;
        EXPECT_EQ(messageStyle(key, ConnectionPrompt::RetryCancel),
                  messageStyle(key, ConnectionPrompt::OkCancelQuestion))
            << k;
    }
    EXPECT_EQ(kMessageBoxCaption, "MV52");
}

TEST(MessageCompletion, TextFollowsTheOperationAndLanguage) {
    struct Case {
        CommOperation operation;
        LanguageIndex language;
        const char* expected;
    };
    const Case cases[] = {
        {CommOperation::Read, kEn, "Read Data Completed."},
        {CommOperation::Read, kZh, "读取数据完成。"},
        {CommOperation::Write, kEn, "Write Data Completed."},
        {CommOperation::Write, kZh, "写入数据完成。"},
        {CommOperation::Verify, kEn, ""},
        {CommOperation::None, kEn, ""},
        {CommOperation::None, kZh, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(completionText(c.operation, c.language), c.expected) << static_cast<int>(c.operation);
}

TEST(MessageButtonCaptions, OkAndCancelOfBothDialogKinds) {
    struct Case {
        LanguageIndex language;
        const char* ok;
        const char* cancel;
    };
    const Case cases[] = {{kEn, "&OK", "&Cancel"}, {kZh, "确定(&O)", "取消(&C)"}};
    for (const Case& c : cases) {
        EXPECT_EQ(okButtonCaption(c.language), c.ok);
        EXPECT_EQ(cancelButtonCaption(c.language), c.cancel);
        EXPECT_EQ(dialogButtonCaptions(c.language), (ButtonCaptions{c.ok, c.cancel}));
    }
}

TEST(MessageComposites, VerifyAndBackupTextsInBothLanguages) {
    EXPECT_EQ(messageText(MessageKey::MsgWriteVerified, kEn), "Write completed and verified.");
    EXPECT_EQ(messageText(MessageKey::MsgWriteVerified, kZh), "写入完成并已校验。");
    EXPECT_EQ(verifyMismatchText(3, 1484, {16, 23728}, kEn),
              "Verify failed: 3 of 1484 blocks read back from the radio differ from what was written. Addresses: 16 "
              "(0x0010), 23728 (0x5CB0), ...");
    EXPECT_EQ(verifyMismatchText(1, 1484, {16400}, kZh),
              "校验失败：从对讲机读回的 1484 个数据块中有 1 个与写入的不同。地址：16400 (0x4010)");
    EXPECT_EQ(backupText(true, "/b/20261210-142501.dat", "", kEn), "Backup of the read: /b/20261210-142501.dat");
    EXPECT_EQ(backupText(true, "/b/x.dat", "", kZh), "读取数据的备份：/b/x.dat");
    // A "%2" inside the path is part of the path.
    EXPECT_EQ(backupText(false, "/b/%2", "Permission denied", kEn),
              "The read could not be backed up in /b/%2: Permission denied");
    EXPECT_EQ(backupText(false, "/b", "No space", kZh), "未能将读取的数据备份到 /b：No space");
}

TEST(MessageComposites, FileFilterAndOverwriteQuestion) {
    EXPECT_EQ(dataFileFilter(kEn), "Data File (*.dat)|*.dat");
    EXPECT_EQ(dataFileFilter(kZh), "数据文件 (*.dat)|*.dat");
    EXPECT_EQ(overwriteQuestion("radio.dat", kEn), "\"radio.dat\"file will be Overwrite,Continue?");
    EXPECT_EQ(overwriteQuestion("radio.dat", kZh), "\"radio.dat\"文件将被覆盖，是否继续？");
}

TEST(MessageQueue, KeepsAtMost1001TextsInOrder) {
    PendingMessages queue;
    for (std::size_t i = 0; i < 1001; ++i) EXPECT_TRUE(queue.add("text " + std::to_string(i)));
    EXPECT_EQ(queue.size(), 1001u);
    EXPECT_FALSE(queue.add("one too many"));
    EXPECT_FALSE(queue.add("and another"));
    ASSERT_EQ(queue.size(), 1001u);
    EXPECT_EQ(queue.texts().front(), "text 0");
    EXPECT_EQ(queue.texts().back(), "text 1000");

    std::vector<std::string> shown;
    queue.showAll([&](const std::string& t) { shown.push_back(t); });
    ASSERT_EQ(shown.size(), 1001u);
    for (std::size_t i = 0; i < shown.size(); ++i) EXPECT_EQ(shown[i], "text " + std::to_string(i));
    EXPECT_TRUE(queue.empty());
    // Room again once shown.
    EXPECT_TRUE(queue.add("next"));
    EXPECT_EQ(queue.size(), 1u);
}

TEST(MessageQueue, ShowingEmptiesItSoTheNextOperationStartsClean) {
    PendingMessages queue;
    const std::string modelWrong = messageText(MessageKey::MsgModelWrong, kEn);
    queue.add(modelWrong);

    std::vector<std::string> firstEnd;
    queue.showAll([&](const std::string& t) { firstEnd.push_back(t); });
    EXPECT_EQ(firstEnd, std::vector<std::string>{"Model type is wrong."});

    std::vector<std::string> secondEnd;
    queue.showAll([&](const std::string& t) { secondEnd.push_back(t); });
    EXPECT_TRUE(secondEnd.empty());

    queue.add("a");
    queue.add("b");
    EXPECT_EQ(queue.takeAll(), (std::vector<std::string>{"a", "b"}));
    EXPECT_TRUE(queue.empty());
}

}  // namespace
}  // namespace mv52
