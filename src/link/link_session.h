#pragma once
// The read and write sessions with the radio: one event-driven state machine, fed by the
// serial port's receive event, its error event and the reply timer. One frame goes out,
// one reply is awaited; each step arms the timer immediately before its frame, and the
// receive handler and the time-out handler each stop it first thing, so exactly one of
// them acts on any step.
//
// Read steps:  1 handshake sent, 3 identification sent, 5 read request sent,
//              69 end sent after the last block, 70 end sent after a failed identity check.
// Write steps: 1, 3 as above, 4 data frame sent, 69, 70 as above.
// A write asked to verify goes on, once its end request is answered, with a read of the whole
// memory into a separate image (operation Verify, the read steps) and compares the two.
//
// The caller owns the start of a write: before it calls startWrite() (the desktop program
// does so from its 20 ms start timer) it commits any pending edit of the open editors, so
// that the document encoded is the one on screen.

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "system/prompter.h"
#include "document/workspace.h"
#include "lang/language.h"
#include "lang/messages.h"
#include "link/frames.h"
#include "link/link_trouble.h"

namespace mv52 {

class DailyLog;
class OneShotTimer;
class ProgressView;
class SerialLink;
struct VersionTable;

// What the session asks of the main window.
class LinkSessionHooks {
public:
    virtual ~LinkSessionHooks() = default;
    // A completed read is about to replace the document: close every child window first, so
    // that an editor committing on close writes into the old document, not the new one.
    virtual void beforeReadDecode() {}
    // The read has been decoded and named "new.dat": rebuild the title, re-apply the
    // captions, open the channel editor and cascade the child windows.
    virtual void afterRead() {}
    // The user chose to start the program version that goes with the radio's firmware.
    virtual void handOverToVersion(const std::string& firmwareVersion) { (void)firmwareVersion; }
};

enum class LinkStartResult {
    Started,     // the progress view was opened; the transfer runs (or, under a modal view, ran)
    Busy,        // a session is already running; nothing was done
    PortFailed,  // the port could not be opened; the message has been shown
    Cancelled,   // the user declined the confirmation; the port was closed again
};

enum class WriteVerify { Off, On };

// What the read-back after a write found.
enum class VerifyOutcome {
    NotRun,      // no read-back was asked for, or the write did not complete
    Verified,    // every transferred byte is as written
    Differs,     // some blocks hold other bytes (differingBlocks())
    Unreadable,  // the radio could not be read back
};

// The progress of a transfer at `address` (0 or more): address x 100 / 23744, rounded to
// the nearest integer with halves to even.
int transferPercentage(int address);

class LinkSession {
public:
    static constexpr std::chrono::milliseconds kReplyTimeout{300};

    LinkSession(Workspace& workspace, SerialLink& link, OneShotTimer& waitTimer, Prompter& prompter,
                ProgressView& progress, DailyLog& log, PendingMessages& pending, const VersionTable& versions,
                std::function<LanguageIndex()> language, std::uint16_t comPort, LinkSessionHooks& hooks);
    ~LinkSession();
    LinkSession(const LinkSession&) = delete;
    LinkSession& operator=(const LinkSession&) = delete;

    // Opens the port, asks for confirmation, fills the image (and for a write encodes the
    // document into it), then opens the progress view, whose load starts the handshake.
    LinkStartResult startRead();
    // With WriteVerify::On a completed write is read back and compared before the session ends.
    LinkStartResult startWrite(WriteVerify verify = WriteVerify::Off);

    // Ends a running session as failed, as Cancel at a prompt does. Does nothing when no
    // session runs.
    void cancel();
    // The user stops the transfer (the progress window's Cancel, Ctrl+C on the command line):
    // where the radio has answered the handshake the end request goes out first, so that it
    // leaves its programming mode; then the session ends as cancel() ends it.
    void stop();
    // True when the last session ended through stop().
    bool stoppedByUser() const { return stoppedByUser_; }
    // How many blocks of the last write the radio acknowledged, from address 0 on.
    int blocksWritten() const { return blocksWritten_; }

    // Where the explanation of a failure finds the system's circumstances of a port.
    void setPortInspector(PortInspector* inspector) { inspector_ = inspector; }
    // The cause of the last failure this session explained (a port that did not open, a
    // radio that did not answer), until the next session starts.
    const std::optional<Trouble>& lastTrouble() const { return lastTrouble_; }

