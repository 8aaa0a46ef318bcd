#pragma once
// DTMF code memories and timing settings: storage, cleaning, digit coding and references.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "document/dtmf_record.h"

namespace mv52 {

class RadioImage;

constexpr std::uint32_t kDtmfImageBase = 0x4480;
constexpr std::uint32_t kDtmfSettingsImageBase = 0x4A1B;
constexpr std::uint8_t kDtmfUnusedCode = 16;

void resetDtmfDefaults(DtmfSettings& settings, DtmfMemories& memories);

// Stores a memory's text: cleaned, then one NUL, padded with spaces to 16 (longer texts cut).
void setDtmfMemory(DtmfMemory& memory, std::string_view text);

// n when 1 <= n <= 16 and memory n is not empty, else 0.
int validDtmfCode(const DtmfMemories& memories, int n);
// The numbers of the memories that hold a code, ascending: what the DTMF lists offer after "Off".
std::vector<int> usedDtmfMemories(const DtmfMemories& memories);

void packDtmfMemories(const DtmfMemories& memories, RadioImage& image);
void unpackDtmfMemories(DtmfMemories& memories, const RadioImage& image);

}  // namespace mv52
