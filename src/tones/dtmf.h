#pragma once
// DTMF code memories and timing settings: storage, cleaning, digit coding and references.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "document/dtmf_record.h"

namespace mv52 {

class RadioImage;
struct Document;

constexpr std::uint32_t kDtmfImageBase = 0x4480;
constexpr std::uint32_t kDtmfSettingsImageBase = 0x4A1B;
constexpr std::uint8_t kDtmfUnusedCode = 16;
constexpr std::size_t kDtmfMemoryLength = 16;

void resetDtmfDefaults(DtmfSettings& settings, DtmfMemories& memories);

// Stores a memory's text: cleaned, then one NUL, padded with spaces to 16 (longer texts cut).
void setDtmfMemory(DtmfMemory& memory, std::string_view text);

// A character typed into a memory's editor: what the editor takes for it ("a"-"d" become
// capitals; control characters pass for the editing keys), or nullopt when it is discarded
// (the cut, paste and copy controls, anything beyond ASCII, any other character).
std::optional<char32_t> dtmfEditorKey(char32_t typed);

// True when every character is one a memory holds (a-d also, for their capitals) and there
// are at most 16.
bool isDtmfMemoryText(std::string_view text);
// The text a memory holds for `typed`: its digits, "A"-"D" (also from "a"-"d"), "*" and "#",
// the first 16 of them; everything else is left out.
std::string dtmfMemoryText(std::string_view typed);

// Stores memory n (1-16) as the DTMF window does and cleans every reference to a memory that
// is now empty.
void storeDtmfMemory(Document& doc, int n, std::string_view typed);

// n when 1 <= n <= 16 and memory n is not empty, else 0.
int validDtmfCode(const DtmfMemories& memories, int n);
// The numbers of the memories that hold a code, ascending: what the DTMF lists offer after "Off".
std::vector<int> usedDtmfMemories(const DtmfMemories& memories);

void packDtmfMemories(const DtmfMemories& memories, RadioImage& image);
void unpackDtmfMemories(DtmfMemories& memories, const RadioImage& image);

}  // namespace mv52
