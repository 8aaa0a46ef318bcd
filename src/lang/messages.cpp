#include "lang/messages.h"

#include <array>
#include <utility>

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
};

}  // namespace

std::string messageText(MessageKey key, LanguageIndex language) {
    for (const Entry& e : kMessages)
        if (e.key == key) return language == LanguageIndex::Chinese ? e.chinese : e.english;
    return {};
}

}  // namespace mv52
