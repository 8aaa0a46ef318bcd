// Drives a read, a write or a write with read-back through a fake serial port with the
// simulated radio on the line, while the fuzzer chooses what happens next: the radio's reply,
// a reply cut short or altered, bytes of its own, a time-out, a port error, the user closing
// the progress window, the answers to the message boxes and events that arrive while a box is
// open.
//
// After every event: a running session waits with its reply timer armed; an ended one has
// closed the port and stopped the timer; the step is one the operation has; a reply the frame
// checks reject changes nothing; a time-out during a block asks the block question; a valid
// reply to a block request moves on to the next block. A read that succeeds holds the radio's
// memory, a write that succeeds has put the image into the radio.

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <memory>
#include <set>
#include <span>
#include <vector>

#include "document/workspace.h"
#include "lang/messages.h"
#include "link/frames.h"
#include "link/link_session.h"
#include "link/progress_view.h"
#include "link/serial_link.h"
#include "radio_protocol.h"
#include "storage/default_document.h"
#include "system/clock.h"
#include "system/daily_log.h"
#include "system/prompter.h"
#include "system/timer.h"
#include "version/version_table.h"

namespace {

using namespace mv52;

[[noreturn]] void fail() { std::abort(); }
void require(bool condition) {
    if (!condition) fail();
}

// The fuzzer's choices, one byte at a time; zeros once they run out.
class Choices {
public:
    explicit Choices(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
    bool empty() const { return at_ >= bytes_.size(); }
    std::uint8_t next() { return empty() ? 0 : bytes_[at_++]; }
    std::span<const std::uint8_t> take(std::size_t n) {
        n = std::min(n, bytes_.size() - at_);
        const auto taken = bytes_.subspan(at_, n);
        at_ += n;
        return taken;
    }

private:
    std::span<const std::uint8_t> bytes_;
    std::size_t at_ = 0;
};

// The port: frames written go to the radio; its replies wait in the input buffer until the
// event loop delivers them.
class FuzzLink final : public SerialLink {
public:
    explicit FuzzLink(sim::RadioProtocol& radio) : radio_(radio) {}

    LinkOpenResult open(std::uint16_t) override {
        open_ = true;
        return {true, {}};
    }
    void close() override { open_ = false; }
    bool isOpen() const override { return open_; }
    void setReceiveThreshold(std::size_t count) override { threshold = count; }
    void clearBuffers() override {
        ++clears;
        input.clear();
    }
    void write(std::span<const std::uint8_t> bytes) override {
        require(open_);
        frames.push_back({LinkBytes(bytes.begin(), bytes.end()), threshold, clears, timerArmed()});
        for (const sim::Exchange& ex : radio_.receive(bytes, now))
            input.insert(input.end(), ex.reply.begin(), ex.reply.end());
    }

    void deliver(const LinkBytes& bytes) { notifyDataReceived(bytes); }
    void fail(const std::string& reason) { notifyPortError(reason); }

