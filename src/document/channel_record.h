#pragma once
// One channel of the document. Fields are numbered by their 16-bit word position, as the
// channel file counts them: 0-2, the two 8-character frequency texts (3-10 and 11-18),
// then the 16-bit fields 19-39.

#include <cstdint>

#include "data/fixed_text.h"

namespace mv52 {

using FrequencyText = FixedText<8>;

struct ChannelRecord {
    std::int16_t ChannelNumber = 0;  // 0: 1-40 (+41-46 memory channels "M1"-"M6"), 1-99, or 1
    std::int16_t Present = 0;        // 1: in use
    std::int16_t ScanAdd = 0;        // 2: 0 "Del", 1 "Add"
    FrequencyText RxFrequency;       // 3-10: stored frequency
    FrequencyText TxFrequency;       // 11-18: never shown nor transferred
    std::int16_t Reserved19 = 0;
    std::int16_t Reserved20 = 0;
    std::int16_t TxToneType = 0;    // 21: 0 "Off", 1 "CTCSS", 2 "DCS"
    std::int16_t TxCtcssIndex = 0;  // 22
    std::int16_t TxDcsIndex = 0;    // 23
    std::int16_t Reserved24 = 0;
    std::int16_t Mode = 0;       // 25: 0 FM, 1 AM, 2 USB, 3 LSB, 4 PA, 5 CW
    std::int16_t HiCut = 0;      // 26
    std::int16_t NbAnl = 0;      // 27: 0 off, 1 NB, 2 ANL, 3 NB/ANL
    std::int16_t Echo = 0;       // 28
    std::int16_t Add10K = 0;     // 29
    std::int16_t Busy = 0;       // 30
    std::int16_t RogerBeep = 0;  // 31: 0 off, 1-8 roger-beep entry
    std::int16_t Rep = 0;        // 32: 0 off, 1 "+", 2 "-"
    std::int16_t Public = 0;     // 33
    std::int16_t Bot = 0;        // 34: 0 off, 1-16 DTMF memory
    std::int16_t Eot = 0;        // 35
    std::int16_t Call = 0;       // 36
    std::int16_t RxToneType = 0;    // 37
    std::int16_t RxCtcssIndex = 0;  // 38
    std::int16_t RxDcsIndex = 0;    // 39

    bool operator==(const ChannelRecord&) const = default;
};

// The 16-bit fields 19-39 in record order; the channel file stores them in this order.
inline constexpr std::int16_t ChannelRecord::* kChannelWords19To39[] = {
    &ChannelRecord::Reserved19,   &ChannelRecord::Reserved20, &ChannelRecord::TxToneType,
    &ChannelRecord::TxCtcssIndex, &ChannelRecord::TxDcsIndex, &ChannelRecord::Reserved24,
    &ChannelRecord::Mode,         &ChannelRecord::HiCut,      &ChannelRecord::NbAnl,
    &ChannelRecord::Echo,         &ChannelRecord::Add10K,     &ChannelRecord::Busy,
    &ChannelRecord::RogerBeep,    &ChannelRecord::Rep,        &ChannelRecord::Public,
    &ChannelRecord::Bot,          &ChannelRecord::Eot,        &ChannelRecord::Call,
    &ChannelRecord::RxToneType,   &ChannelRecord::RxCtcssIndex, &ChannelRecord::RxDcsIndex,
};
static_assert(sizeof(kChannelWords19To39) / sizeof(kChannelWords19To39[0]) == 21);

}  // namespace mv52
