#include "link/link_session.h"

#include <algorithm>
#include <utility>

#include "system/daily_log.h"
#include "system/timer.h"
#include "storage/codec.h"
#include "link/progress_view.h"
#include "link/read_back.h"
#include "link/serial_link.h"
#include "version/version_table.h"

namespace mv52 {
namespace {

constexpr int kStepIdle = 0;
constexpr int kStepHandshake = 1;
constexpr int kStepIdentification = 3;
constexpr int kStepWriteBlock = 4;
constexpr int kStepReadBlock = 5;
constexpr int kStepEndAfterLastBlock = 69;
constexpr int kStepEndAfterIdentityFailure = 70;

constexpr int kFirstAddress = -static_cast<int>(kLinkBlockLength);  // the first step adds 16
constexpr std::size_t kListedDifferences = 8;  // addresses a failed verify names

bool blockInRange(int address) { return address >= 0 && address + kLinkBlockLength <= kLinkEndAddress; }

}  // namespace

int transferPercentage(int address) {
    const long long scaled = 100LL * address;
    long long percent = scaled / kLinkEndAddress;
    const long long twiceRest = 2 * (scaled % kLinkEndAddress);
    if (twiceRest > kLinkEndAddress || (twiceRest == kLinkEndAddress && percent % 2 != 0)) ++percent;
    return static_cast<int>(percent);
}

LinkSession::LinkSession(Workspace& workspace, SerialLink& link, OneShotTimer& waitTimer, Prompter& prompter,
                         ProgressView& progress, DailyLog& log, PendingMessages& pending,
                         const VersionTable& versions, std::function<LanguageIndex()> language,
                         std::uint16_t comPort, LinkSessionHooks& hooks)
    : workspace_(workspace),
      link_(link),
      waitTimer_(waitTimer),
      prompter_(prompter),
      progress_(progress),
      log_(log),
      pending_(pending),
      versions_(versions),
      language_(std::move(language)),
      comPort_(comPort),
      hooks_(hooks) {
    link_.setHandlers([this](const LinkBytes& bytes) { onDataReceived(bytes); },
                      [this](const std::string& reason) { onPortError(reason); });
}

LinkSession::~LinkSession() {
    link_.setHandlers({}, {});
    if (awaitingReply_) waitTimer_.stop();
}

LinkStartResult LinkSession::startRead() { return start(CommOperation::Read, WriteVerify::Off); }

LinkStartResult LinkSession::startWrite(WriteVerify verify) { return start(CommOperation::Write, verify); }

LinkStartResult LinkSession::start(CommOperation operation, WriteVerify verify) {
    if (running()) return LinkStartResult::Busy;
    workspace_.commOperation = operation;
    step_ = kStepIdle;
    ++generation_;
    const std::uint64_t generation = generation_;
    lastSucceeded_ = false;
    radioModel_.clear();
    verifyAfterWrite_ = operation == CommOperation::Write && verify == WriteVerify::On;
    verifyOutcome_ = VerifyOutcome::NotRun;
    differingBlocks_.clear();
    lastTrouble_.reset();
    refusedReply_.reset();
    portFailedSinceReply_ = false;
    stoppedByUser_ = false;
    blocksWritten_ = 0;

    if (!openLinkPort(operation)) {
        if (stillCurrent(generation)) workspace_.commOperation = CommOperation::None;
        return LinkStartResult::PortFailed;
    }
    const PromptAnswer answer =
        ask(operation == CommOperation::Read ? MessageKey::MsgConfirmRead : MessageKey::MsgConfirmWrite);
    if (!stillCurrent(generation)) return LinkStartResult::Cancelled;  // cancelled while asking
    if (answer != PromptAnswer::Ok) {
        link_.close();
        workspace_.commOperation = CommOperation::None;
        return LinkStartResult::Cancelled;
    }

    workspace_.image.preTransferFill();
    if (operation == CommOperation::Write) encodeDocument(workspace_);
    progress_.showPort(portWithDevice(comPortText(), link_.device()));
    // A modal view returns from open() only when it closes: nothing may follow this call.
    progress_.open(operation, [this, generation] {
        if (stillCurrent(generation) && running() && step_ == kStepIdle) startHandshake();
    });
    return LinkStartResult::Started;
}

void LinkSession::cancel() {
    if (running() && !ending_) endSession(false);
}

void LinkSession::stop() {
    if (!running() || ending_) return;
    // From the identification on the radio is in its programming mode; at step 70 and 69 the
    // end request is already out.
    const bool radioListening =
        step_ == kStepIdentification || step_ == kStepWriteBlock || step_ == kStepReadBlock;
    if (radioListening && link_.isOpen()) sendFrame(endRequest());
    stoppedByUser_ = true;
    endSession(false);
}

bool LinkSession::openLinkPort(CommOperation operation) {
    if (operation != CommOperation::None) address_ = kFirstAddress;
    handshakeTimeouts_ = 0;
    identificationTimeouts_ = 0;
    lastShownPercent_ = 0;

    if (link_.isOpen()) link_.close();
    const LinkOpenResult opened = link_.open(comPort_);
    if (!opened.ok) {
        openFailureReason_ = opened.reason;
        // The box keeps its text; the cause and what to try go below it.
        askExplained(messageText(MessageKey::MsgCannotOpenPort, language_()),
                     messageStyle(MessageKey::MsgCannotOpenPort),
                     troubleOf(troubleForOpenFailure(opened.failure), opened.reason));
        return false;
    }
    openFailureReason_.clear();
    link_.setReceiveThreshold(1);
    return true;
}

void LinkSession::startHandshake() {
    step_ = kStepHandshake;
    sendAwaitingReply(handshakeRequest());
}

void LinkSession::sendFrame(const LinkRequest& request) {
    sendBuffer_ = request.bytes;
    log_.writeLogLine(kLogTitleSent, hexText(sendBuffer_));
    link_.setReceiveThreshold(request.replyLength);
    link_.clearBuffers();
    link_.write(sendBuffer_);
}

void LinkSession::sendAwaitingReply(const LinkRequest& request) {
    awaitingReply_ = true;
    const std::uint64_t token = ++waitToken_;
    waitTimer_.start(kReplyTimeout, [this, token] {
        if (token == waitToken_) onWaitTimeout();
    });
    sendFrame(request);
}

void LinkSession::stopWaiting() {
    awaitingReply_ = false;
    waitTimer_.stop();
}

void LinkSession::onDataReceived(const LinkBytes& bytes) {
    const DailyLog::Hold hold(log_);
    log_.writeLogLine(kLogTitleReceived, hexText(bytes));
    // Outside a wait (idle, or a prompt is open) nothing is expecting a reply.
    if (!awaitingReply_) return;
    LinkReply reply = classifyReply(bytes, address_);
    // Only a block inside the transferred range can be stored (at step 69 the current
    // address is already past the end).
    if (reply.kind == ReplyKind::Rejected || (reply.kind == ReplyKind::DataBlock && !blockInRange(address_))) {
        refusedReply_ = bytes;  // the time-out decides what follows, and says why
        return;
    }

    stopWaiting();
    refusedReply_.reset();
    portFailedSinceReply_ = false;
    if (step_ == kStepWriteBlock && operation() == CommOperation::Write)
        blocksWritten_ = std::max(blocksWritten_, address_ / static_cast<int>(kLinkBlockLength) + 1);
    if (reply.kind == ReplyKind::Identification) {
        radioModel_ = std::move(reply.model);
        workspace_.firmwareVersion = std::move(reply.firmware);
    } else if (reply.kind == ReplyKind::DataBlock) {
        // The read-back goes into its own image: the written one is what it is compared with.
        RadioImage& image = operation() == CommOperation::Verify ? *readBack_ : workspace_.image;
        for (std::uint32_t i = 0; i < reply.data.size(); ++i)
            image.set(static_cast<std::uint32_t>(address_) + i, reply.data[i]);
        applyProgress(address_);
    }
    linkStep();
}

void LinkSession::onPortError(const std::string& reason) {
    lastPortError_ = reason;
    portFailedSinceReply_ = true;
    // A failed or vanished port will not answer: end the wait as the time-out would.
    if (awaitingReply_) onWaitTimeout();
}

void LinkSession::linkStep() {
    stopWaiting();
    switch (step_) {
        case kStepHandshake:
            step_ = kStepIdentification;
            sendAwaitingReply(identificationRequest());
            return;
        case kStepIdentification: {
            const std::uint64_t generation = generation_;
            const bool passed = identityCheck();
            if (!stillCurrent(generation)) return;
            if (!passed) {
                step_ = kStepEndAfterIdentityFailure;
                sendAwaitingReply(endRequest());
                return;
            }
            step_ = operation() == CommOperation::Write ? kStepWriteBlock : kStepReadBlock;
            nextBlock();
            return;
        }
        case kStepWriteBlock:
        case kStepReadBlock: nextBlock(); return;
        case kStepEndAfterLastBlock: transferDone(); return;
        default: endSession(false); return;
    }
}

void LinkSession::transferDone() {
    if (operation() == CommOperation::Write && verifyAfterWrite_)
        beginVerify();
    else
        endSession(true);
}

void LinkSession::beginVerify() {
    // The port stays open and the progress view up; the read-back starts at the handshake,
    // as a read does, and must identify the radio afresh.
    workspace_.commOperation = CommOperation::Verify;
    readBack_ = std::make_unique<RadioImage>();
    readBack_->preTransferFill();
    address_ = kFirstAddress;
    handshakeTimeouts_ = 0;
    identificationTimeouts_ = 0;
    lastShownPercent_ = 0;
    radioModel_.clear();
    progress_.beginPass(CommOperation::Verify);
    startHandshake();
}

void LinkSession::nextBlock() {
    address_ += kLinkBlockLength;
    if (address_ >= kLinkEndAddress) {
        step_ = kStepEndAfterLastBlock;
        sendAwaitingReply(endRequest());
        return;
    }
    const auto address = static_cast<std::uint16_t>(address_);
    if (operation() == CommOperation::Write) {
        const LinkRequest frame = dataFrame(workspace_.image, address);
        applyProgress(address_);
        sendAwaitingReply(frame);
    } else {
        sendAwaitingReply(readRequest(address));
    }
}

void LinkSession::onWaitTimeout() {
    if (!awaitingReply_) return;
    stopWaiting();
    switch (step_) {
        case kStepHandshake:
            if (handshakeTimeouts_ >= 1) {
                handshakeTimeouts_ = 0;
                retryPrompt();
            } else {
                ++handshakeTimeouts_;
                startHandshake();
            }
            return;
        case kStepIdentification:
            // A write waits for the resent request as a read does, so that the identity
            // check always judges a reply of this run.
            if (identificationTimeouts_ >= 1) {
                identificationTimeouts_ = 0;
                retryPrompt();
            } else {
                ++identificationTimeouts_;
                sendAwaitingReply(identificationRequest());
            }
            return;
        case kStepWriteBlock:
        case kStepReadBlock: blockPrompt(); return;
        // A missing acknowledgement of the end request does not spoil a complete transfer.
        case kStepEndAfterLastBlock: transferDone(); return;
        default: endSession(false); return;
    }
}

void LinkSession::retryPrompt() {
    const std::uint64_t generation = generation_;
    const PromptAnswer answer =
        askExplained(messageText(MessageKey::MsgCheckConnection, language_()),
                     messageStyle(MessageKey::MsgCheckConnection, ConnectionPrompt::RetryCancel), replyTrouble());
    if (!stillCurrent(generation)) return;
    if (answer == PromptAnswer::Retry)
        startHandshake();
    else
        endSession(false);
}

void LinkSession::blockPrompt() {
    const std::uint64_t generation = generation_;
    const PromptAnswer answer =
        askExplained(messageText(MessageKey::MsgCheckConnection, language_()),
                     messageStyle(MessageKey::MsgCheckConnection, ConnectionPrompt::OkCancelQuestion), replyTrouble());
    if (!stillCurrent(generation)) return;
    if (answer != PromptAnswer::Ok) {
        endSession(false);
        return;
    }
    // The whole transfer starts again from address 0; the image keeps what it holds.
    handshakeTimeouts_ = 0;
    identificationTimeouts_ = 0;
    startHandshake();
    address_ = kFirstAddress;
    progress_.setProgress(0);
    lastShownPercent_ = 0;
}

bool LinkSession::identityCheck() {
    if (radioModel_ != normalizeModelText(workspace_.modelType)) {
        pending_.add(messageText(MessageKey::MsgModelWrong, language_()));
        return false;
    }
    if (isCompatible(versions_, kProgramVersion, workspace_.firmwareVersion)) return true;

    const std::string firmware = workspace_.firmwareVersion;
    const std::uint64_t generation = generation_;
    const MessageStyle style = messageStyle(MessageKey::MsgIncompatibleVersion);
    const PromptAnswer answer = prompter().ask(
        composeVersionQuestion(kProgramVersion, firmware, VersionKind::Firmware, language_()), style.buttons,
        style.icon);
    if (answer == PromptAnswer::Yes && stillCurrent(generation)) hooks_.handOverToVersion(firmware);
    return false;
}

void LinkSession::applyProgress(int address) {
    const int percent = transferPercentage(address);
    if (percent - lastShownPercent_ < 1) return;
    lastShownPercent_ = percent;
    if (progress_.visible()) progress_.setProgress(percent);
}

void LinkSession::endSession(bool success) {
    if (ending_) return;
    ending_ = true;
    log_.writeHeld();
    ++generation_;
    awaitingReply_ = false;
    const CommOperation operation = workspace_.commOperation;

    if (operation != CommOperation::None) progress_.close();
    waitTimer_.stop();
    if (link_.isOpen()) link_.close();
    pending_.showAll([this](const std::string& text) { prompter().ask(text, MessageButtons::Ok, MessageIcon::None); });
    if (success && operation == CommOperation::Read) {
        hooks_.beforeReadDecode();
        decodeImage(workspace_);
        workspace_.fileName = "new.dat";
        workspace_.untitled = true;
        hooks_.afterRead();
    }
    if (operation == CommOperation::Verify) {
        // The write itself completed before the read-back began; one message says both.
        showVerifyOutcome(success);
        success = verifyOutcome_ == VerifyOutcome::Verified;
    } else if (success && operation != CommOperation::None) {
        prompter().ask(completionText(operation, language_()), MessageButtons::Ok, MessageIcon::None);
    }

    workspace_.commOperation = CommOperation::None;
    step_ = kStepIdle;
    readBack_.reset();
    lastSucceeded_ = success;
    ending_ = false;
}

void LinkSession::showVerifyOutcome(bool readBackComplete) {
    MessageKey key = MessageKey::MsgVerifyUnreadable;
    std::string text;
    if (!readBackComplete || !readBack_) {
        verifyOutcome_ = VerifyOutcome::Unreadable;
        text = messageText(key, language_());
    } else {
        differingBlocks_ = mv52::differingBlocks(workspace_.image, *readBack_);
        verifyOutcome_ = differingBlocks_.empty() ? VerifyOutcome::Verified : VerifyOutcome::Differs;
        key = differingBlocks_.empty() ? MessageKey::MsgWriteVerified : MessageKey::MsgVerifyDiffers;
        const std::size_t listed = std::min(differingBlocks_.size(), kListedDifferences);
        text = differingBlocks_.empty()
                   ? messageText(key, language_())
                   : verifyMismatchText(differingBlocks_.size(), RadioImage::kBlockCount,
                                        std::vector<int>(differingBlocks_.begin(),
                                                         differingBlocks_.begin() + static_cast<std::ptrdiff_t>(listed)),
                                        language_());
    }
    const MessageStyle style = messageStyle(key);
    if (verifyOutcome_ != VerifyOutcome::Verified) text = completionText(CommOperation::Write, language_()) + "\r\n" + text;
    prompter().ask(text, style.buttons, style.icon);
}

Prompter& LinkSession::prompter() {
    log_.writeHeld();
    return prompter_;
}

// A device given by its path without a COM number goes by its path alone.
std::string LinkSession::comPortText() const { return comPort_ == 0 ? std::string{} : "COM" + std::to_string(comPort_); }

Trouble LinkSession::troubleOf(TroubleCode code, std::string systemReason) {
    Trouble t;
    t.code = code;
    t.portName = comPortText();
    t.device = link_.device();
    t.systemReason = std::move(systemReason);
    if (code == TroubleCode::RadioStopped) t.address = address_;
    if (inspector_ != nullptr) t.circumstances = inspector_->inspect(t.device);
    return t;
}

Trouble LinkSession::replyTrouble() {
    if (portFailedSinceReply_) return troubleOf(TroubleCode::PortLost, lastPortError_);
    const bool awaitingBlock = step_ == kStepWriteBlock || step_ == kStepReadBlock;
    return troubleOf(troubleForReply(refusedReply_, awaitingBlock), {});
}

PromptAnswer LinkSession::askExplained(const std::string& text, MessageStyle style, Trouble trouble) {
    lastTrouble_ = std::move(trouble);
    // What follows the answer is judged afresh.
    refusedReply_.reset();
    portFailedSinceReply_ = false;
    const std::string detail = troubleExplanation(*lastTrouble_, language_());
    if (auto* detailed = dynamic_cast<DetailPrompter*>(&prompter()))
        return detailed->askWithDetail(text, detail, style.buttons, style.icon);
    return prompter().ask(text, style.buttons, style.icon);
}

PromptAnswer LinkSession::ask(MessageKey key, ConnectionPrompt prompt) {
    const MessageStyle style = messageStyle(key, prompt);
    return prompter().ask(messageText(key, language_()), style.buttons, style.icon);
}

}  // namespace mv52
