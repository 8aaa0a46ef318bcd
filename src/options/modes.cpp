#include "options/modes.h"

#include <array>
#include <utility>

#include "document/option_record.h"

namespace mv52 {

std::vector<std::string> modeList(const OptionRecord& o, bool excludePa) {
    std::vector<std::string> items;
    // Enabled as the check boxes show it: a stored value of 1 or more.
    if (o.fmEnable > 0) items.emplace_back("FM");
    if (o.amEnable > 0) items.emplace_back("AM");
    if (o.usbEnable > 0) items.emplace_back("USB");
    if (o.lsbEnable > 0) items.emplace_back("LSB");
    if (o.paEnable > 0 && !excludePa) items.emplace_back("PA");
    if (o.cwEnable > 0) items.emplace_back("CW");
    return items;
}

std::vector<std::string> disabledModes(const OptionRecord& o) {
    const std::array<std::pair<const char*, bool>, 6> modes{{{"FM", o.fmEnable > 0},
                                                            {"AM", o.amEnable > 0},
                                                            {"USB", o.usbEnable > 0},
                                                            {"LSB", o.lsbEnable > 0},
                                                            {"PA", o.paEnable > 0},
                                                            {"CW", o.cwEnable > 0}}};
    std::vector<std::string> off;
    for (const auto& [name, on] : modes)
        if (!on) off.emplace_back(name);
    return off;
}

int validMode(const OptionRecord& o, int mode) {
    const std::array<bool, 5> enabled{o.fmEnable > 0, o.amEnable > 0, o.usbEnable > 0, o.lsbEnable > 0,
                                      o.paEnable > 0};
    if (mode >= 0 && mode <= 4 && enabled[static_cast<std::size_t>(mode)]) return mode;
    for (int m = 0; m < 5; ++m)
        if (enabled[static_cast<std::size_t>(m)]) return m;
    return 0;
}

}  // namespace mv52
