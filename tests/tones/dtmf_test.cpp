#include <gtest/gtest.h>

#include "data/radio_image.h"
#include "tones/dtmf.h"

namespace mv52 {
namespace {

TEST(Dtmf, StoringCleansAndPadsWithANul) {
    DtmfMemory m;
    setDtmfMemory(m, "12A*  ");
    EXPECT_EQ(m.raw(), std::string("12A*\0           ", 16));
    EXPECT_EQ(m.clean(), "12A*");
    setDtmfMemory(m, "0123456789ABCD*#99");
    EXPECT_EQ(m.raw(), "0123456789ABCD*#");
    setDtmfMemory(m, "      ");
    EXPECT_EQ(m.clean(), "");
}

TEST(Dtmf, ValidCodeNumbers) {
    DtmfMemories memories;
    for (DtmfMemory& m : memories) setDtmfMemory(m, "");
    setDtmfMemory(memories[2], "55");
    memories[4].set("                ");  // spaces only
    EXPECT_EQ(validDtmfCode(memories, 3), 3);
    EXPECT_EQ(validDtmfCode(memories, 5), 0);
    EXPECT_EQ(validDtmfCode(memories, 0), 0);
    EXPECT_EQ(validDtmfCode(memories, 17), 0);
}

TEST(Dtmf, DigitCodingInTheImage) {
    DtmfMemories memories;
    for (DtmfMemory& m : memories) setDtmfMemory(m, "");
    setDtmfMemory(memories[0], "12A*");
    setDtmfMemory(memories[15], "0123456789ABCD*#");
    RadioImage image;
    image.preTransferFill();
    packDtmfMemories(memories, image);
    const std::uint8_t first[16] = {1, 2, 10, 14, 16, 16, 16, 16, 16, 16, 16, 16, 16, 16, 16, 16};
    for (std::uint32_t j = 0; j < 16; ++j) EXPECT_EQ(image.at(0x4480 + j), first[j]);
    for (std::uint32_t j = 0; j < 16; ++j) EXPECT_EQ(image.at(0x4570 + j), j);
    for (std::uint32_t j = 0; j < 16; ++j) EXPECT_EQ(image.at(0x4490 + j), 16);  // empty memory 2

    image.set(0x4490, 0x05);
    image.set(0x4491, 0x0F);
    DtmfMemories back;
    unpackDtmfMemories(back, image);
    EXPECT_EQ(back[0].clean(), "12A*");
    EXPECT_EQ(back[1].clean(), "5#");
    EXPECT_EQ(back[15].raw(), "0123456789ABCD*#");
}

TEST(Dtmf, TheMemoryEditorsKeys) {
    struct Case {
        char32_t typed;
        std::optional<char32_t> passes;
    };
    for (const Case& c : {Case{U'7', U'7'}, Case{U'*', U'*'}, Case{U'#', U'#'}, Case{U'a', U'A'}, Case{U'D', U'D'},
                          Case{U'e', std::nullopt}, Case{U' ', std::nullopt}, Case{U'+', std::nullopt},
                          Case{U'\u00e9', std::nullopt}, Case{U'\u4e00', std::nullopt},
                          Case{3, std::nullopt}, Case{22, std::nullopt}, Case{24, std::nullopt},  // copy, paste, cut
                          Case{8, 8}, Case{127, 127}})                                            // backspace, delete
        EXPECT_EQ(dtmfEditorKey(c.typed), c.passes) << static_cast<unsigned>(c.typed);
}

TEST(Dtmf, MemoryTexts) {
    EXPECT_EQ(dtmfMemoryText("1a2b*#xZ 9"), "1A2B*#9");
    EXPECT_EQ(dtmfMemoryText("01234567890123456789"), "0123456789012345");
    EXPECT_TRUE(isDtmfMemoryText("cd#"));
    EXPECT_TRUE(isDtmfMemoryText(""));
    EXPECT_FALSE(isDtmfMemoryText("12 "));
}

}  // namespace
}  // namespace mv52
