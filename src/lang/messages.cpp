#include "lang/messages.h"

#include <array>
#include <cstdio>
#include <initializer_list>
#include <utility>

#include "data/comm_operation.h"
#include "lang/bilingual.h"

namespace mv52 {
namespace {

struct Entry {
    MessageKey key;
    const char* english;
    const char* chinese;
};

constexpr Entry kMessages[] = {
    {MessageKey::MsgAllDataCleared, "All data will be cleared.", "所有数据将被清空。"},
    {MessageKey::MsgDataFileLabel, "Data File", "数据文件"},
    {MessageKey::MsgFileError, "file error.", "文件错误。"},
    {MessageKey::MsgCannotOpenPort, "Cannot Open Communication Port.", "无法打开通信端口。"},
    {MessageKey::MsgConfirmRead, "Read data from radio.\r\nDo you wish continue?",
     "从对讲机读取数据。\r\n是否继续？"},
    {MessageKey::MsgConfirmWrite, "Write data to radio.\r\nDo you wish continue?",
     "向对讲机写入数据。\r\n是否继续？"},
    {MessageKey::MsgSaveChanges, "File has been modify,save it now?", "当前文件已被修改，是否现在保存？"},
    {MessageKey::MsgOverwrite, "file will be Overwrite,Continue?", "文件将被覆盖，是否继续？"},
    {MessageKey::MsgCheckConnection, "Check Connection. Retry or Cancel?", "检测连接。重试或取消？"},
    {MessageKey::MsgReadCompleted, "Read Data Completed.", "读取数据完成。"},
    {MessageKey::MsgWriteCompleted, "Write Data Completed.", "写入数据完成。"},
    {MessageKey::MsgModelWrong, "Model type is wrong.", "机型类型错误。"},
    {MessageKey::MsgFreqOutOfRange, "Frequency is out of range.", "频率超出范围。"},
    {MessageKey::MsgButtonOk, "&OK", "确定(&O)"},
    {MessageKey::MsgButtonCancel, "&Cancel", "取消(&C)"},
    {MessageKey::MsgFirmwareVersionIs, "Firmware version is", "固件版本为"},
    {MessageKey::MsgSoftwareVersionIs, "programming software is", "写频软件版本为"},
    {MessageKey::MsgDataFileVersionIs, "DataFile version is", "数据文件版本为"},
    {MessageKey::MsgIncompatibleVersion,
     "incompatible version. It may cause unknown error.To start the corresponding software version, "
     "or not?",
     "版本不兼容，有可能引起未知错误，是否启动对应版本软件？"},
    {MessageKey::MsgVersionNotExist, "Fail to start the software. This version does not exist.",
     "未能启动，不存在此版本软件！"},
    {MessageKey::MsgUnknownDataFileVersion, "Unknown version Of DataFile!", "未能识别的数据版本!"},
    {MessageKey::MsgVersionTableMissing,
     "Version.ini is missing or incomplete. No data file or radio version counts as compatible.",
     "Version.ini 缺失或不完整，所有数据文件和对讲机版本都将视为不兼容。"},
    {MessageKey::MsgCancelTransfer, "Cancel the transfer with the radio?", "是否取消与对讲机的数据传输？"},
    {MessageKey::MsgButtonYes, "&Yes", "是(&Y)"},
    {MessageKey::MsgButtonNo, "&No", "否(&N)"},
    {MessageKey::MsgButtonRetry, "&Retry", "重试(&R)"},
    {MessageKey::MsgWriteVerified, "Write completed and verified.", "写入完成并已校验。"},
    {MessageKey::MsgVerifyDiffers,
     "Verify failed: %1 of %2 blocks read back from the radio differ from what was written. Addresses: %3",
     "校验失败：从对讲机读回的 %2 个数据块中有 %1 个与写入的不同。地址：%3"},
    {MessageKey::MsgVerifyUnreadable,
     "Verify failed: the radio could not be read back after the write, so the write is not verified.",
     "校验失败：写入后未能从对讲机读回数据，写入未经校验。"},
    {MessageKey::MsgBackupSaved, "Backup of the read: %1", "读取数据的备份：%1"},
    {MessageKey::MsgBackupFailed, "The read could not be backed up in %1: %2", "未能将读取的数据备份到 %1：%2"},
};


}  // namespace

std::string messageText(MessageKey key, LanguageIndex language) {
    for (const Entry& e : kMessages)
        if (e.key == key) return language == LanguageIndex::Chinese ? e.chinese : e.english;
    return {};
}

MessageStyle messageStyle(MessageKey key, ConnectionPrompt prompt) {
    using B = MessageButtons;
    using I = MessageIcon;
    switch (key) {
        case MessageKey::MsgAllDataCleared: return {B::OkCancel, I::Warning};
        case MessageKey::MsgCannotOpenPort: return {B::Ok, I::Error};
        case MessageKey::MsgConfirmRead:
        case MessageKey::MsgConfirmWrite:
        case MessageKey::MsgOverwrite:
        case MessageKey::MsgCancelTransfer: return {B::OkCancel, I::Question};
        case MessageKey::MsgSaveChanges: return {B::YesNoCancel, I::Warning};
        case MessageKey::MsgCheckConnection:
            return prompt == ConnectionPrompt::OkCancelQuestion ? MessageStyle{B::OkCancel, I::Question}
                                                                : MessageStyle{B::RetryCancel, I::None};
        case MessageKey::MsgFreqOutOfRange:
        case MessageKey::MsgVersionTableMissing:
        case MessageKey::MsgBackupFailed: return {B::Ok, I::Warning};
        case MessageKey::MsgVerifyDiffers:
        case MessageKey::MsgVerifyUnreadable: return {B::Ok, I::Error};
        case MessageKey::MsgIncompatibleVersion: return {B::YesNo, I::None};
        case MessageKey::MsgDataFileLabel:
        case MessageKey::MsgFileError:
        case MessageKey::MsgReadCompleted:
        case MessageKey::MsgWriteCompleted:
        case MessageKey::MsgModelWrong:
        case MessageKey::MsgButtonOk:
        case MessageKey::MsgButtonCancel:
        case MessageKey::MsgButtonYes:
        case MessageKey::MsgButtonNo:
        case MessageKey::MsgButtonRetry:
        case MessageKey::MsgFirmwareVersionIs:
        case MessageKey::MsgSoftwareVersionIs:
        case MessageKey::MsgDataFileVersionIs:
        case MessageKey::MsgVersionNotExist:
        case MessageKey::MsgUnknownDataFileVersion:
        case MessageKey::MsgWriteVerified:
        case MessageKey::MsgBackupSaved: break;
    }
    return {B::Ok, I::None};
}

std::string completionText(CommOperation operation, LanguageIndex language) {
    switch (operation) {
        case CommOperation::Read: return messageText(MessageKey::MsgReadCompleted, language);
        case CommOperation::Write: return messageText(MessageKey::MsgWriteCompleted, language);
        case CommOperation::Verify:
        case CommOperation::None: break;
    }
    return {};
}

std::string verifyMismatchText(std::size_t differing, std::size_t total, const std::vector<int>& addresses,
                               LanguageIndex language) {
    std::string list;
    for (int address : addresses) {
        char hex[16];
        std::snprintf(hex, sizeof hex, "0x%04X", static_cast<unsigned>(address));
        list += (list.empty() ? "" : ", ") + std::to_string(address) + " (" + hex + ")";
    }
    if (addresses.size() < differing) list += ", ...";
    return substitute(messageText(MessageKey::MsgVerifyDiffers, language),
                      {std::to_string(differing), std::to_string(total), list});
}

std::string backupText(bool saved, std::string_view path, std::string_view reason, LanguageIndex language) {
    if (saved) return substitute(messageText(MessageKey::MsgBackupSaved, language), {path});
    return substitute(messageText(MessageKey::MsgBackupFailed, language), {path, reason});
}

std::string okButtonCaption(LanguageIndex language) { return messageText(MessageKey::MsgButtonOk, language); }

std::string cancelButtonCaption(LanguageIndex language) {
    return messageText(MessageKey::MsgButtonCancel, language);
}

ButtonCaptions dialogButtonCaptions(LanguageIndex language) {
    return {okButtonCaption(language), cancelButtonCaption(language)};
}

std::string dataFileFilter(LanguageIndex language) {
    return messageText(MessageKey::MsgDataFileLabel, language) + " (*.dat)|*.dat";
}

std::string overwriteQuestion(std::string_view fileName, LanguageIndex language) {
    return "\"" + std::string(fileName) + "\"" + messageText(MessageKey::MsgOverwrite, language);
}

bool PendingMessages::add(std::string text) {
    if (texts_.size() >= kCapacity) return false;
    texts_.push_back(std::move(text));
    return true;
}

void PendingMessages::showAll(const std::function<void(const std::string&)>& show) {
    // Taken out first: the queue is empty even if showing is cut short, and a text queued
    // while the boxes are up waits for the next operation's end instead of being lost.
    const std::vector<std::string> texts = takeAll();
    if (!show) return;
    for (const std::string& text : texts) show(text);
}

std::vector<std::string> PendingMessages::takeAll() {
    std::vector<std::string> texts;
    texts.swap(texts_);
    return texts;
}

}  // namespace mv52
