#include "tones/references.h"

#include <algorithm>

#include "document/document.h"
#include "tones/dtmf.h"
#include "tones/roger_beep.h"

namespace mv52 {
namespace {

// The channel references the clean-ups look at: those of groups 1-10 of both work modes.
constexpr int kCleanedGroups = 10;

}  // namespace

bool cleanRogerReferences(Document& doc) {
    const RogerBeepTable& table = doc.header.rogerBeep;
    bool changed = false;
    auto clean = [&](std::int16_t& v) {
        const auto valid = static_cast<std::int16_t>(validRogerEntry(table, v));
        changed = changed || valid != v;
        v = valid;
    };
    for (int m = 0; m < kWorkModeCount; ++m)
        for (int g = 1; g <= kCleanedGroups; ++g) {
            const int count = std::clamp<int>(doc.count(m, g), 0, kSlotsPerGroup);
            for (int p = 1; p <= count; ++p) {
                clean(doc.channels.slot(m, g, p).RogerBeep);
            }
        }
    clean(doc.options().publicRoger);
    return changed;
}

void cleanDtmfReferences(Document& doc) {
    const DtmfMemories& memories = doc.options().dtmfMemory;
    auto valid = [&](std::int16_t v) { return static_cast<std::int16_t>(validDtmfCode(memories, v)); };
    for (int m = 0; m < kWorkModeCount; ++m)
        for (int g = 1; g <= kCleanedGroups; ++g) {
            const int count = std::clamp<int>(doc.count(m, g), 0, kSlotsPerGroup);
            for (int p = 1; p <= count; ++p) {
                ChannelRecord& r = doc.channels.slot(m, g, p);
                r.Bot = valid(r.Bot);
                r.Eot = valid(r.Eot);
                r.Call = valid(r.Call);
            }
        }
    OptionRecord& o = doc.options();
    o.publicBot = valid(o.publicBot);
    o.publicEot = valid(o.publicEot);
    o.publicCall = valid(o.publicCall);
}

}  // namespace mv52
