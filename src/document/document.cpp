#include "document/document.h"

#include <stdexcept>

#include "data/frequency.h"

namespace mv52 {

void ChannelTable::throwOutOfRange() { throw std::out_of_range("channel position outside the table"); }

bool Document::appendChannel(int workMode, int group, int number,
                             const std::string& enteredFrequency) {
    std::int16_t& n = count(workMode, group);
    if (n < 0 || n >= kSlotsPerGroup) return false;
    ++n;
    ChannelRecord& r = channels.slot(workMode, group, n);
    r = ChannelRecord{};
    r.ChannelNumber = static_cast<std::int16_t>(number);
    r.Present = 1;
    r.ScanAdd = 1;
    const std::string stored = enteredToStored(enteredFrequency, 0.0);
    r.RxFrequency.set(stored);
    r.TxFrequency.set(stored);
    r.NbAnl = 1;
    return true;
}

int Document::findChannel(int workMode, int group, int number) const {
    const int n = count(workMode, group);
    for (int p = 1; p <= n && p <= kSlotsPerGroup; ++p)
        if (channels.slot(workMode, group, p).ChannelNumber == number) return p;
    return 0;
}

}  // namespace mv52
