#pragma once
// The bilingual message table. Other code names a message by its key; the text is chosen
// when the message is shown, so a language switch reaches the next message at once.

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "lang/language.h"
#include "system/prompter.h"

namespace mv52 {

enum class CommOperation : int;  // data/comm_operation.h

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
    // Our own: start-up found no usable compatibility table.
    MsgVersionTableMissing,
    // Our own: the user closes the progress window while a transfer runs.
    MsgCancelTransfer,
    // Our own: the captions of the remaining message-box buttons.
    MsgButtonYes,
    MsgButtonNo,
    MsgButtonRetry,
    // Our own: the read-back after a write ("Verify after Write").
    MsgWriteVerified,
    MsgVerifyDiffers,      // composed by verifyMismatchText
    MsgVerifyUnreadable,
    // Our own: the backup every completed read leaves.
    MsgBackupSaved,        // composed by backupText
    MsgBackupFailed,       // composed by backupText
};

std::string messageText(MessageKey key, LanguageIndex language);

// Every message box carries the application title as its caption.
inline constexpr std::string_view kMessageBoxCaption = "MV52";

struct MessageStyle {
    MessageButtons buttons;
    MessageIcon icon;
    bool operator==(const MessageStyle&) const = default;
};

// "Check Connection. Retry or Cancel?" is asked two ways by the link sessions.
enum class ConnectionPrompt { RetryCancel, OkCancelQuestion };

// The buttons and icon a message is shown with. `prompt` only matters for
// MsgCheckConnection. Keys that are never shown on their own (the button captions, the
// file-type label, the version pieces) report OK without an icon. The incompatible-version
// question, composed from MsgIncompatibleVersion, is the Yes/No entry.
MessageStyle messageStyle(MessageKey key, ConnectionPrompt prompt = ConnectionPrompt::RetryCancel);

// "Read Data Completed." for a read, "Write Data Completed." for a write; empty otherwise.
std::string completionText(CommOperation operation, LanguageIndex language);

// The read-back after a write found `differing` of `total` blocks other than written;
// `addresses` are the first of them, shown in decimal and hexadecimal.
std::string verifyMismatchText(std::size_t differing, std::size_t total, const std::vector<int>& addresses,
                               LanguageIndex language);

// "Backup of the read: PATH" when `saved`, else that the read could not be backed up in
// PATH, with the system's reason.
std::string backupText(bool saved, std::string_view path, std::string_view reason, LanguageIndex language);

// Captions of a dialog's OK and cancel buttons ("&OK", "&Cancel"), shared by the port
// dialog (CommandOK/CommandCancel) and the language dialog (Command1/Command2).
std::string okButtonCaption(LanguageIndex language);
std::string cancelButtonCaption(LanguageIndex language);

struct ButtonCaptions {
    std::string ok;
    std::string cancel;
    bool operator==(const ButtonCaptions&) const = default;
};
ButtonCaptions dialogButtonCaptions(LanguageIndex language);

// The open and save dialogs' filter: "Data File (*.dat)|*.dat".
std::string dataFileFilter(LanguageIndex language);

// Asked before a titled document is saved over its file: the file name (without its
// folder) in double quotation marks, directly followed by the question.
std::string overwriteQuestion(std::string_view fileName, LanguageIndex language);

// Messages collected while a radio-link operation runs and shown once it has ended. The
// caller queues texts already in the current language.
class PendingMessages {
public:
    static constexpr std::size_t kCapacity = 1001;

    // Appends the text; when the queue is full the text is dropped and false is returned.
    bool add(std::string text);

    std::size_t size() const { return texts_.size(); }
    bool empty() const { return texts_.empty(); }
    const std::vector<std::string>& texts() const { return texts_; }

    // Hands every text, in order, to `show` (one message box with OK each), then empties
    // the queue, so the next operation starts with nothing pending.
    void showAll(const std::function<void(const std::string&)>& show);

    // Empties the queue and returns its texts in order.
    std::vector<std::string> takeAll();

private:
    std::vector<std::string> texts_;
};

}  // namespace mv52
