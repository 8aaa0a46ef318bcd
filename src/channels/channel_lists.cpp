#include "channels/channel_lists.h"

#include <algorithm>

#include "data/groups.h"
#include "document/document.h"

namespace mv52 {

std::vector<std::string> sortedChannelList(const Document& doc, int workMode, int group, int kind) {
    std::vector<int> numbers;
    const int count = std::clamp<int>(doc.count(workMode, group), 0, kSlotsPerGroup);
    for (int p = 1; p <= count; ++p) {
        const int n = doc.channels.slot(workMode, group, p).ChannelNumber;
        if ((kind == 0 && n >= 1 && n <= 40) || (kind == 1 && n >= 41)) numbers.push_back(n);
    }
    std::stable_sort(numbers.begin(), numbers.end());
    std::vector<std::string> items;
    for (int n : numbers) items.push_back(kind == 0 ? std::to_string(n) : "M" + std::to_string(n - 40));
    return items;
}

std::string gridRowName(int workMode, int group, int row) {
    return isMemGroup(workMode, group) ? "M" + std::to_string(row) : std::to_string(row);
}

}  // namespace mv52
