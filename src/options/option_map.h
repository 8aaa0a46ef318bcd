#pragma once
// The option bytes of the radio image.

#include <cstdint>

namespace mv52 {

struct FurtherOptions;
struct OptionRecord;
class RadioImage;

// The fields of the document header the option bytes carry.
struct OptionFields {
    OptionRecord& options;
    FurtherOptions& further;
    std::int16_t& currentWorkMode;
};

// Writes every option byte, the DTMF settings and code memories. An emergency mode above 3
// is written as 0 and set to 0 in the document as well.
void packOptions(OptionFields fields, RadioImage& image);
// Reads them back, including the current work mode from the low nibble of 0x4804.
void unpackOptions(OptionFields fields, const RadioImage& image);

}  // namespace mv52
