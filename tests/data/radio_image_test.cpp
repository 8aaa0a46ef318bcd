#include <gtest/gtest.h>

#include "data/radio_image.h"

namespace mv52 {
namespace {

TEST(RadioImage, FillSetsFFOutsideTheZeroedAreas) {
    RadioImage image;
    image.preTransferFill();
    EXPECT_EQ(image.at(0x4900), 0x00);
    EXPECT_EQ(image.at(0x4600), 0x00);
    EXPECT_EQ(image.at(0x48FF), 0x00);
    for (std::uint32_t i : {0x4901u, 0x49FFu, 0x4380u, 0x447Fu, 0x5CC0u, 0x0000u, 0x45FFu, 0x5C7Fu})
        EXPECT_EQ(image.at(i), 0xFF) << std::hex << i;
    for (std::uint32_t i = 0x5C80; i <= 0x5CBF; ++i) EXPECT_EQ(image.at(i), 0x00) << std::hex << i;
}

TEST(RadioImage, AccessOutsideTheImageThrows) {
    RadioImage image;
    EXPECT_NO_THROW(image.at(0x5CC0));
    EXPECT_THROW(image.at(0x5CC1), std::out_of_range);
    EXPECT_THROW(image.set(0x10000, 1), std::out_of_range);
}

}  // namespace
}  // namespace mv52
