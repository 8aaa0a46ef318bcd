#include <gtest/gtest.h>

#include "data/tone_codes.h"

namespace mv52 {
namespace {

TEST(ToneCodes, ListTexts) {
    EXPECT_EQ(ctcssListText(0), "C_001(67.0Hz)");
    EXPECT_EQ(ctcssListText(11), "C_012(100.0Hz)");
    EXPECT_EQ(ctcssListText(37), "C_038(250.3Hz)");
    EXPECT_EQ(ctcssListText(40), "C_001(67.0Hz)");  // outside the table: the first entry
    EXPECT_EQ(ctcssListText(-1), "C_001(67.0Hz)");
    EXPECT_EQ(dcsListText(0), "D_001(023N)");
    EXPECT_EQ(dcsListText(103), "D_104(754N)");
    EXPECT_EQ(dcsListText(104), "D_001(023N)");
    EXPECT_EQ(toneTypeText(2), "DCS");
    EXPECT_EQ(toneTypeText(3), "Off");
}

TEST(ToneCodes, TablesAscend) {
    for (std::size_t i = 1; i < kCtcssTones.size(); ++i) EXPECT_LT(kCtcssTones[i - 1], kCtcssTones[i]);
    for (std::size_t i = 1; i < kDcsCodes.size(); ++i) EXPECT_LT(kDcsCodes[i - 1], kDcsCodes[i]);
    for (int code : kDcsCodes)  // every digit octal
        for (int v = code; v != 0; v /= 10) EXPECT_LT(v % 10, 8) << code;
}

}  // namespace
}  // namespace mv52
