#pragma once
// DTMF timing settings and the sixteen code memories as the document stores them.

#include <array>
#include <cstdint>

#include "data/fixed_text.h"

namespace mv52 {

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

}  // namespace mv52
