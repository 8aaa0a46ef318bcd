#include "options/option_defaults.h"

#include "data/value_helpers.h"
#include "document/option_record.h"
#include "tones/dtmf.h"

namespace mv52 {

void resetOptionDefaults(OptionRecord& o, FurtherOptions& f) {
    // Groups 1-13 of both work modes; the remaining groups keep their values.
    for (int m = 0; m < kWorkModeCount; ++m) {
        for (int g = 1; g <= 13; ++g) {
            o.groupEnabled.at(m, g) = 1;
            o.groupName.at(m, g).set(groupLetter(m, g) + std::string(1, '\0'));
            o.emgChannel1.at(m, g) = 1;
            o.emgChannel2.at(m, g) = 1;
            o.memChannel.at(m, g) = 1;
            o.emgMode1.at(m, g) = 1;
            o.emgMode2.at(m, g) = 1;
            o.groupSpare.at(m, g) = 41;
        }
    }
    o.bandNibble = 2;
    o.workMode = 1;
    o.currentCbGroup = 1;
    o.currentHamGroup = 1;
    o.voxFunction = 0;
    o.channelMode = 0;
    o.memMenu = 0;
    o.publicBot = 0;
    o.publicEot = 0;
    o.publicCall = 0;
    o.rxClarifier = 0;
    o.txClarifier = 0;
    o.publicHiCut = 0;
    o.publicNbAnl = 1;
    o.publicEcho = 0;
    o.publicAdd10k = 0;
    o.publicBusy = 0;
    o.publicRoger = 0;
    o.beep = 1;
    o.indic = 0;
    o.micGain = 30;
    o.nog = 0;
    o.tot = 0;
    o.swrProtect = 1;
    o.batteryProtect = 1;
    o.scanMode = 0;
    o.fin = 0;
    o.backlightColor = 0;
    o.menuPage = 1;
    o.batteryMin = 97;
    o.batteryMax = 168;
    o.swrMax = 160;
    o.publicMode = 1;
    o.fmEnable = 1;
    o.amEnable = 1;
    o.usbEnable = 1;
    o.lsbEnable = 1;
    o.paEnable = 1;
    resetDtmfDefaults(o.dtmf, o.dtmfMemory);

    f.txOffset = 100;
    f.freqCh = 0;
    f.asqLevel = 5;
    f.rssiTable = {0, 3, 10, 14, 24, 35, 0, 5, 8, 12, 23, 35};
}

}  // namespace mv52
