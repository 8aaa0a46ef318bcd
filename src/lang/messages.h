#pragma once
// The bilingual message table. Other code names a message by its key.

#include <string>

#include "lang/language.h"

namespace mv52 {

enum class MessageKey {
    MsgAllDataCleared,
    MsgDataFileLabel,
    MsgFileError,
    MsgCannotOpenPort,
    MsgConfirmRead,
    MsgConfirmWrite,
    MsgSaveChanges,
    MsgOverwrite,
    MsgCheckConnection,
    MsgReadCompleted,
    MsgWriteCompleted,
    MsgModelWrong,
    MsgFreqOutOfRange,
    MsgButtonOk,
    MsgButtonCancel,
    MsgFirmwareVersionIs,
    MsgSoftwareVersionIs,
    MsgDataFileVersionIs,
    MsgIncompatibleVersion,
    MsgVersionNotExist,
    MsgUnknownDataFileVersion,
};

std::string messageText(MessageKey key, LanguageIndex language);

}  // namespace mv52
