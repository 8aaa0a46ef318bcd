#pragma once
// The comparison behind "Verify after Write": the image written against the image read back.

#include <vector>

#include "data/radio_image.h"

namespace mv52 {

// The addresses of the blocks, in the transferred range, where `readBack` holds other bytes
// than `written`; in address order.
std::vector<int> differingBlocks(const RadioImage& written, const RadioImage& readBack);

}  // namespace mv52
