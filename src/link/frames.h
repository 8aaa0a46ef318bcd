#pragma once
// The frames exchanged with the radio over the serial line, and the checksum that guards
// its data blocks.
//
// Requests (all bytes unsigned, addresses 16-bit with the high byte first):
//
//   handshake request       50 52 4F 47 52 41 4D ("PROGRAM")        reply 3 bytes
//   identification request  02                                       reply 16 bytes
//   read request            52 ('R') addrHi addrLo len               reply len + 6 bytes
//   data frame              57 ('W') addrHi addrLo len data[len] sum 06   reply 1 byte
//   end request             45 4E 44 ("END")                         reply 1 byte
//
// Replies, each exactly the stated length (one receive event carries one whole reply):
//
//   acknowledgement         06
//   handshake reply         4C 42 06 ("LB", 06)
//   identification reply    49 ('I') model[7] unused firmware[4] unused[3]      16 bytes
//   data reply              57 ('W') addrHi addrLo len data[len] sum 06         len + 6 bytes
//
// The data frame and the data reply share one layout (the block positions below), so the
// builder and the check cannot drift apart. Its checksum is the 8-bit sum of the address
// bytes, the length byte and the data bytes; the leading 'W', the checksum itself and the
// trailing 06 are not summed.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "data/radio_image.h"

namespace mv52 {

using LinkBytes = std::vector<std::uint8_t>;

// Every transfer moves blocks of this many bytes.
inline constexpr std::uint8_t kLinkBlockLength = static_cast<std::uint8_t>(RadioImage::kBlockSize);
// The first address that is not transferred.
inline constexpr int kLinkEndAddress = static_cast<int>(RadioImage::kTransferSize);

inline constexpr std::uint8_t kAck = 0x06;
inline constexpr std::uint8_t kIdentificationCommand = 0x02;
inline constexpr std::uint8_t kReadCommand = 'R';
inline constexpr std::uint8_t kBlockCommand = 'W';
inline constexpr std::uint8_t kIdentificationMark = 'I';

// Positions inside a data frame or data reply.
inline constexpr std::size_t kBlockAddressHigh = 1;
inline constexpr std::size_t kBlockAddressLow = 2;
inline constexpr std::size_t kBlockLengthAt = 3;
inline constexpr std::size_t kBlockDataAt = 4;
// Command, address, length, checksum, trailer: the bytes around the data.
inline constexpr std::size_t kBlockOverhead = 6;

inline constexpr std::size_t blockFrameLength(std::size_t dataLength) { return dataLength + kBlockOverhead; }

// Positions inside an identification reply.
inline constexpr std::size_t kIdentificationLength = 16;
inline constexpr std::size_t kModelAt = 1;
inline constexpr std::size_t kModelLength = 7;
inline constexpr std::size_t kFirmwareAt = 9;
inline constexpr std::size_t kFirmwareLength = 4;

// A frame to send and the number of bytes its reply has; the receive threshold is set to
// that count so that one event delivers the whole reply.
struct LinkRequest {
    LinkBytes bytes;
    std::size_t replyLength = 0;
    bool operator==(const LinkRequest&) const = default;
};

LinkRequest handshakeRequest();
LinkRequest identificationRequest();
LinkRequest readRequest(std::uint16_t address);
// The block of `image` at `address` (address + 16 must not pass the transferred range).
LinkRequest dataFrame(const RadioImage& image, std::uint16_t address);
LinkRequest endRequest();

// The 8-bit sum of `bytes`.
std::uint8_t checksum(std::span<const std::uint8_t> bytes);
// The checksum a data frame or data reply of `frame`'s length byte must carry: the sum of
// positions 1 to length + 3. `frame` must hold those positions.
std::uint8_t blockChecksum(std::span<const std::uint8_t> frame);

// The radio's model field as the program compares it: trailing spaces removed, then
// everything from the first NUL on. The program's own model type goes through the same
// clean-up before the comparison.
std::string normalizeModelText(std::string_view text);

enum class ReplyKind { Rejected, Acknowledgement, HandshakeReply, Identification, DataBlock };

struct LinkReply {
    ReplyKind kind = ReplyKind::Rejected;
    std::string model;     // Identification: the cleaned model text
    std::string firmware;  // Identification: the four firmware version characters
    LinkBytes data;        // DataBlock: the block's data bytes
};

// Classifies everything one receive event delivered. The checks run in the order
// acknowledgement, handshake reply, identification reply, data reply, and the first that
// passes decides; a data reply must carry `currentAddress` and the block length 16.
LinkReply classifyReply(std::span<const std::uint8_t> bytes, int currentAddress);

}  // namespace mv52
