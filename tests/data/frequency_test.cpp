#include <gtest/gtest.h>

#include "data/fixed_text.h"
#include "data/frequency.h"

namespace mv52 {
namespace {

const BandLimits kHam = deriveBandLimits(kBandTextHam);
const BandLimits kCb = deriveBandLimits(kBandTextCb);

TEST(Frequency, BandTextsLimitsAndCodes) {
    EXPECT_EQ(bandTextForWorkMode(0), "24.7150 - 30.1050 MHz");
    EXPECT_EQ(bandTextForWorkMode(1), "28.0000 - 29.6950 MHz");
    EXPECT_EQ(bandTextForWorkMode(7), "28.0000 - 29.6990 MHz");
    EXPECT_EQ(kCb, (BandLimits{24.715, 30.105}));
    EXPECT_EQ(kHam, (BandLimits{28.0, 29.695}));
    EXPECT_EQ(deriveBandLimits(kBandTextOther), (BandLimits{28.0, 29.699}));
    EXPECT_EQ(deriveBandLimits("no dash here"), (BandLimits{100.0, 500.0}));
    EXPECT_EQ(deriveBandLimits("abc - 29 MHz"), (BandLimits{100.0, 29.0}));
    EXPECT_EQ(deriveBandLimits("27 - xyz MHz"), (BandLimits{27.0, 500.0}));
    EXPECT_EQ(bandCode(kBandTextCb), 0);
    EXPECT_EQ(bandCode(kBandTextHam), 1);
    EXPECT_EQ(bandCode("anything"), 1);
}

struct NormaliseCase {
    const char* text;
    int workMode;
    int group;
    bool clamp;
    const char* expected;
    bool outOfRange;
};

class NormaliseTest : public ::testing::TestWithParam<NormaliseCase> {};

TEST_P(NormaliseTest, GivesTheDisplayFormOfTheCheckedValue) {
    const NormaliseCase& c = GetParam();
    const BandLimits& band = c.workMode == 0 ? kCb : kHam;
    const NormalisedFrequency result = normaliseEnteredText(c.text, band, c.workMode, c.group, c.clamp);
    EXPECT_EQ(result.text, c.expected) << c.text;
    EXPECT_EQ(result.outOfRange, c.outOfRange) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NormaliseTest,
    ::testing::Values(NormaliseCase{"28.01555", 1, 1, true, "28.01555", false},
                      NormaliseCase{"28.015555", 1, 1, true, "28.01555", false},  // 5 Hz cut off
                      NormaliseCase{"29.700", 1, 1, true, "29.69500", true},
                      NormaliseCase{"29.700", 1, 1, false, "", true},
                      NormaliseCase{"27.0", 1, 1, true, "28.00000", true},
                      NormaliseCase{"abc", 1, 1, true, "28.00000", true},
                      NormaliseCase{"abc", 1, 1, false, "", true},
                      NormaliseCase{"21.2", 0, 14, false, "21.20000", false},  // CB groups 13-15
                      NormaliseCase{"27.185", 0, 14, false, "", true},
                      NormaliseCase{"27.185", 0, 1, false, "27.18500", false},
                      NormaliseCase{"24.715", 0, 1, false, "24.71500", false},
                      NormaliseCase{"30.105", 0, 1, false, "30.10500", false}));

TEST(Frequency, TenHertzStepsCountFromTheBandLowerLimitInThe21MhzGroups) {
    // 21200003 Hz lies below the CB band's 24715000 Hz: the remainder of the negative
    // difference is -7, so the value moves up to 21200010 Hz.
    const CheckedFrequency f = checkFrequency(21.200003, kCb, 0, 13, false);
    EXPECT_FALSE(f.outOfRange);
    EXPECT_EQ(displayFormat(f.value), "21.20001");
    EXPECT_EQ(displayFormat(checkFrequency(28.015555, kHam, 1, 1, false).value), "28.01555");
}

TEST(Frequency, StoredToDisplay) {
    EXPECT_EQ(storedToDisplay("28015000", 28.0).text, "28.01500");
    EXPECT_EQ(storedToDisplay("2801500 ", 28.0).text, "28.01500");
    EXPECT_EQ(storedToDisplay("        ", 28.0).text, "");
    EXPECT_EQ(storedToDisplay("FFFFFFFF", 28.0).text, "");
    EXPECT_EQ(storedToDisplay("00000000", 28.0).text, "0.00000");
    const DisplayFrequency bad = storedToDisplay("28AB5000", 24.715);
    EXPECT_TRUE(bad.notNumeric);
    EXPECT_EQ(bad.text, "24.715");
}

TEST(Frequency, EnteredToStored) {
    struct Case {
        const char* entered;
        const char* stored;
    };
    for (const Case& c : {Case{"28.015000", "28015000"}, Case{"28.01500", "2801500"}, Case{"7.5", "075"},
                          Case{".5", "005"}, Case{"", ""}, Case{"28", "28"}, Case{"xyz", "28"},
                          Case{"27.185", "27185"}})
        EXPECT_EQ(enteredToStored(c.entered, 28.0), c.stored) << c.entered;
}

TEST(Frequency, ImageFormRoundTrip) {
    using B = FrequencyBytes;
    EXPECT_EQ(storedToImage("27185000"), (B{0x27, 0x18, 0x50, 0x00}));
    EXPECT_EQ(storedToImage("2718500 "), (B{0x27, 0x18, 0x50, 0x00}));
    EXPECT_EQ(storedToImage("2801500"), (B{0x28, 0x01, 0x50, 0x00}));
    EXPECT_EQ(storedToImage(std::string("28015\0  ", 8)), (B{0x28, 0x01, 0x50, 0x00}));
    EXPECT_EQ(storedToImage(""), (B{0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(storedToImage("FFFFFFFF"), (B{0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(storedToImage("28.01500"), (B{0xFF, 0xFF, 0xFF, 0xFF}));  // not eight digits
    EXPECT_EQ(imageToStored({0x27, 0x18, 0x50, 0x00}), "27185000");
    EXPECT_EQ(imageToStored({0xFF, 0xFF, 0xFF, 0xFF}), "FFFFFFFF");
    EXPECT_EQ(imageToStored({0x0A, 0xBC, 0x00, 0x01}), "0ABC0001");
    EXPECT_TRUE(isImageFrequency("00000000"));
    EXPECT_FALSE(isImageFrequency("FFFFFFFF"));
    EXPECT_FALSE(isImageFrequency("28015E00"));  // hex letters are never a frequency
}

// The packing works on whole words; against the plain reading (clean the text, pad it with
// zeros to eight, eight digits or nothing) over every short text made of the characters that
// matter: digits, space, NUL, a point, a hex letter.
TEST(Frequency, ImageFormAgreesWithThePlainReadingOfAnyText) {
    const auto plain = [](std::string_view stored) {
        const std::string clean = cleanText(stored);
        FrequencyBytes none{0xFF, 0xFF, 0xFF, 0xFF};
        if (clean.empty() || clean.size() > 8) return none;
        std::string padded = clean + std::string(8 - clean.size(), '0');
        FrequencyBytes bytes{};
        for (std::size_t k = 0; k < 4; ++k) {
            const char hi = padded[2 * k], lo = padded[2 * k + 1];
            if (hi < '0' || hi > '9' || lo < '0' || lo > '9') return none;
            bytes[k] = static_cast<std::uint8_t>((hi - '0') << 4 | (lo - '0'));
        }
        return bytes;
    };
    const std::string alphabet("0123456789 \0.F9", 16);
    std::uint32_t seed = 12345;
    const auto next = [&] { return seed = seed * 1103515245u + 12345u, (seed >> 16) & 0x7FFF; };
    for (int i = 0; i < 200000; ++i) {
        const std::size_t length = i % 5 == 0 ? next() % 11 : 8;  // mostly the document's width
        std::string text;
        // Runs of one kind, so that trailing spaces and early NULs come up often.
        const unsigned tail = next() % 9;
        for (std::size_t k = 0; k < length; ++k)
            text += k >= length - std::min<std::size_t>(tail, length) && next() % 2 ? ' ' : alphabet[next() % alphabet.size()];
        ASSERT_EQ(storedToImage(text), plain(text)) << '"' << text << '"';
    }
}

}  // namespace
}  // namespace mv52
