#include "data/codec.h"

#include <algorithm>

#include "channels/channel_slot.h"
#include "data/workspace.h"
#include "options/option_map.h"
#include "tones/roger_beep.h"

namespace mv52 {

void encodeDocument(Workspace& ws) {
    Document& doc = ws.current;
    forEachGroup([&](int m, int g) {
        const int count = std::clamp<int>(doc.count(m, g), 0, kSlotsPerGroup);
        for (int p = 1; p <= count; ++p) encodeChannel(ws.image, m, g, doc.channels.slot(m, g, p));
    });
    packOptions(doc, ws.image);
    packRogerBeepTable(doc.header.rogerBeep, ws.image);
}

void decodeImage(Workspace& ws) {
    Document& doc = ws.current;
    for (int m = 0; m < kWorkModeCount; ++m)
        for (int g = 1; g <= kMaxGroups; ++g) {
            doc.count(m, g) = 0;
            for (int p = 1; p <= kSlotsPerGroup; ++p) doc.channels.slot(m, g, p).ChannelNumber = 0;
        }
    unpackOptions(doc, ws.image);
    ws.setBandFromWorkMode();
    forEachGroup([&](int m, int g) {
        for (int n = 1; n <= groupCapacity(m, g); ++n) decodeChannel(doc, ws.image, m, g, n);
    });
    unpackRogerBeepTable(doc.header.rogerBeep, ws.image);
}

}  // namespace mv52
