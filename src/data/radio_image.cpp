#include "data/radio_image.h"

#include <algorithm>
#include <stdexcept>

namespace mv52 {

void RadioImage::preTransferFill() {
    bytes_.fill(0xFF);
    std::fill(bytes_.begin() + 0x4600, bytes_.begin() + 0x4901, std::uint8_t{0});
    std::fill(bytes_.begin() + 0x5C80, bytes_.begin() + 0x5CC0, std::uint8_t{0});
}

std::uint8_t RadioImage::at(std::uint32_t index) const {
    if (index >= kSize) throw std::out_of_range("radio image index out of range");
    return bytes_[index];
}

void RadioImage::set(std::uint32_t index, std::uint8_t value) {
    if (index >= kSize) throw std::out_of_range("radio image index out of range");
    bytes_[index] = value;
}

}  // namespace mv52
