#pragma once
// DTMF code memories and timing settings: storage, cleaning, digit coding and references.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "data/fixed_text.h"

namespace mv52 {

class RadioImage;

struct DtmfSettings {
    std::int16_t dtmfSendTime = 0;     // ms / 10, 1-50
    std::int16_t firstDigitTime = 0;   // ms / 100, 0-10
    std::int16_t firstDigitDelay = 0;  // ms / 100, 1-25
    std::int16_t starHashTone = 0;     // ms / 100: 0, 1, 5, 10
    std::int16_t dCodeAssignment = 0;  // 0 "D Code", 1-16 seconds
    std::int16_t dtmfDisplay = 0;      // 0/1
    bool operator==(const DtmfSettings&) const = default;
};

constexpr int kDtmfMemoryCount = 16;
using DtmfMemory = FixedText<16>;
using DtmfMemories = std::array<DtmfMemory, kDtmfMemoryCount>;

constexpr std::uint32_t kDtmfImageBase = 0x4480;
constexpr std::uint32_t kDtmfSettingsImageBase = 0x4A1B;
constexpr std::uint8_t kDtmfUnusedCode = 16;

void resetDtmfDefaults(DtmfSettings& settings, DtmfMemories& memories);

// Stores a memory's text: cleaned, then one NUL, padded with spaces to 16 (longer texts cut).
void setDtmfMemory(DtmfMemory& memory, std::string_view text);

// n when 1 <= n <= 16 and memory n is not empty, else 0.
int validDtmfCode(const DtmfMemories& memories, int n);

void packDtmfMemories(const DtmfMemories& memories, RadioImage& image);
void unpackDtmfMemories(DtmfMemories& memories, const RadioImage& image);

}  // namespace mv52
