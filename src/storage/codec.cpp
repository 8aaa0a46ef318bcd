#include "storage/codec.h"

#include <algorithm>

#include "channels/channel_slot.h"
#include "document/workspace.h"
#include "options/option_map.h"
#include "tones/roger_beep.h"

namespace mv52 {
namespace {

OptionFields optionFields(Document& doc) { return {doc.options(), doc.further(), doc.header.currentWorkMode}; }

}  // namespace

void encodeDocument(Workspace& ws) {
    Document& doc = ws.current;
    forEachGroup([&](int m, int g) {
        const int count = std::clamp<int>(doc.count(m, g), 0, kSlotsPerGroup);
        const GroupPlace place = groupPlace(m, g);
        for (int p = 1; p <= count; ++p) encodeChannel(ws.image, place, doc.channels.slot(m, g, p));
    });
    packOptions(optionFields(doc), ws.image);
    packRogerBeepTable(doc.header.rogerBeep, ws.image);
}

void decodeImage(Workspace& ws) {
    Document& doc = ws.current;
    for (int m = 0; m < kWorkModeCount; ++m)
        for (int g = 1; g <= kMaxGroups; ++g) {
            doc.count(m, g) = 0;
            for (int p = 1; p <= kSlotsPerGroup; ++p) doc.channels.slot(m, g, p).ChannelNumber = 0;
        }
    unpackOptions(optionFields(doc), ws.image);
    ws.setBandFromWorkMode();
    forEachGroup([&](int m, int g) {
        std::int16_t& count = doc.count(m, g);
        const GroupPlace place = groupPlace(m, g);
        for (int n = 1; n <= place.capacity && count < kSlotsPerGroup; ++n)
            if (decodeChannel(ws.image, place, n, doc.channels.slot(m, g, count + 1))) ++count;
    });
    unpackRogerBeepTable(doc.header.rogerBeep, ws.image);
}

}  // namespace mv52
