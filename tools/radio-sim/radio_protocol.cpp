#include "radio_protocol.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <stdexcept>
#include <utility>

namespace mv52::sim {
namespace {

std::uint16_t frameAddress(std::span<const std::uint8_t> frame) {
    return static_cast<std::uint16_t>(frame[1] << 8 | frame[2]);
}

// Writes `text` into `out` at `offset`, padded with spaces to `width`.
void putField(std::vector<std::uint8_t>& out, std::size_t offset, std::size_t width, const std::string& text) {
    for (std::size_t i = 0; i < width; ++i)
        out[offset + i] = i < text.size() ? static_cast<std::uint8_t>(text[i]) : static_cast<std::uint8_t>(' ');
}

}  // namespace

const char* frameKindName(FrameKind kind) {
    switch (kind) {
        case FrameKind::Handshake: return "handshake";
        case FrameKind::Identification: return "identification";
        case FrameKind::Read: return "read";
        case FrameKind::Write: return "data";
        case FrameKind::End: return "end";
        case FrameKind::Garbage: return "garbage";
        case FrameKind::Stale: return "stale";
    }
    return "?";
}

std::uint8_t blockChecksum(std::span<const std::uint8_t> frame) {
    unsigned sum = 0;
    for (std::size_t i = 1; i <= std::size_t{kBlockLength} + 3; ++i) sum += frame[i];
    return static_cast<std::uint8_t>(sum & 0xFFu);
}

std::string hexText(std::span<const std::uint8_t> bytes) {
    std::string text;
    for (std::uint8_t b : bytes) {
        std::array<char, 4> buf{};
        std::snprintf(buf.data(), buf.size(), "%X", static_cast<unsigned>(b));
        if (!text.empty()) text += ' ';
        text += buf.data();
    }
    return text;
}

RadioProtocol::RadioProtocol(Identity identity, Faults faults, std::vector<std::uint8_t> memory)
    : identity_(std::move(identity)), faults_(std::move(faults)), memory_(std::move(memory)) {
    if (memory_.size() != kMemorySize) throw std::invalid_argument("radio memory must hold 23744 bytes");
    if (identity_.model.size() > kModelLength) throw std::invalid_argument("model text longer than 7 characters");
    if (identity_.firmware.size() > kFirmwareLength)
        throw std::invalid_argument("firmware text longer than 4 characters");
}

std::vector<std::uint8_t> RadioProtocol::handshakeReply() const { return {'L', 'B', kAck}; }

std::vector<std::uint8_t> RadioProtocol::identReply() const {
    std::vector<std::uint8_t> reply(kIdentReplyLength, 0x00);
    reply[0] = 'I';
    putField(reply, 1, kModelLength, identity_.model);
    putField(reply, 9, kFirmwareLength, identity_.firmware);
    return reply;
}

std::vector<std::uint8_t> RadioProtocol::dataReply(std::uint16_t address) const {
    std::vector<std::uint8_t> reply(kDataFrameLength);
    reply[0] = 'W';
    reply[1] = static_cast<std::uint8_t>(address >> 8);
    reply[2] = static_cast<std::uint8_t>(address & 0xFFu);
    reply[3] = kBlockLength;
    std::copy_n(memory_.begin() + address, kBlockLength, reply.begin() + 4);
    reply[20] = blockChecksum(reply);
    reply[21] = kAck;
    return reply;
}

RadioProtocol::ScanResult RadioProtocol::scan(std::span<const std::uint8_t> b) {
    const auto text = [&](std::string_view expected, FrameKind kind) -> ScanResult {
        const std::size_t n = std::min(b.size(), expected.size());
        for (std::size_t i = 0; i < n; ++i)
            if (b[i] != static_cast<std::uint8_t>(expected[i])) return {Scan::Invalid};
        return n == expected.size() ? ScanResult{Scan::Frame, kind, n} : ScanResult{Scan::Prefix};
    };
    if (b.empty()) return {Scan::Prefix};
    switch (b[0]) {
        case kIdentRequest: return {Scan::Frame, FrameKind::Identification, 1};
        case 'P': return text(kHandshakeText, FrameKind::Handshake);
        case 'E': return text(kEndText, FrameKind::End);
        case 'R':
        case 'W': {
            // Reject as soon as the address or the length byte is out of place, so that
            // garbage starting with 'R' or 'W' does not hold up the frames behind it.
            if (b.size() >= 2 && b[1] > (kLastBlockAddress >> 8)) return {Scan::Invalid};
            if (b.size() >= 3 && frameAddress(b) > kLastBlockAddress) return {Scan::Invalid};
            if (b.size() >= 4 && b[3] != kBlockLength) return {Scan::Invalid};
            if (b[0] == 'R') return b.size() >= 4 ? ScanResult{Scan::Frame, FrameKind::Read, 4} : ScanResult{Scan::Prefix};
            if (b.size() < kDataFrameLength) return {Scan::Prefix};
            if (b[kDataFrameLength - 1] != kAck) return {Scan::Invalid};
            // A frame damaged only in its data or checksum goes whole, so that its data bytes
            // are not taken for requests.
            if (b[kDataFrameLength - 2] != blockChecksum(b)) return {Scan::Corrupt, FrameKind::Garbage, kDataFrameLength};
            return {Scan::Frame, FrameKind::Write, kDataFrameLength};
        }
        default: return {Scan::Invalid};
    }
}

bool RadioProtocol::takeOne(std::map<std::uint16_t, unsigned>& counts, std::uint16_t address) {
    const auto it = counts.find(address);
    if (it == counts.end() || it->second == 0) return false;
    --it->second;
    return true;
}

Exchange RadioProtocol::answer(FrameKind kind, std::vector<std::uint8_t> frame) {
    Exchange ex;
    ex.kind = kind;
    ex.bytes = std::move(frame);
    const auto withhold = [&](unsigned& count) {
        if (count == 0) return false;
        --count;
        ex.faulted = true;
        return true;
    };
    switch (kind) {
        case FrameKind::Handshake:
            if (!withhold(faults_.ignoreHandshakes)) ex.reply = handshakeReply();
            break;
        case FrameKind::Identification:
            if (!withhold(faults_.ignoreIdents)) ex.reply = identReply();
            break;
        case FrameKind::Read:
            ex.address = frameAddress(ex.bytes);
            if (takeOne(faults_.silentAt, ex.address)) {
                ex.faulted = true;
                break;
            }
            ex.reply = dataReply(ex.address);
            if (takeOne(faults_.badChecksum, ex.address)) {
                ex.reply[20] = static_cast<std::uint8_t>(ex.reply[20] + 1);
                ex.faulted = true;
            }
            break;
        case FrameKind::Write:
            ex.address = frameAddress(ex.bytes);
            // A silenced frame counts as lost on the line: not stored either.
            if (takeOne(faults_.silentAt, ex.address)) {
                ex.faulted = true;
                break;
            }
            // A worn-out block: the frame is acknowledged, the memory keeps its old bytes.
            if (faults_.dropWrites.contains(ex.address))
                ex.faulted = true;
            else
                std::copy_n(ex.bytes.begin() + 4, kBlockLength, memory_.begin() + ex.address);
            written_ = true;
            ex.reply = {kAck};
            break;
        case FrameKind::End:
            ex.committed = written_;
            written_ = false;
            if (faults_.noEndAck)
                ex.faulted = true;
            else
                ex.reply = {kAck};
            break;
        case FrameKind::Garbage:
        case FrameKind::Stale: break;
    }
    return ex;
}

std::optional<Exchange> RadioProtocol::dropStale(Clock::time_point now) {
    if (buffer_.empty() || now - lastInput_ < kStaleGap) return std::nullopt;
    Exchange ex;
    ex.kind = FrameKind::Stale;
    ex.bytes = std::move(buffer_);
    ex.endIndex = received_;
    buffer_.clear();
    return ex;
}

std::vector<Exchange> RadioProtocol::receive(std::span<const std::uint8_t> bytes, Clock::time_point now) {
    std::vector<Exchange> out;
    if (auto stale = dropStale(now)) out.push_back(std::move(*stale));
    if (!bytes.empty()) lastInput_ = now;
    buffer_.insert(buffer_.end(), bytes.begin(), bytes.end());
    received_ += bytes.size();
    const std::uint64_t bufferStart = received_ - buffer_.size();

    Exchange garbage;
    const auto flushGarbage = [&] {
        if (garbage.bytes.empty()) return;
        out.push_back(std::move(garbage));
        garbage = Exchange{};
    };
    std::size_t pos = 0;
    while (pos < buffer_.size()) {
        const std::span<const std::uint8_t> rest = std::span<const std::uint8_t>(buffer_).subspan(pos);
        const ScanResult r = scan(rest);
        if (r.scan == Scan::Prefix) break;
        const std::size_t length = r.scan == Scan::Invalid ? 1 : r.length;
        if (r.scan == Scan::Frame) {
            flushGarbage();
            Exchange ex = answer(r.kind, std::vector<std::uint8_t>(rest.begin(), rest.begin() + static_cast<std::ptrdiff_t>(length)));
            ex.endIndex = bufferStart + pos + length;
            out.push_back(std::move(ex));
        } else {
            garbage.kind = FrameKind::Garbage;
            garbage.bytes.insert(garbage.bytes.end(), rest.begin(), rest.begin() + static_cast<std::ptrdiff_t>(length));
            garbage.endIndex = bufferStart + pos + length;
        }
        pos += length;
    }
    flushGarbage();
    buffer_.erase(buffer_.begin(), buffer_.begin() + static_cast<std::ptrdiff_t>(pos));
    return out;
}

}  // namespace mv52::sim
