#include <gtest/gtest.h>

#include "document/document.h"
#include "data/radio_image.h"
#include "options/option_map.h"
#include "options/option_defaults.h"

namespace mv52 {
namespace {

OptionFields fields(Document& doc) { return {doc.options(), doc.further(), doc.header.currentWorkMode}; }

struct Fixture {
    std::unique_ptr<Document> doc = std::make_unique<Document>();
    RadioImage image;
    Fixture() { image.preTransferFill(); }
    void pack() { packOptions(fields(*doc), image); }
};

TEST(OptionMap, GroupEnableBits) {
    Fixture f;
    for (int g : {1, 3, 15}) f.doc->options().groupEnabled.at(0, g) = 1;
    f.doc->options().groupEnabled.at(1, 12) = 1;
    f.pack();
    EXPECT_EQ(f.image.at(0x4800), 0x05);
    EXPECT_EQ(f.image.at(0x4801), 0x40);
    EXPECT_EQ(f.image.at(0x4802), 0x00);
    EXPECT_EQ(f.image.at(0x4803), 0x08);
}

TEST(OptionMap, PackedBytesFromTheEdgeCases) {
    Fixture f;
    OptionRecord& o = f.doc->options();
    FurtherOptions& x = f.doc->further();
    x.emg = 2;
    x.vfo = 1;
    o.memMenu = 1;
    o.channelMode = 0;
    o.publicNbAnl = 3;
    o.batteryMax = 168;
    o.batteryMin = 97;
    x.txOffset = 50000;
    x.rxNr = 130;
    x.comChanRb = 2;
    o.publicRoger = 5;
    o.memChannel.at(1, 12) = 7;
    f.pack();
    const std::pair<std::uint32_t, std::uint8_t> expected[] = {
        {0x4807, 0x1A}, {0x4A07, 0x60}, {0x4A00, 0xA8}, {0x4A01, 0x00}, {0x4A02, 0x61}, {0x4A03, 0x00},
        {0x4A17, 0x50}, {0x4A18, 0xC3}, {0x4A25, 0x82}, {0x4A08, 0x02}, {0x485B, 0x06}, {0x4A16, 0x00},
    };
    for (auto [index, value] : expected) EXPECT_EQ(f.image.at(index), value) << std::hex << index;

    auto back = std::make_unique<Document>();
    unpackOptions(fields(*back), f.image);
    EXPECT_EQ(back->further().emg, 2);
    EXPECT_EQ(back->further().vfo, 1);
    EXPECT_EQ(back->options().memMenu, 1);
    EXPECT_EQ(back->options().channelMode, 0);
    EXPECT_EQ(back->options().publicRoger, 2);
    EXPECT_EQ(back->further().comChanRb, 2);
    EXPECT_EQ(back->options().memChannel.at(1, 12), 7);
    EXPECT_EQ(back->further().txOffset, 50000);
}

TEST(OptionMap, WorkModeAndBandNibbleShare0x4804) {
    Fixture f;
    f.doc->header.currentWorkMode = 1;
    f.doc->options().bandNibble = 2;
    f.doc->options().currentCbGroup = 4;
    f.doc->options().currentHamGroup = 1;
    f.pack();
    EXPECT_EQ(f.image.at(0x4804), 0x31);
    EXPECT_EQ(f.image.at(0x4805), 3);
    EXPECT_EQ(f.image.at(0x4806), 0);
    auto back = std::make_unique<Document>();
    unpackOptions(fields(*back), f.image);
    EXPECT_EQ(back->header.currentWorkMode, 1);
    EXPECT_EQ(back->options().bandNibble, 2);
    EXPECT_EQ(back->options().currentCbGroup, 4);
}

TEST(OptionMap, EmergencyModeAboveThreeIsPackedAsZeroAndStored) {
    Fixture f;
    f.doc->options().emgMode1.at(0, 2) = 4;
    f.doc->options().emgMode2.at(1, 12) = 3;
    f.doc->options().emgChannel1.at(0, 2) = 40;
    f.pack();
    EXPECT_EQ(f.image.at(0x45C2), 0);
    EXPECT_EQ(f.doc->options().emgMode1.at(0, 2), 0);
    EXPECT_EQ(f.image.at(0x45E0 + 23), 3);
    EXPECT_EQ(f.image.at(0x4582), 39);  // emergency channels are held minus one
}

TEST(OptionMap, UnpackReadsBytesUnsignedAndCwFreqStaysInItsByte) {
    RadioImage image;
    image.preTransferFill();  // 0x4A00-0x4A37 read 0xFF
    auto doc = std::make_unique<Document>();
    unpackOptions(fields(*doc), image);
    EXPECT_EQ(doc->options().swrMax, 255);
    EXPECT_EQ(doc->options().batteryMax, 32767);  // 0xFFFF does not fit: held at the largest value
    EXPECT_EQ(doc->further().cwFreq, 255);
    EXPECT_EQ(doc->options().fmEnable, 1);
    EXPECT_EQ(doc->further().freqCh, 1);
    EXPECT_EQ(doc->options().groupEnabled.at(0, 1), 0);  // 0x4800 is zeroed by the fill
}

TEST(OptionMap, EveryCarriedFieldSurvivesARoundTrip) {
    Fixture f;
    OptionRecord& o = f.doc->options();
    FurtherOptions& x = f.doc->further();
    // Distinct values that fit each field's bits; "+1" fields need values of 1 or more.
    for (int m = 0; m < 2; ++m)
        for (int g = 1; g <= 17; ++g) {
            o.groupEnabled.at(m, g) = static_cast<std::int16_t>(g % 2);
            o.emgChannel1.at(m, g) = static_cast<std::int16_t>(g);
            o.emgChannel2.at(m, g) = static_cast<std::int16_t>(g + 20);
            o.memChannel.at(m, g) = static_cast<std::int16_t>(g + 3);
            o.emgMode1.at(m, g) = static_cast<std::int16_t>(g % 4);
            o.emgMode2.at(m, g) = static_cast<std::int16_t>((g + 1) % 4);
        }
    o.currentCbGroup = 15, o.currentHamGroup = 12, o.bandNibble = 5, o.memMenu = 1, o.channelMode = 1;
    o.beep = 3, o.indic = 2, o.micGain = 45, o.nog = 32, o.tot = 60, o.swrProtect = 1, o.scanMode = 1;
    o.fin = 3, o.backlightColor = 6, o.menuPage = 9, o.swrMax = 200, o.publicMode = 4, o.fmEnable = 0;
    o.cwEnable = 1, o.publicHiCut = 1, o.publicEcho = 1, o.publicBusy = 1, o.publicBot = 16;
    o.publicEot = 3, o.publicCall = 7, o.fmDeviation = 1, o.ssbTone = 1, o.pfKey = 18;
    o.dtmf = {50, 10, 25, 10, 16, 1};
    o.groupSpare.at(0, 1) = 41, o.groupSpare.at(1, 1) = 9;
    x.freqCh = 1, x.asqLevel = 9, x.micType = 1, x.voxLevel = 8, x.voxDelay = 7, x.txNr = 132;
    x.vox = 1, x.volPath = 2, x.echoVol = 31, x.echoTime = 30, x.vfoStep = 6, x.amNpc = 1;
    x.hfDwBand = 10, x.hfDwChan = 39, x.hfDwMode = 3, x.hamDwBand = 4, x.hamDwChan = 5, x.hamDwMode = 2;
    x.volDisplay = 1, x.rfgDisplay = 1, x.finRange = 1, x.cwFreq = 255, x.cwBeep = 63, x.dim = 5;
    x.voxSpk = 1, x.agc = 1;
    f.pack();
    auto back = std::make_unique<Document>();
    unpackOptions(fields(*back), f.image);
    OptionRecord expected = o;
    expected.publicRoger = x.comChanRb;
    // Fields that live only in the document keep what `back` had.
    expected.workMode = expected.voxFunction = expected.rxClarifier = expected.txClarifier = 0;
    expected.longKey = 0;
    for (int m = 0; m < 2; ++m)
        for (int g = 1; g <= 17; ++g) {
            if (g > 1) expected.groupSpare.at(m, g) = 0;
            expected.groupName.at(m, g) = back->options().groupName.at(m, g);
            const bool inImage = g <= (m == 0 ? 15 : 12);
            if (!inImage) {
                expected.groupEnabled.at(m, g) = expected.emgMode1.at(m, g) = expected.emgMode2.at(m, g) = 0;
                expected.emgChannel1.at(m, g) = expected.emgChannel2.at(m, g) = expected.memChannel.at(m, g) = 0;
            }
        }
    expected.dtmfMemory = back->options().dtmfMemory;
    EXPECT_EQ(back->options(), expected);
    FurtherOptions expectedFurther = x;
    expectedFurther.rssiTable = {};
    expectedFurther.keyLock = expectedFurther.asq = 0;
    expectedFurther.hfPublic = expectedFurther.hamPublic = 0;
    EXPECT_EQ(back->further(), expectedFurther);
}

TEST(OptionDefaults, ResetTouchesGroupsOneToThirteenOnly) {
    OptionRecord o;
    FurtherOptions x;
    o.cwEnable = 1;
    o.groupEnabled.at(0, 15) = 0;
    x.micType = 1;
    resetOptionDefaults(o, x);
    EXPECT_EQ(o.groupEnabled.at(0, 13), 1);
    EXPECT_EQ(o.groupEnabled.at(0, 14), 0);
    EXPECT_EQ(o.groupName.at(0, 1).raw(), std::string("A\0  ", 4));
    EXPECT_EQ(o.groupName.at(1, 13).raw(), std::string("MEM\0", 4));
    EXPECT_EQ(o.groupName.at(0, 13).raw(), std::string("M\0  ", 4));
    EXPECT_EQ(o.groupSpare.at(1, 13), 41);
    EXPECT_EQ(o.cwEnable, 1);  // not reset
    EXPECT_EQ(x.micType, 1);
    EXPECT_EQ(o.micGain, 30);
    EXPECT_EQ(o.batteryMin, 97);
    EXPECT_EQ(o.swrMax, 160);
    EXPECT_EQ(x.txOffset, 100);
    EXPECT_EQ(x.asqLevel, 5);
    EXPECT_EQ(x.rssiTable, (std::array<std::int16_t, 12>{0, 3, 10, 14, 24, 35, 0, 5, 8, 12, 23, 35}));
    EXPECT_EQ(o.dtmf, (DtmfSettings{1, 1, 1, 0, 0, 0}));
}

}  // namespace
}  // namespace mv52
