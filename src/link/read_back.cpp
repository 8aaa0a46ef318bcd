#include "link/read_back.h"

#include <algorithm>

namespace mv52 {

std::vector<int> differingBlocks(const RadioImage& written, const RadioImage& readBack) {
    std::vector<int> addresses;
    const auto a = written.bytes();
    const auto b = readBack.bytes();
    for (std::uint32_t at = 0; at < RadioImage::kTransferSize; at += RadioImage::kBlockSize)
        if (!std::equal(a.begin() + at, a.begin() + at + RadioImage::kBlockSize, b.begin() + at))
            addresses.push_back(static_cast<int>(at));
    return addresses;
}

}  // namespace mv52
