#include "tones/dtmf.h"

#include <algorithm>

#include "data/document.h"
#include "data/radio_image.h"
#include "data/value_helpers.h"

namespace mv52 {
namespace {
constexpr int kCleanedGroups = 10;  // references are cleaned in groups 1-10 only
}

void resetDtmfDefaults(DtmfSettings& settings, DtmfMemories& memories) {
    settings = DtmfSettings{1, 1, 1, 0, 0, 0};
    for (DtmfMemory& m : memories) setDtmfMemory(m, "");
}

void setDtmfMemory(DtmfMemory& memory, std::string_view text) {
    memory.set(cleanText(text) + std::string(1, '\0'));
}

int validDtmfCode(const DtmfMemories& memories, int n) {
    if (n < 1 || n > kDtmfMemoryCount) return 0;
    return memories[static_cast<std::size_t>(n - 1)].clean().empty() ? 0 : n;
}

void packDtmfMemories(const DtmfMemories& memories, RadioImage& image) {
    for (std::size_t n = 0; n < memories.size(); ++n) {
        const std::string text = memories[n].clean();
        const std::uint32_t base = kDtmfImageBase + static_cast<std::uint32_t>(16 * n);
        for (std::size_t j = 0; j < 16; ++j) {
            const std::uint8_t code =
                j < text.size() ? dtmfCharToCode(std::string_view(&text[j], 1)) : kDtmfUnusedCode;
            image.set(base + static_cast<std::uint32_t>(j), code);
        }
    }
}

void unpackDtmfMemories(DtmfMemories& memories, const RadioImage& image) {
    for (std::size_t n = 0; n < memories.size(); ++n) {
        const std::uint32_t base = kDtmfImageBase + static_cast<std::uint32_t>(16 * n);
        std::string text;
        for (std::uint32_t j = 0; j < 16; ++j) {
            const std::uint8_t code = image.at(base + j);
            if (code > 15) break;
            text += dtmfCodeToChar(code);
        }
        setDtmfMemory(memories[n], text);
    }
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
