#pragma once
// Stand-ins for the collaborators of the link session, and a scripted radio that answers
// the protocol the way the real one does, with hooks to inject faults.

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "system/clock.h"
#include "system/daily_log.h"
#include "system/prompter.h"
#include "system/timer.h"
#include "storage/default_document.h"
#include "document/workspace.h"
#include "lang/messages.h"
#include "link/frames.h"
#include "link/link_session.h"
#include "link/progress_view.h"
#include "link/serial_link.h"
#include "version/version_table.h"

namespace mv52::linktest {

inline LinkBytes bytesOf(std::string_view text) { return LinkBytes(text.begin(), text.end()); }

// A serial port that records what the session does and lets the test deliver replies.
class FakeSerialLink final : public SerialLink {
public:
    struct Written {
        LinkBytes bytes;
        std::size_t threshold;  // the receive threshold when the frame went out
        int clearsBefore;       // how many times the buffers had been cleared by then
        bool armed;             // whether the reply timer was running when it went out
    };

    LinkOpenResult open(std::uint16_t comPort) override {
        openedPorts.push_back(comPort);
        if (failOpenWith) return {false, *failOpenWith, failOpenAs};
        open_ = true;
        threshold = 1000;  // an adapter's own default; the session must set its own
        return {true, {}};
    }
    void close() override {
        ++closes;
        open_ = false;
    }
    bool isOpen() const override { return open_; }
    std::string device() const override { return deviceName; }
    void setReceiveThreshold(std::size_t count) override { threshold = count; }
    void clearBuffers() override {
        ++clears;
        inbox.clear();
    }
    void write(std::span<const std::uint8_t> bytes) override {
        written.push_back({LinkBytes(bytes.begin(), bytes.end()), threshold, clears, timerArmed && timerArmed()});
        if (onWrite) onWrite(written.back().bytes);
    }

    // Queues a reply; deliverNext() hands it to the session as one receive event.
    void queueReply(LinkBytes bytes) { inbox.push_back(std::move(bytes)); }
    bool hasReply() const { return !inbox.empty(); }
    void deliverNext() {
        LinkBytes bytes = std::move(inbox.front());
        inbox.pop_front();
        notifyDataReceived(bytes);
    }
    void deliver(const LinkBytes& bytes) { notifyDataReceived(bytes); }
    void failPort(const std::string& reason) { notifyPortError(reason); }

    std::vector<LinkBytes> framesWritten() const {
        std::vector<LinkBytes> frames;
        for (const Written& w : written) frames.push_back(w.bytes);
        return frames;
    }

    std::optional<std::string> failOpenWith;
    PortFailure failOpenAs = PortFailure::Other;
    std::string deviceName;
    std::function<void(const LinkBytes&)> onWrite;
    std::function<bool()> timerArmed;
    std::vector<std::uint16_t> openedPorts;
    std::vector<Written> written;
    std::deque<LinkBytes> inbox;
    std::size_t threshold = 0;
    int clears = 0;
    int closes = 0;

private:
    bool open_ = false;
};

// A one-shot timer that fires only when the test says so.
class ManualTimer final : public OneShotTimer {
public:
    void start(std::chrono::milliseconds interval, std::function<void()> onTimeout) override {
        intervals.push_back(interval);
        callback_ = std::move(onTimeout);
        active_ = true;
    }
    void stop() override { active_ = false; }
    bool active() const override { return active_; }

    void fire() {
        ASSERT_TRUE(active_) << "the timer is not armed";
        active_ = false;
        const std::function<void()> callback = callback_;
        callback();
    }

    std::vector<std::chrono::milliseconds> intervals;

private:
    std::function<void()> callback_;
    bool active_ = false;
};

// Answers message boxes from a script and records every one shown, with its detail.
class ScriptedPrompter final : public DetailPrompter {
public:
    struct Asked {
        std::string text;
        MessageButtons buttons;
        MessageIcon icon;
        std::string detail;
    };

    PromptAnswer ask(const std::string& text, MessageButtons buttons, MessageIcon icon) override {
        return askWithDetail(text, {}, buttons, icon);
    }
    PromptAnswer askWithDetail(const std::string& text, const std::string& detail, MessageButtons buttons,
                               MessageIcon icon) override {
        asked.push_back({text, buttons, icon, detail});
        if (whileOpen) whileOpen(asked.back());
        if (answers.empty()) {
            ADD_FAILURE() << "unscripted message box: " << text;
            return PromptAnswer::Cancel;
        }
        const PromptAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::vector<std::string> texts() const {
        std::vector<std::string> all;
        for (const Asked& a : asked) all.push_back(a.text);
        return all;
    }
    int count(const std::string& text) const {
        int n = 0;
        for (const Asked& a : asked) n += a.text == text ? 1 : 0;
        return n;
    }

    std::deque<PromptAnswer> answers;
    // Runs while a box is open, as events of a nested event loop would.
    std::function<void(const Asked&)> whileOpen;
    std::vector<Asked> asked;
};

// Records the progress the session shows; loads at once unless told to wait.
class RecordingProgressView final : public ProgressView {
public:
    void open(CommOperation operation, std::function<void()> onLoaded) override {
        opened.push_back(operation);
        visible_ = true;
        label = "0%";
        if (loadAtOnce)
            onLoaded();
        else
            pendingLoad = std::move(onLoaded);
    }
    void showPort(const std::string& shown) override { port = shown; }
    void beginPass(CommOperation operation) override {
        passes.push_back(operation);
        values.push_back(0);
        label = "0%";
    }
    void setProgress(int percent) override {
        values.push_back(percent);
        label = std::to_string(percent) + "%";
    }
    bool visible() const override { return visible_; }
    void close() override {
        ++closes;
        visible_ = false;
    }
    void hide() { visible_ = false; }

