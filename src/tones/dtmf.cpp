#include "tones/dtmf.h"

#include <algorithm>

#include "data/radio_image.h"
#include "data/value_helpers.h"
#include "document/document.h"
#include "tones/references.h"

namespace mv52 {
namespace {

constexpr char32_t kCtrlC = 3;
constexpr char32_t kCtrlV = 22;
constexpr char32_t kCtrlX = 24;

// The character a memory holds for `c`, or 0.
char memoryChar(char32_t c) {
    if ((c >= U'0' && c <= U'9') || c == U'*' || c == U'#' || (c >= U'A' && c <= U'D')) return static_cast<char>(c);
    if (c >= U'a' && c <= U'd') return static_cast<char>(c - U'a' + U'A');
    return 0;
}

}  // namespace

std::optional<char32_t> dtmfEditorKey(char32_t typed) {
    if (typed == kCtrlC || typed == kCtrlV || typed == kCtrlX || typed > 127) return std::nullopt;
    if (typed < 32 || typed == 127) return typed;
    if (const char c = memoryChar(typed)) return static_cast<char32_t>(c);
    return std::nullopt;
}

bool isDtmfMemoryText(std::string_view text) {
    return text.size() <= kDtmfMemoryLength &&
           std::all_of(text.begin(), text.end(), [](char c) { return memoryChar(static_cast<unsigned char>(c)) != 0; });
}

std::string dtmfMemoryText(std::string_view typed) {
    std::string out;
    for (const char c : typed)
        if (const char kept = memoryChar(static_cast<unsigned char>(c)); kept != 0 && out.size() < kDtmfMemoryLength)
            out += kept;
    return out;
}

void storeDtmfMemory(Document& doc, int n, std::string_view typed) {
    if (n < 1 || n > kDtmfMemoryCount) return;
    setDtmfMemory(doc.options().dtmfMemory[static_cast<std::size_t>(n - 1)], dtmfMemoryText(typed));
    cleanDtmfReferences(doc);
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
