#include "data/frequency.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>

#include "data/fixed_text.h"
#include "data/numeric.h"

namespace mv52 {
namespace {

constexpr std::string_view kErased = "FFFFFFFF";

bool isEmptyFrequency(std::string_view stored) {
    const std::string clean = cleanText(stored);
    return clean.empty() || clean == kErased;
}

}  // namespace

std::string bandTextForWorkMode(int workMode) {
    if (workMode == 0) return kBandTextCb;
    if (workMode == 1) return kBandTextHam;
    return kBandTextOther;
}

int bandCode(std::string_view bandText) { return bandText == kBandTextCb ? 0 : 1; }

BandLimits deriveBandLimits(std::string_view bandText) {
    BandLimits limits;
    const auto dash = bandText.find(" - ");
    if (dash == std::string_view::npos) return limits;
    limits.lower = parseNumber(bandText.substr(0, dash)).value_or(100.0);
    const auto mhz = bandText.find(" MHz", dash);
    const auto upperStart = dash + 3;
    const std::string_view upperText =
        mhz == std::string_view::npos || mhz < upperStart ? std::string_view{}
                                                           : bandText.substr(upperStart, mhz - upperStart);
    limits.upper = parseNumber(upperText).value_or(500.0);
    return limits;
}

CheckedFrequency checkFrequency(double mhz, const BandLimits& band, int workMode, int currentGroup,
                                bool clamp) {
    double lower = band.lower;
    double upper = band.upper;
    if (workMode == 0 && currentGroup >= 13 && currentGroup <= 15) {
        lower = 21.0;
        upper = 21.5;
    }
    if (mhz >= lower && mhz <= upper) {
        const double hz = std::nearbyint(mhz * 1e6);
        const double bandLowerHz = std::nearbyint(band.lower * 1e6);
        const double stepped = hz - std::fmod(hz - bandLowerHz, 10.0);
        return {stepped / 1e6, false};
    }
    if (mhz < lower) return {clamp ? lower : 0.0, true};
    return {clamp ? upper : 0.0, true};
}

NormalisedFrequency normaliseEnteredText(std::string_view text, const BandLimits& band, int workMode,
                                         int currentGroup, bool clamp) {
    CheckedFrequency checked;
    if (auto value = isNumeric(text) ? parseNumber(text) : std::nullopt) {
        checked = checkFrequency(*value, band, workMode, currentGroup, clamp);
    } else {
        checked = {clamp ? band.lower : 0.0, true};
    }
    return {checked.value == 0.0 ? std::string{} : displayFormat(checked.value), checked.outOfRange};
}

DisplayFrequency storedToDisplay(std::string_view stored, double lowerLimit) {
    if (isEmptyFrequency(stored)) return {};
    const std::string clean = cleanText(stored);
    if (!isNumeric(clean) || clean.size() < 2) return {formatShortest(lowerLimit), true};
    const std::string withPoint = clean.substr(0, 2) + "." + clean.substr(2);
    const auto value = parseNumber(withPoint);
    if (!value) return {formatShortest(lowerLimit), true};
    return {displayFormat(*value), false};
}

std::string enteredToStored(std::string_view entered, double lowerLimit) {
    if (entered.empty()) return {};
    std::string text(entered);
    if (!isNumeric(text)) text = formatShortest(lowerLimit);
    auto point = text.find('.');
    if (point == std::string::npos) return text;
    while (point < 2) {  // the point must follow two digits of whole megahertz
        text.insert(0, "0");
        ++point;
    }
    return text.substr(0, 2) + text.substr(point + 1);
}

namespace {

constexpr std::uint64_t kZeroChars = 0x3030303030303030ull;

// Every byte 0x30-0x39: its high half is 3, and adding 6 to its low half does not change that
// (no carry crosses a byte whose high half is 3).
bool isEightDigits(std::uint64_t word) {
    constexpr std::uint64_t kHigh = 0xF0F0F0F0F0F0F0F0ull;
    return (word & kHigh) == kZeroChars && ((word + 0x0606060606060606ull) & kHigh) == kZeroChars;
}

// 0x80 in each byte of x that is zero, 0 in every other byte (exact, no false positives).
std::uint64_t zeroBytes(std::uint64_t x) {
    constexpr std::uint64_t kLow7 = 0x7F7F7F7F7F7F7F7Full;
    return ~(((x & kLow7) + kLow7) | x | kLow7);
}

// The eight characters as the cleaned text padded with '0' (character i in bits 8i to 8i + 7);
// 0 when nothing is left after cleaning. The same as cleanView and padding, without a loop:
// the encoder does this for every channel of the document.
std::uint64_t cleanedPaddedWord(std::string_view stored) {
    std::uint64_t word = 0;
    if constexpr (std::endian::native == std::endian::little) {
        std::memcpy(&word, stored.data(), 8);  // one load; GCC does not merge the byte loads
    } else {
        for (std::size_t i = 0; i < 8; ++i)
            word |= std::uint64_t{static_cast<unsigned char>(stored[i])} << (8 * i);
    }
    const std::uint64_t notSpace = ~zeroBytes(word ^ 0x2020202020202020ull) & 0x8080808080808080ull;
    if (notSpace == 0) return 0;
    int length = (63 - std::countl_zero(notSpace)) / 8 + 1;  // trailing spaces dropped
    const std::uint64_t nul = zeroBytes(word);
    if (nul != 0) length = std::min(length, std::countr_zero(nul) / 8);  // the first NUL ends it
    if (length == 0) return 0;
    const std::uint64_t keep = length == 8 ? ~std::uint64_t{0} : (std::uint64_t{1} << (8 * length)) - 1;
    return (word & keep) | (kZeroChars & ~keep);
}

}  // namespace

FrequencyBytes storedToImage(std::string_view stored) {
    // Only eight decimal digits (fewer are padded with zeros) are a frequency the radio
    // understands; an empty or erased ("FFFFFFFF") text is none. The encoder converts every
    // channel of the document, so the eight digits are checked and packed as one word.
    constexpr FrequencyBytes kNone{0xFF, 0xFF, 0xFF, 0xFF};
    std::uint64_t word = kZeroChars;
    if (stored.size() == 8) {
        word = cleanedPaddedWord(stored);
    } else {  // not the document's own width
        const std::string_view clean = cleanView(stored);
        if (clean.empty() || clean.size() > 8) return kNone;
        for (std::size_t i = 0; i < clean.size(); ++i)
            word = (word & ~(std::uint64_t{0xFF} << (8 * i))) |
                   std::uint64_t{static_cast<unsigned char>(clean[i])} << (8 * i);
    }
    if (word == 0 || !isEightDigits(word)) return kNone;
    FrequencyBytes bytes;
    for (std::size_t k = 0; k < 4; ++k)
        bytes[k] = static_cast<std::uint8_t>(((word >> (16 * k)) & 0x0F) << 4 | ((word >> (16 * k + 8)) & 0x0F));
    return bytes;
}

std::string imageToStored(const FrequencyBytes& bytes) {
    std::array<char, 8> stored;
    imageToStored(bytes, stored);
    return std::string(stored.begin(), stored.end());
}

bool isImageFrequency(std::string_view storedFromImage) { return isDigits(storedFromImage); }

std::string displayFormat(double mhz) { return formatFixed(mhz, 5); }

}  // namespace mv52
