#pragma once
// The radio's side of the serial protocol: request bytes in, reply bytes out, the memory in
// between. No I/O and no clock of its own, so every reply and fault can be checked in a test.

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace mv52::sim {

inline constexpr std::size_t kMemorySize = 23744;
inline constexpr std::uint8_t kBlockLength = 16;
inline constexpr std::uint16_t kLastBlockAddress = kMemorySize - kBlockLength;  // 23728
inline constexpr std::size_t kDataFrameLength = kBlockLength + 6;                // 22
inline constexpr std::size_t kIdentReplyLength = 16;
inline constexpr std::uint8_t kAck = 0x06;
inline constexpr std::uint8_t kIdentRequest = 0x02;
inline constexpr std::string_view kHandshakeText = "PROGRAM";
inline constexpr std::string_view kEndText = "END";
inline constexpr std::size_t kModelLength = 7;
inline constexpr std::size_t kFirmwareLength = 4;

// A partial frame older than this is a leftover from an aborted exchange, not a slow sender.
inline constexpr std::chrono::milliseconds kStaleGap{100};

struct Identity {
    std::string model = "LB2424P";  // at most kModelLength characters
    std::string firmware = "V200";  // at most kFirmwareLength characters
};

// Misbehaviour on purpose. Counts run down as the faults fire, so a run is reproducible.
struct Faults {
    unsigned ignoreHandshakes = 0;
    unsigned ignoreIdents = 0;
    std::map<std::uint16_t, unsigned> badChecksum{};  // address -> data replies still to corrupt
    std::map<std::uint16_t, unsigned> silentAt{};     // address -> requests still to ignore
    std::set<std::uint16_t> dropWrites{};             // blocks that acknowledge data frames but keep their bytes
    bool noEndAck = false;

    bool operator==(const Faults&) const = default;
};

enum class FrameKind {
    Handshake,
    Identification,
    Read,
    Write,
    End,
    Garbage,  // bytes that cannot begin a frame, or a data frame whose checksum fails
    Stale,    // a partial frame dropped after the quiet gap
};

const char* frameKindName(FrameKind kind);

// One recognised request (or one run of dropped bytes) and what the radio answers.
struct Exchange {
    FrameKind kind = FrameKind::Garbage;
    std::vector<std::uint8_t> bytes;  // the request, or the dropped bytes
    std::vector<std::uint8_t> reply;  // empty: the radio stays silent
    std::uint16_t address = 0;        // read requests and data frames
    bool faulted = false;             // a fault option withheld or altered the reply
    bool committed = false;           // an end request closing a write: the memory is final
    std::uint64_t endIndex = 0;       // input bytes received up to and including the last one
};

// The checksum of a data frame or data reply: bytes 1 to 19, modulo 256.
std::uint8_t blockChecksum(std::span<const std::uint8_t> frame);

// Upper-case hexadecimal without leading zeros, one space apart: "50 52 4F".
std::string hexText(std::span<const std::uint8_t> bytes);

class RadioProtocol {
public:
    using Clock = std::chrono::steady_clock;

    // `memory` must hold kMemorySize bytes; throws std::invalid_argument otherwise.
    RadioProtocol(Identity identity, Faults faults, std::vector<std::uint8_t> memory);

    // Appends `bytes` to the receive buffer and answers every whole request at its start.
    // A partial frame left over from before the quiet gap is dropped first.
    std::vector<Exchange> receive(std::span<const std::uint8_t> bytes, Clock::time_point now);

    // Drops a partial frame that has waited the quiet gap; nothing when the buffer is fresh.
    std::optional<Exchange> dropStale(Clock::time_point now);

    std::span<const std::uint8_t> memory() const { return memory_; }
    const Faults& faults() const { return faults_; }
    std::size_t pending() const { return buffer_.size(); }
    std::uint64_t received() const { return received_; }

    // The replies themselves, without faults.
    std::vector<std::uint8_t> handshakeReply() const;
    std::vector<std::uint8_t> identReply() const;
    std::vector<std::uint8_t> dataReply(std::uint16_t address) const;

private:
    enum class Scan { Frame, Prefix, Invalid, Corrupt };
    struct ScanResult {
        Scan scan;
        FrameKind kind = FrameKind::Garbage;
        std::size_t length = 0;
    };

    static ScanResult scan(std::span<const std::uint8_t> buffer);
    Exchange answer(FrameKind kind, std::vector<std::uint8_t> frame);
    static bool takeOne(std::map<std::uint16_t, unsigned>& counts, std::uint16_t address);

    Identity identity_;
    Faults faults_;
    std::vector<std::uint8_t> memory_;
    std::vector<std::uint8_t> buffer_;
    std::uint64_t received_ = 0;
    Clock::time_point lastInput_{};
    bool written_ = false;  // a data frame was stored since the last end request
};

}  // namespace mv52::sim
