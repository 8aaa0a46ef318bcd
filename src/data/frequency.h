#pragma once
// Channel frequencies in their four forms: entered/display text, stored text (8 digits,
// whole MHz first, no point), four packed-decimal image bytes, and a value in MHz.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace mv52 {

inline constexpr const char* kBandTextCb = "24.7150 - 30.1050 MHz";
inline constexpr const char* kBandTextHam = "28.0000 - 29.6950 MHz";
inline constexpr const char* kBandTextOther = "28.0000 - 29.6990 MHz";

struct BandLimits {
    double lower = 100.0;
    double upper = 500.0;
    bool operator==(const BandLimits&) const = default;
};

std::string bandTextForWorkMode(int workMode);
// 0 for the CB band text, 1 for any other text.
int bandCode(std::string_view bandText);
BandLimits deriveBandLimits(std::string_view bandText);

struct CheckedFrequency {
    double value = 0;         // the accepted value, a band limit, or 0
    bool outOfRange = false;  // the caller warns with "Frequency is out of range." when asked to
};

// CB groups 13-15 are limited to 21.0-21.5 MHz; everything else to the band limits. An
// accepted value is cut to a whole 10 Hz step counted from the band's lower limit.
CheckedFrequency checkFrequency(double mhz, const BandLimits& band, int workMode, int currentGroup,
                                bool clamp);

struct NormalisedFrequency {
    std::string text;  // display form, or empty for 0
    bool outOfRange = false;
};
NormalisedFrequency normaliseEnteredText(std::string_view text, const BandLimits& band, int workMode,
                                         int currentGroup, bool clamp);

struct DisplayFrequency {
    std::string text;
    bool notNumeric = false;  // the caller shows "Not IsNumeric"
};
// "#0.00000" of the stored text; empty for an empty or "FFFFFFFF" text.
DisplayFrequency storedToDisplay(std::string_view stored, double lowerLimit);

// "28.015000" -> "28015000", "28.01500" -> "2801500", "7.5" -> "075"; a non-numeric text
// becomes the lower band limit in its shortest form.
std::string enteredToStored(std::string_view entered, double lowerLimit);

using FrequencyBytes = std::array<std::uint8_t, 4>;
// Eight decimal digits in packed BCD; four 0xFF for an empty or unusable text.
FrequencyBytes storedToImage(std::string_view stored);
// Each byte as two upper-case hexadecimal digits.
std::string imageToStored(const FrequencyBytes& bytes);
inline void imageToStored(const FrequencyBytes& bytes, std::array<char, 8>& stored) {
    constexpr char kHex[] = "0123456789ABCDEF";
    for (std::size_t k = 0; k < 4; ++k) {
        stored[2 * k] = kHex[bytes[k] >> 4];
        stored[2 * k + 1] = kHex[bytes[k] & 0x0F];
    }
}
// True when the image text is a frequency (eight decimal digits) and so a channel.
bool isImageFrequency(std::string_view storedFromImage);
// The same of the bytes themselves: every half-byte 0 to 9.
inline bool isDecimalImageFrequency(const FrequencyBytes& bytes) {
    for (std::uint8_t b : bytes)
        if ((b >> 4) > 9 || (b & 0x0F) > 9) return false;
    return true;
}

std::string displayFormat(double mhz);  // "#0.00000"

}  // namespace mv52
