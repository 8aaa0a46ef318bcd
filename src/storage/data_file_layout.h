#pragma once
// The byte layout of the data file (the document header, 1,694 bytes) and of one record of
// the channel file (64 bytes): little-endian, no padding, texts space-padded.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace mv52 {

struct DocumentHeader;
struct ChannelRecord;

inline constexpr std::size_t kDataFileSize = 1694;
inline constexpr std::size_t kChannelRecordSize = 64;

using HeaderBytes = std::array<std::uint8_t, kDataFileSize>;
using ChannelBytes = std::array<std::uint8_t, kChannelRecordSize>;

HeaderBytes writeHeaderBytes(const DocumentHeader& header);
void readHeaderBytes(std::span<const std::uint8_t, kDataFileSize> bytes, DocumentHeader& header);

ChannelBytes writeChannelBytes(const ChannelRecord& record);
void readChannelBytes(std::span<const std::uint8_t, kChannelRecordSize> bytes, ChannelRecord& record);

}  // namespace mv52
