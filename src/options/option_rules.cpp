#include "options/option_rules.h"

#include <algorithm>

#include "data/groups.h"
#include "document/document.h"
#include "options/modes.h"

namespace mv52 {
namespace {

// The groups whose channel modes follow the mode enables.
constexpr int kCorrectedGroups = 10;

}  // namespace

void correctChannelModes(Document& doc) {
    for (int m = 0; m < kWorkModeCount; ++m)
        for (int g = 1; g <= kCorrectedGroups; ++g) {
            const int count = std::clamp<int>(doc.count(m, g), 0, kSlotsPerGroup);
            for (int p = 1; p <= count; ++p) {
                ChannelRecord& r = doc.channels.slot(m, g, p);
                r.Mode = static_cast<std::int16_t>(validMode(doc.options(), r.Mode));
            }
        }
}

void setPublicFlags(Document& doc, int workMode, std::int16_t value) {
    for (int g = 1; g <= groupCount(workMode); ++g)
        for (int p = 1; p <= groupCapacity(workMode, g); ++p) doc.channels.slot(workMode, g, p).Public = value;
}

}  // namespace mv52
