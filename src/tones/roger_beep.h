#pragma once
// The eight roger-beep entries: defaults, validity and image layout.

#include <cstdint>
#include <vector>

#include "document/roger_beep_table.h"

namespace mv52 {

class RadioImage;

void resetRogerBeepDefaults(RogerBeepTable& table);

// n when entry n (1-8) has `recycleTimes` >= 1 and a tone of length > 0, else 0.
int validRogerEntry(const RogerBeepTable& table, int n);
int countValidRogerEntries(const RogerBeepTable& table);
// The numbers of the valid entries, ascending: what the roger lists offer after "Off".
std::vector<int> validRogerEntries(const RogerBeepTable& table);

// Image index of entry n's first byte: two entries of 30 bytes in each 64-byte block.
std::uint32_t rogerEntryImageAddress(int n);
void packRogerBeepTable(const RogerBeepTable& table, RadioImage& image);
void unpackRogerBeepTable(RogerBeepTable& table, const RadioImage& image);

}  // namespace mv52