    struct Frame {
        LinkBytes bytes;
        std::size_t threshold;
        int clearsBefore;
        bool armed;
    };
    std::function<bool()> timerArmed;
    std::vector<Frame> frames;
    LinkBytes input;
    std::size_t threshold = 1;
    int clears = 0;
    std::chrono::steady_clock::time_point now{};

private:
    sim::RadioProtocol& radio_;
    bool open_ = false;
};

class FuzzTimer final : public OneShotTimer {
public:
    void start(std::chrono::milliseconds, std::function<void()> onTimeout) override {
        callback_ = std::move(onTimeout);
        active_ = true;
    }
    void stop() override { active_ = false; }
    bool active() const override { return active_; }
    void fire() {
        active_ = false;
        const std::function<void()> callback = callback_;
        callback();
    }

private:
    std::function<void()> callback_;
    bool active_ = false;
};

class FuzzPrompter final : public Prompter {
public:
    PromptAnswer ask(const std::string&, MessageButtons buttons, MessageIcon) override {
        ++asked;
        lastButtons = buttons;
        const std::uint8_t choice = choices ? choices->next() : 0;
        // Now and then an event of the nested event loop arrives while the box is open.
        if ((choice & 0x80) != 0 && whileOpen && depth_ == 0) {
            ++depth_;
            whileOpen();
            --depth_;
        }
        static constexpr PromptAnswer kAnswers[] = {PromptAnswer::Cancel, PromptAnswer::Ok, PromptAnswer::Retry,
                                                    PromptAnswer::Yes, PromptAnswer::No};
        return kAnswers[(choice & 0x7F) % 5];
    }
    Choices* choices = nullptr;
    std::function<void()> whileOpen;
    int asked = 0;
    MessageButtons lastButtons = MessageButtons::Ok;

private:
    int depth_ = 0;
};

class FuzzProgress final : public ProgressView {
public:
    void open(CommOperation, std::function<void()> onLoaded) override {
        visible_ = true;
        onLoaded();
    }
    void beginPass(CommOperation) override {}
    void setProgress(int percent) override { require(percent >= 0 && percent <= 100); }
    bool visible() const override { return visible_; }
    void close() override { visible_ = false; }

private:
    bool visible_ = false;
};

class NoClock final : public Clock {
public:
    std::chrono::system_clock::time_point now() const override { return {}; }
};

// Lines are made (hexText) but not written anywhere.
class NullLog final : public DailyLog {
public:
    NullLog() : DailyLog("", clock_) {}
    void writeLogLine(std::string_view, std::string_view text) override { bytes += text.size(); }
    std::size_t bytes = 0;

private:
    static inline NoClock clock_;
};

bool stepOf(CommOperation operation, int step) {
    static const std::set<int> kRead{0, 1, 3, 5, 69, 70};
    static const std::set<int> kWrite{0, 1, 3, 4, 69, 70};
    return operation == CommOperation::Write ? kWrite.contains(step) : kRead.contains(step);
}

// The reply each frame the session sends waits for.
std::size_t replyLengthOf(const LinkBytes& frame) {
    if (frame == handshakeRequest().bytes) return 3;
    if (frame == identificationRequest().bytes) return kIdentificationLength;
    if (frame == endRequest().bytes) return 1;
    if (frame.size() == 4 && frame[0] == kReadCommand) return blockFrameLength(frame[3]);
    if (frame.size() == blockFrameLength(kLinkBlockLength) && frame[0] == kBlockCommand) return 1;
    fail();
}

struct Run {
    explicit Run(std::span<const std::uint8_t> data) : choices(data), radio(identity(choices.next()), {}, memory()) {
        static const auto pristine = [] {
            auto startup = Workspace::create();
            buildStartupDocument(*startup, "20261210", "/nonexistent");
            return startup;
        }();
        // One workspace for the whole run, set back for each input: a fresh one per input
        // cost more than most sessions (the sanitizer maps and unmaps large blocks).
        static Workspace* const shared = new Workspace(*pristine);
        *shared = *pristine;
        ws = shared;
        versions.pairs = {{"V200", "V200"}};
        link.timerArmed = [this] { return timer.active(); };
        prompter.choices = &choices;
        prompter.whileOpen = [this] { event(); };
        session = std::make_unique<LinkSession>(*ws, link, timer, prompter, progress, log, pending, versions,
                                                [] { return LanguageIndex::English; }, std::uint16_t{1}, hooks);
    }

    static sim::Identity identity(std::uint8_t choice) {
        sim::Identity id;
        if ((choice & 0x10) != 0) id.model = "LB2424Q";
        if ((choice & 0x20) != 0) id.firmware = "V300";
        return id;
    }
    static std::vector<std::uint8_t> memory() {
        static const std::vector<std::uint8_t> pattern = [] {
            std::vector<std::uint8_t> bytes(sim::kMemorySize);
            for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<std::uint8_t>(i * 7 + i / 256);
            return bytes;
        }();
        return pattern;
    }

    void start(std::uint8_t choice) {
        switch (choice % 3) {
            case 0: operation = CommOperation::Read; session->startRead(); break;
            case 1: operation = CommOperation::Write; session->startWrite(WriteVerify::Off); break;
            default: operation = CommOperation::Write; session->startWrite(WriteVerify::On); break;
        }
        verify = choice % 3 == 2;
    }

    // What the event loop delivers: everything buffered, once the threshold is reached.
    bool deliverBuffered() {
        if (link.input.empty() || link.input.size() < link.threshold) return false;
        const LinkBytes bytes = std::move(link.input);
        link.input.clear();
        link.deliver(bytes);
        return true;
    }

    void fireTimer() {
        link.now += LinkSession::kReplyTimeout;
        if (!timer.active()) return;
        const int step = session->step();
        const CommOperation before = session->operation();
        const int asked = prompter.asked;
        timer.fire();
        // A block that timed out always asks whether to start again.
        if (step == 4 || step == 5) require(prompter.asked > asked);
        if (step == 70) require(!session->running() || session->operation() != before);
        if (step == 69) require(!session->running() || session->operation() == CommOperation::Verify);
    }

