#include "tones/dtmf.h"

#include <algorithm>

#include "data/radio_image.h"
#include "data/value_helpers.h"

namespace mv52 {

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

std::vector<int> usedDtmfMemories(const DtmfMemories& memories) {
    std::vector<int> used;
    for (int n = 1; n <= kDtmfMemoryCount; ++n)
        if (validDtmfCode(memories, n) != 0) used.push_back(n);
    return used;
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

}  // namespace mv52
