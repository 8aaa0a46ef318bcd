#include <gtest/gtest.h>

#include "options/modes.h"
#include "document/option_record.h"

namespace mv52 {
namespace {

OptionRecord modes(int fm, int am, int usb, int lsb, int pa, int cw) {
    OptionRecord o;
    o.fmEnable = static_cast<std::int16_t>(fm);
    o.amEnable = static_cast<std::int16_t>(am);
    o.usbEnable = static_cast<std::int16_t>(usb);
    o.lsbEnable = static_cast<std::int16_t>(lsb);
    o.paEnable = static_cast<std::int16_t>(pa);
    o.cwEnable = static_cast<std::int16_t>(cw);
    return o;
}

TEST(Modes, ModeListsAndValidModes) {
    using V = std::vector<std::string>;
    EXPECT_EQ(modeList(modes(1, 1, 1, 1, 1, 1), false), (V{"FM", "AM", "USB", "LSB", "PA", "CW"}));
    EXPECT_EQ(modeList(modes(1, 1, 1, 1, 1, 1), true), (V{"FM", "AM", "USB", "LSB", "CW"}));
    EXPECT_EQ(modeList(modes(0, 1, 0, 1, 0, 0), false), (V{"AM", "LSB"}));
    EXPECT_EQ(validMode(modes(0, 0, 1, 1, 0, 0), 4), 2);  // PA off: first enabled is USB
    EXPECT_EQ(validMode(modes(0, 1, 1, 1, 1, 1), 5), 1);  // CW has no code here
    EXPECT_EQ(validMode(modes(1, 1, 1, 1, 1, 1), 3), 3);
    EXPECT_EQ(validMode(modes(0, 0, 0, 0, 0, 1), 2), 0);
}

}  // namespace
}  // namespace mv52
