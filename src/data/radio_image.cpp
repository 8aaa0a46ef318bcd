#include "data/radio_image.h"

#include <algorithm>
#include <stdexcept>

namespace mv52 {

void RadioImage::preTransferFill() {
    bytes_.fill(0xFF);
    std::fill(bytes_.begin() + 0x4600, bytes_.begin() + 0x4901, std::uint8_t{0});
    std::fill(bytes_.begin() + 0x5C80, bytes_.begin() + 0x5CC0, std::uint8_t{0});
}

void RadioImage::throwOutOfRange() { throw std::out_of_range("radio image index out of range"); }

}  // namespace mv52
