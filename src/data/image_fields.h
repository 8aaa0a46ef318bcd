#pragma once
// One description of where document fields sit in the radio image, read in both directions:
// a map function calls these operations in image order, and the mapper either packs the
// fields into the image or unpacks them from it. A map function is a template over the
// mapper, so that each direction is compiled on its own with its operations inline: the whole
// image is packed or unpacked in microseconds.

#include <concepts>
#include <cstdint>
#include <initializer_list>
#include <limits>
#include <span>
#include <type_traits>

#include "data/radio_image.h"

namespace mv52 {

// `v` limited to the range of T, so that no value wraps into another.
template <std::integral T>
constexpr T clampToField(long v) {
    constexpr long lo = std::numeric_limits<T>::min();
    constexpr long hi = std::numeric_limits<T>::max();
    return static_cast<T>(v < lo ? lo : v > hi ? hi : v);
}

// A reference to an integer field of any of the document's widths.
class FieldRef {
public:
    FieldRef(std::int16_t& f) : p_(&f), kind_(Kind::I16) {}  // NOLINT: implicit by design, keeps maps terse
    FieldRef(std::uint8_t& f) : p_(&f), kind_(Kind::U8) {}   // NOLINT
    FieldRef(std::int32_t& f) : p_(&f), kind_(Kind::I32) {}  // NOLINT

    long get() const {
        switch (kind_) {
            case Kind::I16: return *static_cast<std::int16_t*>(p_);
            case Kind::U8: return *static_cast<std::uint8_t*>(p_);
            case Kind::I32: return *static_cast<std::int32_t*>(p_);
        }
        return 0;
    }
    // Stores `v`, limited to the field's range.
    void set(long v) const {
        switch (kind_) {
            case Kind::I16: *static_cast<std::int16_t*>(p_) = clampToField<std::int16_t>(v); return;
            case Kind::U8: *static_cast<std::uint8_t*>(p_) = clampToField<std::uint8_t>(v); return;
            case Kind::I32: *static_cast<std::int32_t*>(p_) = clampToField<std::int32_t>(v); return;
        }
    }

private:
    enum class Kind : std::uint8_t { I16, U8, I32 };
    void* p_;
    Kind kind_;
};

// `width` bits at `shift` of a packed byte. The image holds value - unpackAdd.
struct BitField {
    int shift;
    int width;
    FieldRef field;
    int unpackAdd = 0;
};

template <bool Packing>
class ImageMapper {
public:
    using Image = std::conditional_t<Packing, RadioImage, const RadioImage>;
    explicit ImageMapper(Image& image) : image_(image) {}

    static constexpr bool packing() { return Packing; }

    // One byte: pack writes the low byte of (value - unpackAdd); unpack reads it unsigned and
    // adds unpackAdd (the "+1" rule is unpackAdd 1).
    template <std::integral T>
    void byte(std::uint32_t address, T& field, int unpackAdd = 0) {
        if constexpr (Packing)
            image_.set(address, static_cast<std::uint8_t>((static_cast<long>(field) - unpackAdd) & 0xFF));
        else
            field = clampToField<T>(static_cast<long>(image_.at(address)) + unpackAdd);
    }
    // Low byte first.
    template <std::integral T>
    void le16(std::uint32_t address, T& field) {
        if constexpr (Packing) {
            const long v = field;
            image_.set(address, static_cast<std::uint8_t>(v & 0xFF));
            image_.set(address + 1, static_cast<std::uint8_t>((v >> 8) & 0xFF));
        } else {
            field = clampToField<T>(static_cast<long>(image_.at(address)) |
                                    (static_cast<long>(image_.at(address + 1)) << 8));
        }
    }
    // A byte built from bit fields; bits no field names are written 0.
    void packed(std::uint32_t address, std::span<const BitField> fields) {
        if constexpr (Packing) {
            unsigned byteValue = 0;
            for (const BitField& f : fields) {
                const unsigned mask = (1u << f.width) - 1u;
                byteValue |= (static_cast<unsigned>(f.field.get() - f.unpackAdd) & mask) << f.shift;
            }
            image_.set(address, static_cast<std::uint8_t>(byteValue & 0xFFu));
        } else {
            const unsigned byteValue = image_.at(address);
            for (const BitField& f : fields) {
                const unsigned mask = (1u << f.width) - 1u;
                f.field.set(static_cast<long>((byteValue >> f.shift) & mask) + f.unpackAdd);
            }
        }
    }
    void packed(std::uint32_t address, std::initializer_list<BitField> fields) {
        packed(address, std::span<const BitField>(fields.begin(), fields.size()));
    }
    // Written 0, never read.
    void zero(std::uint32_t address) {
        if constexpr (Packing) image_.set(address, 0);
    }
    // Read into the field, never written from it.
    template <std::integral T>
    void readOnly(std::uint32_t address, T& field) {
        if constexpr (!Packing) field = clampToField<T>(image_.at(address));
    }

private:
    Image& image_;
};

using ImagePacker = ImageMapper<true>;
using ImageUnpacker = ImageMapper<false>;

}  // namespace mv52