    bool loadAtOnce = true;
    std::function<void()> pendingLoad;
    std::vector<CommOperation> opened;
    std::vector<CommOperation> passes;  // second passes in the same view
    std::vector<int> values;
    std::string label;
    std::string port;
    int closes = 0;

private:
    bool visible_ = false;
};

class FixedClock final : public Clock {
public:
    std::chrono::system_clock::time_point now() const override { return {}; }
};

// The daily log, keeping its lines in memory.
class RecordingLog final : public DailyLog {
public:
    struct Line {
        std::string title;
        std::string text;
        bool operator==(const Line&) const = default;
    };
    RecordingLog() : DailyLog("/nonexistent", clock_) {}
    void writeLogLine(std::string_view title, std::string_view text) override {
        lines.push_back({std::string(title), std::string(text)});
    }
    std::vector<Line> lines;

private:
    static inline FixedClock clock_;
};

class RecordingHooks final : public LinkSessionHooks {
public:
    void beforeReadDecode() override { events.push_back("beforeReadDecode"); }
    void afterRead() override { events.push_back("afterRead"); }
    void handOverToVersion(const std::string& firmwareVersion) override {
        events.push_back("handOver " + firmwareVersion);
    }
    std::vector<std::string> events;
};

// The radio's side of the protocol: answers the handshake, the identification request,
// read requests from its memory, data frames (stored into its memory) and the end request.
class ScriptedRadio {
public:
    ScriptedRadio() : memory(RadioImage::kTransferSize, 0x5A) {}

    // What the radio would answer `frame`; nothing for a frame it does not know.
    std::optional<LinkBytes> answer(const LinkBytes& frame) {
        if (frame == handshakeRequest().bytes) return LinkBytes{'L', 'B', kAck};
        if (frame == identificationRequest().bytes) {
            LinkBytes reply(kIdentificationLength, 0);
            reply[0] = kIdentificationMark;
            for (std::size_t i = 0; i < kModelLength && i < model.size(); ++i)
                reply[kModelAt + i] = static_cast<std::uint8_t>(model[i]);
            for (std::size_t i = 0; i < kFirmwareLength && i < firmware.size(); ++i)
                reply[kFirmwareAt + i] = static_cast<std::uint8_t>(firmware[i]);
            return reply;
        }
        if (frame == endRequest().bytes) return LinkBytes{kAck};
        if (frame.size() == 4 && frame[0] == kReadCommand) {
            const std::size_t address = std::size_t{frame[1]} * 256 + frame[2];
            LinkBytes reply{kBlockCommand, frame[1], frame[2], frame[3]};
            for (std::size_t i = 0; i < frame[3]; ++i) reply.push_back(memory.at(address + i));
            reply.push_back(blockChecksum(reply));
            reply.push_back(kAck);
            return reply;
        }
        if (frame.size() == blockFrameLength(kLinkBlockLength) && frame[0] == kBlockCommand) {
            const std::size_t address = std::size_t{frame[1]} * 256 + frame[2];
            for (std::size_t i = 0; i < frame[3]; ++i) memory.at(address + i) = frame[kBlockDataAt + i];
            return LinkBytes{kAck};
        }
        return std::nullopt;
    }

    // Connects the radio to `link`: every frame written is answered through the inbox,
    // after `fault` (when set) has had the chance to change or swallow the reply.
    void attach(FakeSerialLink& link) {
        link.onWrite = [this, &link](const LinkBytes& frame) {
            std::optional<LinkBytes> reply = answer(frame);
            if (fault) reply = fault(frame, std::move(reply));
            if (reply) link.queueReply(std::move(*reply));
        };
    }

    std::string model = kModelType;
    std::string firmware = "V200";
    std::vector<std::uint8_t> memory;
    std::function<std::optional<LinkBytes>(const LinkBytes& frame, std::optional<LinkBytes> reply)> fault;
};

// Everything a session needs, wired together, with a radio on the line.
struct LinkBench {
    // `fileLog`: a real daily log in place of the recording one.
    explicit LinkBench(DailyLog* fileLog = nullptr) : ws(Workspace::create()) {
        buildStartupDocument(*ws, "20261210", "/nonexistent");
        versions.pairs = {{"V200", "V200"}};
        radio.attach(link);
        link.timerArmed = [this] { return timer.active(); };
        session = std::make_unique<LinkSession>(*ws, link, timer, prompter, view, fileLog ? *fileLog : log, pending, versions,
                                                [this] { return language; }, std::uint16_t{3}, hooks);
    }

    // Runs the event loop: delivers queued replies, otherwise lets the reply timer expire,
    // until the session ends or nothing is left to happen.
    void run(int maxEvents = 20000) {
        for (int i = 0; i < maxEvents && session->running(); ++i) {
            if (link.hasReply())
                link.deliverNext();
            else if (timer.active())
                timer.fire();
            else
                return;
        }
    }

    // Runs until the session's next frame is `frame` waiting for its reply (not delivered).
    void runUntilSent(const LinkBytes& frame, int maxEvents = 20000) {
        for (int i = 0; i < maxEvents && session->running(); ++i) {
            if (!link.written.empty() && link.written.back().bytes == frame) return;
            if (link.hasReply())
                link.deliverNext();
            else if (timer.active())
                timer.fire();
            else
                return;
        }
    }

    std::unique_ptr<Workspace> ws;
    FakeSerialLink link;
    ManualTimer timer;
    ScriptedPrompter prompter;
    RecordingProgressView view;
    RecordingLog log;
    PendingMessages pending;
    VersionTable versions;
    RecordingHooks hooks;
    LanguageIndex language = LanguageIndex::English;
    ScriptedRadio radio;
    std::unique_ptr<LinkSession> session;
};

}  // namespace mv52::linktest