    // Bytes of the fuzzer's own, delivered as one event whatever the threshold.
    void deliverForeign(LinkBytes bytes) {
        const LinkReply reply = classifyReply(bytes, session->currentAddress());
        const int step = session->step();
        const int address = session->currentAddress();
        const std::size_t sent = link.frames.size();
        const int asked = prompter.asked;
        if (reply.kind != ReplyKind::Rejected) foreignAccepted = true;
        link.deliver(bytes);
        if (reply.kind == ReplyKind::Rejected)
            require(session->step() == step && session->currentAddress() == address && link.frames.size() == sent &&
                    prompter.asked == asked);
    }

    void event() {
        const std::uint8_t op = choices.next();
        switch (op % 8) {
            case 0: {
                const int step = session->step();
                const int address = session->currentAddress();
                const bool awaitingBlock = (step == 4 || step == 5) && timer.active() &&
                                           link.input.size() == link.threshold;
                if (deliverBuffered() && awaitingBlock && session->running() && session->step() == step)
                    require(session->currentAddress() == address + kLinkBlockLength);
                break;
            }
            case 1:
                for (int n = 0; n < (choices.next() + 1) * 8 && deliverBuffered(); ++n) {}
                break;
            case 2: fireTimer(); break;
            case 3: link.fail("device vanished"); break;
            case 4: {
                const auto bytes = choices.take(choices.next() % 40);
                deliverForeign(LinkBytes(bytes.begin(), bytes.end()));
                break;
            }
            case 5: {  // part of what is buffered
                const std::size_t keep = std::min<std::size_t>(choices.next(), link.input.size());
                deliverForeign(LinkBytes(link.input.begin(), link.input.begin() + static_cast<std::ptrdiff_t>(keep)));
                link.input.clear();
                break;
            }
            case 6: {  // one byte altered on the line
                if (link.input.empty()) break;
                LinkBytes bytes = std::move(link.input);
                link.input.clear();
                bytes[choices.next() % bytes.size()] ^= static_cast<std::uint8_t>(choices.next() | 1);
                deliverForeign(std::move(bytes));
                break;
            }
            default: session->cancel(); break;
        }
    }

    void checkState() {
        if (session->running()) {
            require(timer.active());  // never waits without an armed timer
            require(link.isOpen());
            require(stepOf(session->operation() == CommOperation::Verify ? CommOperation::Read : operation,
                           session->step()));
        } else {
            require(!timer.active());
            require(!link.isOpen());
            require(session->step() == 0);
        }
    }

    void checkFrames() const {
        for (const FuzzLink::Frame& f : link.frames) {
            require(f.armed);
            require(f.threshold == replyLengthOf(f.bytes));
        }
        for (std::size_t i = 1; i < link.frames.size(); ++i)
            require(link.frames[i].clearsBefore > link.frames[i - 1].clearsBefore);
    }

    void checkOutcome() {
        if (!session->lastSucceeded()) return;
        const auto image = ws->image.bytes().first(sim::kMemorySize);
        const auto radioMemory = radio.memory();
        if (operation == CommOperation::Read && !foreignAccepted)
            require(std::equal(image.begin(), image.end(), radioMemory.begin()));
        if (operation == CommOperation::Write) {
            require(std::equal(image.begin(), image.end(), radioMemory.begin()));
            if (verify) require(session->verifyOutcome() == VerifyOutcome::Verified);
        }
    }

    Choices choices;
    sim::RadioProtocol radio;
    Workspace* ws = nullptr;
    FuzzLink link{radio};
    FuzzTimer timer;
    FuzzPrompter prompter;
    FuzzProgress progress;
    NullLog log;
    PendingMessages pending;
    VersionTable versions;
    LinkSessionHooks hooks;
    std::unique_ptr<LinkSession> session;
    CommOperation operation = CommOperation::None;
    bool verify = false;
    // A reply of the fuzzer's own passed the checks: an acknowledgement moves a read on without
    // storing a block, a valid data reply stores its own bytes.
    bool foreignAccepted = false;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    Run run({data, size});
    run.start(data[0]);
    run.checkState();
    for (int events = 0; !run.choices.empty() && run.session->running() && events < 4096; ++events) {
        run.event();
        run.checkState();
    }
    // Left alone, a session ends by itself through its time-outs and the questions they ask
    // (answered Cancel from here on).
    for (int timeouts = 0; run.session->running(); ++timeouts) {
        require(timeouts < 16);
        run.fireTimer();
        run.checkState();
    }
    run.checkFrames();
    run.checkOutcome();
    return 0;
}
