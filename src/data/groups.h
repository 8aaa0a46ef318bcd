#pragma once
// Work modes and their groups. Work mode 0 is CB (groups 1-15 of 40 slots, 16 "MEM" of 99,
// 17 "VFO" of 1); work mode 1 is HAM (groups 1-12, 13 "MEM", 14 "VFO").

#include <array>
#include <cstdint>

namespace mv52 {

constexpr int kWorkModeCb = 0;
constexpr int kWorkModeHam = 1;
constexpr int kWorkModeCount = 2;
constexpr int kMaxGroups = 17;      // per-group tables have room for 17 groups per work mode
constexpr int kSlotsPerGroup = 99;  // channel positions per group in the document

constexpr int groupCount(int workMode) { return workMode == kWorkModeCb ? 17 : 14; }
constexpr int memGroup(int workMode) { return workMode == kWorkModeCb ? 16 : 13; }
constexpr int vfoGroup(int workMode) { return workMode == kWorkModeCb ? 17 : 14; }
constexpr bool isMemGroup(int workMode, int group) { return group == memGroup(workMode); }
constexpr bool isVfoGroup(int workMode, int group) { return group == vfoGroup(workMode); }

// Channels a group holds in the radio: 40, 99 or 1.
constexpr int groupCapacity(int workMode, int group) {
    if (isMemGroup(workMode, group)) return 99;
    if (isVfoGroup(workMode, group)) return 1;
    return 40;
}

// One value for each (work mode, group 1-17), work mode varying fastest: 34 entries.
template <typename T>
struct PerGroup {
    std::array<T, kWorkModeCount * kMaxGroups> values{};

    static constexpr int index(int workMode, int group) { return 2 * (group - 1) + workMode; }
    T& at(int workMode, int group) { return values.at(static_cast<std::size_t>(index(workMode, group))); }
    const T& at(int workMode, int group) const {
        return values.at(static_cast<std::size_t>(index(workMode, group)));
    }
    bool operator==(const PerGroup&) const = default;
};

using PerGroupI16 = PerGroup<std::int16_t>;

}  // namespace mv52
