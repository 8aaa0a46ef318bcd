#pragma once
// The byte-exact mirror of the radio's memory, used only for the serial transfer.

#include <array>
#include <cstdint>
#include <span>

namespace mv52 {

class RadioImage {
public:
    static constexpr std::uint32_t kSize = 0x5CC1;          // indices 0x0000-0x5CC0
    static constexpr std::uint32_t kTransferSize = 0x5CC0;  // 0x0000-0x5CBF go over the link
    static constexpr std::uint32_t kBlockSize = 16;
    static constexpr std::uint32_t kBlockCount = kTransferSize / kBlockSize;  // 1,484

    RadioImage() { bytes_.fill(0xFF); }

    // Sets every byte to 0xFF, then zeroes 0x4600-0x4900 and 0x5C80-0x5CBF: the bitmaps,
    // group enable bits, "VFO" slots and packed option bytes the encoder builds bit by bit.
    void preTransferFill();

    // Checked access; an index outside 0x0000-0x5CC0 throws std::out_of_range. Inline: the
    // codecs make some thirty thousand of these calls per image.
    std::uint8_t at(std::uint32_t index) const {
        if (index >= kSize) throwOutOfRange();
        return bytes_[index];
    }
    void set(std::uint32_t index, std::uint8_t value) {
        if (index >= kSize) throwOutOfRange();
        bytes_[index] = value;
    }
    void setBit(std::uint32_t index, int bit) {
        set(index, static_cast<std::uint8_t>(at(index) | (1u << static_cast<unsigned>(bit))));
    }
    bool bit(std::uint32_t index, int bit) const {
        return ((static_cast<unsigned>(at(index)) >> static_cast<unsigned>(bit)) & 1u) != 0;
    }

    std::span<std::uint8_t, kSize> bytes() { return bytes_; }
    std::span<const std::uint8_t, kSize> bytes() const { return bytes_; }

    bool operator==(const RadioImage&) const = default;

private:
    [[noreturn]] static void throwOutOfRange();
    std::array<std::uint8_t, kSize> bytes_{};
};

}  // namespace mv52
