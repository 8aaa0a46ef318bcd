#pragma once
// Asking serial ports whether the radio is there: on each port the handshake and the
// identification request go out exactly as a read session starts them, with its time-outs
// and one silent resend each; then the end request, and the port is closed. No read request
// and no data frame is ever sent. Every frame goes to the daily log as in any session.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "lang/language.h"
#include "link/frames.h"
#include "link/serial_link.h"

namespace mv52 {

class DailyLog;
class OneShotTimer;

enum class ProbeOutcome {
    Radio,        // the identification carries our model
    OtherModel,   // an identification of another model
    NoReply,      // silence
    Garbage,      // bytes that are no reply of the radio
    Refused,      // the port did not open
};

struct ProbeResult {
    std::uint16_t comPort = 0;
    std::string device;
    ProbeOutcome outcome = ProbeOutcome::NoReply;
    std::string model;     // Radio, OtherModel
    std::string firmware;  // Radio, OtherModel
    bool answeredHandshake = false;
    LinkBytes refused;      // Garbage: the last bytes that were no reply
    std::string reason;     // Refused: the system's words
    PortFailure failure = PortFailure::None;
};

class RadioProbe {
public:
    using Done = std::function<void(const ProbeResult&)>;

    RadioProbe(SerialLink& link, OneShotTimer& timer, DailyLog& log, std::string model);
    ~RadioProbe();
    RadioProbe(const RadioProbe&) = delete;
    RadioProbe& operator=(const RadioProbe&) = delete;

    // Probes one port; `done` runs once, from an event of the link or the timer, or at once
    // when the port does not open.
    void start(std::uint16_t comPort, Done done);
    // Ends a running probe: the end request goes out where the radio may be listening.
    void abandon();
    bool running() const { return step_ != Step::Idle; }

private:
    enum class Step { Idle, Handshake, Identification, End };

    void send(const LinkRequest& request);
    void onData(const LinkBytes& bytes);
    void onTimeout();
    void sendEnd();
    void finish();

    SerialLink& link_;
    OneShotTimer& timer_;
    DailyLog& log_;
    std::string model_;
    Step step_ = Step::Idle;
    int timeouts_ = 0;
    std::uint64_t token_ = 0;
    ProbeResult result_;
    Done done_;
};

// Probes `ports` one after another and stops at the first that is the radio: `each` runs
// after every port, `done` once at the end with every result in order.
void probePorts(RadioProbe& probe, std::vector<std::uint16_t> ports, std::function<void(const ProbeResult&)> each,
                std::function<void(const std::vector<ProbeResult>&)> done);

// One line per probed port: "COM34 (/dev/ttyUSB1): MV52 LB2424P, firmware V200", "no reply",
// "did not open: <reason> [E-PORT-PERM]", "answered with bytes that are not the radio's: 41 54".
std::string probeLine(const ProbeResult& result, LanguageIndex language);

}  // namespace mv52
