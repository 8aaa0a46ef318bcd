#pragma once
// The optional features of the document: the option record and the further option values.
// Field order is the stored order (see storage/data_file_layout.cpp); reset defaults are in
// options/option_defaults.cpp, the image map in options/option_map.cpp.

#include <array>
#include <cstdint>

#include "data/fixed_text.h"
#include "data/groups.h"
#include "document/dtmf_record.h"

namespace mv52 {

using GroupName = FixedText<4>;

struct OptionRecord {
    PerGroupI16 groupEnabled;
    PerGroup<GroupName> groupName;
    PerGroupI16 emgChannel1;
    PerGroupI16 emgChannel2;
    std::int16_t bandNibble = 0;
    std::int16_t workMode = 0;
    std::int16_t currentCbGroup = 0;
    std::int16_t currentHamGroup = 0;
    std::int16_t voxFunction = 0;
    std::int16_t channelMode = 0;
    std::int16_t memMenu = 0;
    PerGroupI16 memChannel;
    PerGroupI16 emgMode1;
    PerGroupI16 emgMode2;
    PerGroupI16 groupSpare;
    std::int16_t publicBot = 0;
    std::int16_t publicEot = 0;
    std::int16_t publicCall = 0;
    std::int16_t rxClarifier = 0;
    std::int16_t txClarifier = 0;
    std::int16_t publicHiCut = 0;
    std::int16_t publicNbAnl = 0;
    std::int16_t publicEcho = 0;
    std::int16_t publicAdd10k = 0;
    std::int16_t publicBusy = 0;
    std::int16_t publicRoger = 0;
    std::int16_t beep = 0;
    std::int16_t indic = 0;
    std::int16_t micGain = 0;
    std::int16_t nog = 0;
    std::int16_t tot = 0;
    std::int16_t swrProtect = 0;
    std::int16_t batteryProtect = 0;
    std::int16_t scanMode = 0;
    std::int16_t fin = 0;
    std::int16_t backlightColor = 0;
    std::int16_t menuPage = 0;
    std::int16_t batteryMin = 0;
    std::int16_t batteryMax = 0;
    std::int16_t swrMax = 0;
    std::int16_t publicMode = 0;
    std::int16_t fmEnable = 0;
    std::int16_t amEnable = 0;
    std::int16_t usbEnable = 0;
    std::int16_t lsbEnable = 0;
    std::int16_t cwEnable = 0;
    std::int16_t paEnable = 0;
    DtmfSettings dtmf;
    DtmfMemories dtmfMemory;
    std::int16_t fmDeviation = 0;
    std::int16_t ssbTone = 0;
    std::int16_t pfKey = 0;
    std::int16_t longKey = 0;

    bool operator==(const OptionRecord&) const = default;
};

struct FurtherOptions {
    std::int32_t txOffset = 0;
    std::int16_t freqCh = 0;
    std::int16_t asqLevel = 0;
    std::array<std::int16_t, 12> rssiTable{};
    std::uint8_t micType = 0;
    std::uint8_t voxLevel = 0;
    std::uint8_t voxDelay = 0;
    std::uint8_t rxNr = 0;
    std::uint8_t txNr = 0;
    std::uint8_t keyLock = 0;
    std::uint8_t volPath = 0;
    std::uint8_t echoVol = 0;
    std::uint8_t echoTime = 0;
    std::uint8_t emg = 0;
    std::uint8_t vox = 0;
    std::uint8_t vfoStep = 0;
    std::uint8_t amNpc = 0;
    std::uint8_t vfo = 0;
    std::uint8_t hfDwBand = 0;
    std::uint8_t hfDwChan = 0;
    std::uint8_t hfDwMode = 0;
    std::uint8_t hamDwBand = 0;
    std::uint8_t hamDwChan = 0;
    std::uint8_t hamDwMode = 0;
    std::uint8_t volDisplay = 0;
    std::uint8_t sqlDisplay = 0;
    std::uint8_t powDisplay = 0;
    std::uint8_t rfgDisplay = 0;
    std::uint8_t finRange = 0;
    std::int16_t hfPublic = 0;
    std::int16_t hamPublic = 0;
    std::uint8_t cwFreq = 0;
    std::uint8_t cwBeep = 0;
    std::uint8_t dim = 0;
    std::uint8_t asq = 0;
    std::uint8_t voxSpk = 0;
    std::uint8_t agc = 0;
    std::uint8_t comChanRb = 0;

    bool operator==(const FurtherOptions&) const = default;
};

}  // namespace mv52
