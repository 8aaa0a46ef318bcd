#include "link/frames.h"

#include <algorithm>

namespace mv52 {
namespace {

LinkBytes asciiBytes(std::string_view text) { return LinkBytes(text.begin(), text.end()); }

std::uint8_t highByte(std::uint16_t address) { return static_cast<std::uint8_t>(address >> 8); }
std::uint8_t lowByte(std::uint16_t address) { return static_cast<std::uint8_t>(address & 0xFF); }

std::string asciiText(std::span<const std::uint8_t> bytes) { return std::string(bytes.begin(), bytes.end()); }

bool isHandshakeReply(std::span<const std::uint8_t> r) {
    return r.size() == 3 && r[0] == 'L' && r[1] == 'B' && r[2] == kAck;
}

bool isIdentificationReply(std::span<const std::uint8_t> r) {
    return r.size() == kIdentificationLength && r[0] == kIdentificationMark;
}

// The data reply checks, in their order; the first failure rejects the reply.
bool isDataReplyFor(std::span<const std::uint8_t> r, int currentAddress) {
    if (r.empty() || r[0] != kBlockCommand) return false;
    if (r.size() < kBlockDataAt) return false;
    const int address = r[kBlockAddressHigh] * 256 + r[kBlockAddressLow];
    if (address != currentAddress || r[kBlockLengthAt] != kLinkBlockLength) return false;
    if (r.size() != blockFrameLength(r[kBlockLengthAt])) return false;
    if (r.back() != kAck) return false;
    return r[r.size() - 2] == blockChecksum(r);
}

}  // namespace

LinkRequest handshakeRequest() { return {asciiBytes("PROGRAM"), 3}; }

LinkRequest identificationRequest() { return {{kIdentificationCommand}, kIdentificationLength}; }

LinkRequest readRequest(std::uint16_t address) {
    return {{kReadCommand, highByte(address), lowByte(address), kLinkBlockLength},
            blockFrameLength(kLinkBlockLength)};
}

LinkRequest dataFrame(const RadioImage& image, std::uint16_t address) {
    LinkBytes frame(blockFrameLength(kLinkBlockLength));
    frame[0] = kBlockCommand;
    frame[kBlockAddressHigh] = highByte(address);
    frame[kBlockAddressLow] = lowByte(address);
    frame[kBlockLengthAt] = kLinkBlockLength;
    for (std::uint32_t i = 0; i < kLinkBlockLength; ++i) frame[kBlockDataAt + i] = image.at(address + i);
    frame[kBlockDataAt + kLinkBlockLength] = blockChecksum(frame);
    frame.back() = kAck;
    return {std::move(frame), 1};
}

LinkRequest endRequest() { return {asciiBytes("END"), 1}; }

std::uint8_t checksum(std::span<const std::uint8_t> bytes) {
    unsigned sum = 0;
    for (std::uint8_t b : bytes) sum += b;
    return static_cast<std::uint8_t>(sum & 0xFF);
}

std::uint8_t blockChecksum(std::span<const std::uint8_t> frame) {
    return checksum(frame.subspan(kBlockAddressHigh, std::size_t{frame[kBlockLengthAt]} + 3));
}

std::string normalizeModelText(std::string_view text) {
    std::string model(text);
    const auto lastKept = model.find_last_not_of(' ');
    model.erase(lastKept == std::string::npos ? 0 : lastKept + 1);
    const auto nul = model.find('\0');
    if (nul != std::string::npos) model.erase(nul);
    return model;
}

LinkReply classifyReply(std::span<const std::uint8_t> bytes, int currentAddress) {
    LinkReply reply;
    if (bytes.size() == 1 && bytes[0] == kAck) {
        reply.kind = ReplyKind::Acknowledgement;
    } else if (isHandshakeReply(bytes)) {
        reply.kind = ReplyKind::HandshakeReply;
    } else if (isIdentificationReply(bytes)) {
        reply.kind = ReplyKind::Identification;
        reply.model = normalizeModelText(asciiText(bytes.subspan(kModelAt, kModelLength)));
        reply.firmware = asciiText(bytes.subspan(kFirmwareAt, kFirmwareLength));
    } else if (isDataReplyFor(bytes, currentAddress)) {
        reply.kind = ReplyKind::DataBlock;
        const auto data = bytes.subspan(kBlockDataAt, kLinkBlockLength);
        reply.data.assign(data.begin(), data.end());
    }
    return reply;
}

}  // namespace mv52