    bool running() const { return workspace_.commOperation != CommOperation::None; }
    CommOperation operation() const { return workspace_.commOperation; }
    int step() const { return step_; }
    int readStep() const { return operation() == CommOperation::Read ? step_ : 0; }
    int writeStep() const { return operation() == CommOperation::Write ? step_ : 0; }
    int currentAddress() const { return address_; }
    // True once the last session ended through a completed transfer (and, for a write asked
    // to verify, a read-back equal to what was written).
    bool lastSucceeded() const { return lastSucceeded_; }
    VerifyOutcome verifyOutcome() const { return verifyOutcome_; }
    // The addresses of the blocks the read-back found different, in address order.
    const std::vector<int>& differingBlocks() const { return differingBlocks_; }
    // The model text of the most recent identification reply of this session.
    const std::string& radioModel() const { return radioModel_; }
    // The system's reason when the port last failed to open; the message box shows only the
    // message text, a caller may show this as its detail.
    const std::string& openFailureReason() const { return openFailureReason_; }
    // The reason of the last port error reported during a session.
    const std::string& lastPortError() const { return lastPortError_; }
    const LinkBytes& lastFrameSent() const { return sendBuffer_; }

    std::uint16_t comPort() const { return comPort_; }
    void setComPort(std::uint16_t comPort) { comPort_ = comPort; }

private:
    LinkStartResult start(CommOperation operation, WriteVerify verify);
    bool openLinkPort(CommOperation operation);
    void startHandshake();
    void linkStep();
    void endSession(bool success);
    void sendFrame(const LinkRequest& request);

    void onDataReceived(const LinkBytes& bytes);
    void onPortError(const std::string& reason);
    void onWaitTimeout();

    void sendAwaitingReply(const LinkRequest& request);
    void stopWaiting();
    void nextBlock();
    void transferDone();
    void beginVerify();
    void showVerifyOutcome(bool readBackComplete);
    bool identityCheck();
    void retryPrompt();
    void blockPrompt();
    void applyProgress(int address);
    PromptAnswer ask(MessageKey key, ConnectionPrompt prompt = ConnectionPrompt::RetryCancel);
    // The message with the explanation of `trouble` below it.
    PromptAnswer askExplained(const std::string& text, MessageStyle style, Trouble trouble);
    std::string comPortText() const;
    Trouble troubleOf(TroubleCode code, std::string systemReason);
    // Why the awaited reply did not come: the port, damaged or foreign bytes, or silence.
    Trouble replyTrouble();
    bool stillCurrent(std::uint64_t generation) const { return generation == generation_; }
    // Every box goes through here: the log lines held for the reply being handled reach the
    // file before the program waits for the user.
    Prompter& prompter();

    Workspace& workspace_;
    SerialLink& link_;
    OneShotTimer& waitTimer_;
    Prompter& prompter_;
    ProgressView& progress_;
    DailyLog& log_;
    PendingMessages& pending_;
    const VersionTable& versions_;
    std::function<LanguageIndex()> language_;
    std::uint16_t comPort_;
    LinkSessionHooks& hooks_;

    int step_ = 0;
    int address_ = -static_cast<int>(kLinkBlockLength);
    int handshakeTimeouts_ = 0;
    int identificationTimeouts_ = 0;
    int lastShownPercent_ = 0;
    bool awaitingReply_ = false;
    bool ending_ = false;
    // Changes whenever a session starts or ends: code resuming after a prompt (which runs a
    // nested event loop in the desktop program) checks it and stops if the session it
    // belonged to is gone.
    std::uint64_t generation_ = 0;
    // Identifies the armed wait, so that a time-out of an earlier wait is ignored.
    std::uint64_t waitToken_ = 0;
    bool lastSucceeded_ = false;
    bool verifyAfterWrite_ = false;
    VerifyOutcome verifyOutcome_ = VerifyOutcome::NotRun;
    std::vector<int> differingBlocks_;
    std::unique_ptr<RadioImage> readBack_;  // what the verify pass reads
    std::string radioModel_;
    std::string openFailureReason_;
    std::string lastPortError_;
    LinkBytes sendBuffer_;
    PortInspector* inspector_ = nullptr;
    std::optional<Trouble> lastTrouble_;
    // Since the last accepted reply: the last reply refused, and whether the port failed.
    std::optional<LinkBytes> refusedReply_;
    bool portFailedSinceReply_ = false;
    bool stoppedByUser_ = false;
    int blocksWritten_ = 0;
};

}  // namespace mv52
