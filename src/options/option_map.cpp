#include "options/option_map.h"

#include "document/option_record.h"
#include "data/image_fields.h"
#include "data/radio_image.h"
#include "tones/dtmf.h"

namespace mv52 {
namespace {

// Per work mode: base of the emergency-channel pairs, of the emergency-mode pairs, of the
// per-group channel values, and of the two group-enable bytes.
struct GroupBases {
    std::uint32_t emgChannels, emgModes, memChannels, enableBits;
    int groups;  // groups with a place in the image: 15 CB, 12 HAM
};
constexpr GroupBases kGroupBases[2] = {{0x4580, 0x45C0, 0x4840, 0x4800, 15},
                                       {0x45A0, 0x45E0, 0x4850, 0x4802, 12}};

// The whole option map in image order. Both directions read this one function.
template <class Mapper>
void mapOptions(Mapper& io, OptionFields fields) {
    OptionRecord& o = fields.options;
    FurtherOptions& f = fields.further;

    // One enable bit per group with a place in the image: groups 1-8 in the first byte, the
    // rest (to 15 or 12) from bit 0 of the second.
    for (int m = 0; m < kWorkModeCount; ++m) {
        const GroupBases& b = kGroupBases[m];
        const auto bit = [&](int g) { return BitField{(g - 1) % 8, 1, o.groupEnabled.at(m, g)}; };
        io.packed(b.enableBits, {bit(1), bit(2), bit(3), bit(4), bit(5), bit(6), bit(7), bit(8)});
        if (b.groups == 15)
            io.packed(b.enableBits + 1, {bit(9), bit(10), bit(11), bit(12), bit(13), bit(14), bit(15)});
        else
            io.packed(b.enableBits + 1, {bit(9), bit(10), bit(11), bit(12)});
    }
    for (int m = 0; m < kWorkModeCount; ++m)
        for (int g = 1; g <= kGroupBases[m].groups; ++g) {
            const std::uint32_t a = kGroupBases[m].emgChannels + 2u * static_cast<std::uint32_t>(g - 1);
            io.byte(a, o.emgChannel1.at(m, g), 1);
            io.byte(a + 1, o.emgChannel2.at(m, g), 1);
        }
    for (int m = 0; m < kWorkModeCount; ++m)
        for (int g = 1; g <= kGroupBases[m].groups; ++g) {
            const std::uint32_t a = kGroupBases[m].emgModes + 2u * static_cast<std::uint32_t>(g - 1);
            io.byte(a, o.emgMode1.at(m, g));
            io.byte(a + 1, o.emgMode2.at(m, g));
        }
    io.packed(0x4804, {{0, 4, fields.currentWorkMode}, {4, 4, o.bandNibble, -1}});
    io.byte(0x4805, o.currentCbGroup, 1);
    io.byte(0x4806, o.currentHamGroup, 1);
    io.packed(0x4807, {{0, 1, o.channelMode}, {1, 1, o.memMenu}, {2, 2, f.emg}, {4, 1, f.vfo}});
    for (int m = 0; m < kWorkModeCount; ++m)
        for (int g = 1; g <= kGroupBases[m].groups; ++g)
            io.byte(kGroupBases[m].memChannels + static_cast<std::uint32_t>(g - 1), o.memChannel.at(m, g), 1);
    io.byte(0x4860, f.hfDwBand);
    io.byte(0x4861, f.hfDwChan);
    io.byte(0x4862, f.hfDwMode);
    io.byte(0x4863, f.hamDwBand);
    io.byte(0x4864, f.hamDwChan);
    io.byte(0x4865, f.hamDwMode);
    io.byte(0x4808, o.groupSpare.at(0, 1));
    io.byte(0x4809, o.groupSpare.at(1, 1));

    io.le16(0x4A00, o.batteryMax);
    io.le16(0x4A02, o.batteryMin);
    io.byte(0x4A04, o.swrMax);
    io.byte(0x4A05, o.publicMode);
    io.packed(0x4A06, {{0, 1, o.fmEnable}, {1, 1, o.amEnable}, {2, 1, o.usbEnable},
                       {3, 1, o.lsbEnable}, {4, 1, o.paEnable}, {5, 1, o.cwEnable}});
    io.packed(0x4A07, {{0, 1, o.publicHiCut}, {2, 1, o.publicEcho}, {3, 1, o.publicAdd10k},
                       {4, 1, o.publicBusy}, {5, 2, o.publicNbAnl}});
    io.readOnly(0x4A08, o.publicRoger);
    io.byte(0x4A09, o.publicBot);
    io.byte(0x4A0A, o.publicEot);
    io.byte(0x4A0B, o.publicCall);
    io.byte(0x4A0C, o.beep);
    io.byte(0x4A0D, o.indic);
    io.byte(0x4A0E, o.micGain);
    io.byte(0x4A0F, o.nog);
    io.byte(0x4A10, o.tot);
    io.byte(0x4A11, o.swrProtect);
    io.byte(0x4A12, o.batteryProtect);
    io.byte(0x4A13, o.scanMode);
    io.byte(0x4A14, o.fin);
    io.byte(0x4A15, o.backlightColor);
    io.zero(0x4A16);
    io.le16(0x4A17, f.txOffset);
    io.packed(0x4A19, {{0, 1, f.freqCh}});
    io.byte(0x4A1A, f.asqLevel);
    io.byte(0x4A1B, o.dtmf.dtmfSendTime);
    io.byte(0x4A1C, o.dtmf.firstDigitTime);
    io.byte(0x4A1D, o.dtmf.firstDigitDelay);
    io.byte(0x4A1E, o.dtmf.starHashTone);
    io.byte(0x4A1F, o.dtmf.dCodeAssignment);
    io.byte(0x4A20, o.dtmf.dtmfDisplay);
    io.byte(0x4A21, o.menuPage);
    io.byte(0x4A22, f.micType);
    io.byte(0x4A23, f.voxLevel);
    io.byte(0x4A24, f.voxDelay);
    io.byte(0x4A25, f.rxNr);
    io.byte(0x4A26, f.txNr);
    io.byte(0x4A27, f.vox);
    io.byte(0x4A28, f.volPath);
    io.byte(0x4A29, f.echoVol);
    io.byte(0x4A2A, f.echoTime);
    io.byte(0x4A2B, f.vfoStep);
    io.byte(0x4A2C, f.amNpc);
    io.byte(0x4A2D, o.fmDeviation);
    io.byte(0x4A2E, o.ssbTone);
    io.byte(0x4A2F, o.pfKey);
    io.packed(0x4A30, {{0, 1, f.volDisplay}, {1, 1, f.sqlDisplay}, {2, 1, f.powDisplay},
                       {3, 1, f.rfgDisplay}});
    io.byte(0x4A31, f.finRange);
    io.le16(0x4A32, f.cwFreq);  // one byte in the document: a larger image value is held at 255
    io.byte(0x4A34, f.cwBeep);
    io.byte(0x4A35, f.dim);
    io.byte(0x4A36, f.voxSpk);
    io.byte(0x4A37, f.agc);
    io.byte(0x4A08, f.comChanRb);
}

}  // namespace

void packOptions(OptionFields fields, RadioImage& image) {
    OptionRecord& o = fields.options;
    for (int m = 0; m < kWorkModeCount; ++m)
        for (int g = 1; g <= kGroupBases[m].groups; ++g) {
            if (o.emgMode1.at(m, g) > 3) o.emgMode1.at(m, g) = 0;
            if (o.emgMode2.at(m, g) > 3) o.emgMode2.at(m, g) = 0;
        }
    ImagePacker io(image);
    mapOptions(io, fields);
    packDtmfMemories(o.dtmfMemory, image);
}

void unpackOptions(OptionFields fields, const RadioImage& image) {
    ImageUnpacker io(image);
    mapOptions(io, fields);
    unpackDtmfMemories(fields.options.dtmfMemory, image);
}

}  // namespace mv52
