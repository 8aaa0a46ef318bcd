#include "link/radio_probe.h"

#include <memory>
#include <utility>

#include "lang/bilingual.h"
#include "lang/link_texts.h"
#include "link/link_session.h"
#include "link/link_trouble.h"
#include "system/daily_log.h"
#include "system/timer.h"

namespace mv52 {
namespace {

// A reply is never awaited at an address: any data block is foreign here.
constexpr int kNoAddress = -static_cast<int>(kLinkBlockLength);

}  // namespace

RadioProbe::RadioProbe(SerialLink& link, OneShotTimer& timer, DailyLog& log, std::string model)
    : link_(link), timer_(timer), log_(log), model_(normalizeModelText(model)) {
    link_.setHandlers([this](const LinkBytes& bytes) { onData(bytes); },
                      [this](const std::string&) {
                          if (running()) onTimeout();
                      });
}

RadioProbe::~RadioProbe() {
    link_.setHandlers({}, {});
    abandon();
}

void RadioProbe::start(std::uint16_t comPort, Done done) {
    if (running()) abandon();
    result_ = ProbeResult{};
    result_.comPort = comPort;
    done_ = std::move(done);
    timeouts_ = 0;
    if (link_.isOpen()) link_.close();
    const LinkOpenResult opened = link_.open(comPort);
    result_.device = link_.device();
    if (!opened.ok) {
        result_.outcome = ProbeOutcome::Refused;
        result_.reason = opened.reason;
        result_.failure = opened.failure;
        finish();
        return;
    }
    link_.setReceiveThreshold(1);
    step_ = Step::Handshake;
    send(handshakeRequest());
}

void RadioProbe::abandon() {
    if (!running()) return;
    if (step_ == Step::Identification) {
        // The radio answered the handshake: it leaves its programming mode only on the end
        // request.
        send(endRequest());
    }
    done_ = nullptr;
    finish();
}

void RadioProbe::send(const LinkRequest& request) {
    const std::uint64_t token = ++token_;
    timer_.start(LinkSession::kReplyTimeout, [this, token] {
        if (token == token_) onTimeout();
    });
    log_.writeLogLine(kLogTitleSent, hexText(request.bytes));
    link_.setReceiveThreshold(request.replyLength);
    link_.clearBuffers();
    link_.write(request.bytes);
}

void RadioProbe::onData(const LinkBytes& bytes) {
    log_.writeLogLine(kLogTitleReceived, hexText(bytes));
    if (!running()) return;
    LinkReply reply = classifyReply(bytes, kNoAddress);
    const bool fits = (step_ == Step::Handshake && (reply.kind == ReplyKind::HandshakeReply ||
                                                    reply.kind == ReplyKind::Acknowledgement)) ||
                      (step_ == Step::Identification && reply.kind == ReplyKind::Identification) ||
                      (step_ == Step::End && reply.kind == ReplyKind::Acknowledgement);
    if (!fits) {
        result_.refused = bytes;  // the time-out decides what follows
        return;
    }
    timer_.stop();
    ++token_;
    switch (step_) {
        case Step::Handshake:
            result_.answeredHandshake = true;
            step_ = Step::Identification;
            timeouts_ = 0;
            send(identificationRequest());
            return;
        case Step::Identification:
            result_.model = normalizeModelText(reply.model);
            result_.firmware = reply.firmware;
            result_.outcome = result_.model == model_ ? ProbeOutcome::Radio : ProbeOutcome::OtherModel;
            result_.refused.clear();
            sendEnd();
            return;
        case Step::End:
        case Step::Idle: finish(); return;
    }
}

void RadioProbe::onTimeout() {
    timer_.stop();
    ++token_;
    switch (step_) {
        case Step::Handshake:
        case Step::Identification:
            // One silent resend, as a read session does.
            if (++timeouts_ < 2) {
                send(step_ == Step::Handshake ? handshakeRequest() : identificationRequest());
                return;
            }
            result_.outcome = result_.refused.empty() ? ProbeOutcome::NoReply : ProbeOutcome::Garbage;
            if (step_ == Step::Identification)
                sendEnd();
            else
                finish();
            return;
        case Step::End:
        case Step::Idle: finish(); return;
    }
}

void RadioProbe::sendEnd() {
    step_ = Step::End;
    send(endRequest());
}

void RadioProbe::finish() {
    timer_.stop();
    ++token_;
    step_ = Step::Idle;
    if (link_.isOpen()) link_.close();
    if (const Done done = std::exchange(done_, nullptr)) done(result_);
}

namespace {

struct ProbeRun {
    RadioProbe& probe;
    std::vector<std::uint16_t> ports;
    std::function<void(const ProbeResult&)> each;
    std::function<void(const std::vector<ProbeResult>&)> done;
    std::vector<ProbeResult> results;
};

void probeNext(const std::shared_ptr<ProbeRun>& run) {
    const bool found = !run->results.empty() && run->results.back().outcome == ProbeOutcome::Radio;
    if (found || run->results.size() == run->ports.size()) {
        if (run->done) run->done(run->results);
        return;
    }
    run->probe.start(run->ports[run->results.size()], [run](const ProbeResult& result) {
        run->results.push_back(result);
        if (run->each) run->each(result);
        probeNext(run);
    });
}

}  // namespace

void probePorts(RadioProbe& probe, std::vector<std::uint16_t> ports, std::function<void(const ProbeResult&)> each,
                std::function<void(const std::vector<ProbeResult>&)> done) {
    probeNext(std::make_shared<ProbeRun>(ProbeRun{probe, std::move(ports), std::move(each), std::move(done), {}}));
}

std::string probeLine(const ProbeResult& r, LanguageIndex language) {
    std::string line = portWithDevice("COM" + std::to_string(r.comPort), r.device) + ": ";
    switch (r.outcome) {
        case ProbeOutcome::Radio:
            return line + substitute(text(LinkText::ProbeRadio, language), {r.model, r.firmware});
        case ProbeOutcome::OtherModel:
            return line + substitute(text(LinkText::ProbeOtherModel, language), {r.model, r.firmware});
        case ProbeOutcome::NoReply:
            return line + text(r.answeredHandshake ? LinkText::ProbeNoIdentification : LinkText::ProbeNoReply,
                               language);
        case ProbeOutcome::Garbage:
            return line + substitute(text(LinkText::ProbeGarbage, language), {hexText(r.refused)});
        case ProbeOutcome::Refused:
            return line + substitute(text(LinkText::ProbeRefused, language), {r.reason}) + " [" +
                   std::string(troubleCodeName(troubleForOpenFailure(r.failure))) + "]";
    }
    return line;
}

}  // namespace mv52
