#pragma once
// One description of where document fields sit in the radio image, read in both directions:
// a map function calls these operations in image order, and the mapper either packs the
// fields into the image or unpacks them from it.

#include <cstdint>
#include <initializer_list>
#include <span>
#include <variant>

#include "data/radio_image.h"

namespace mv52 {

// A reference to an integer field of any of the document's widths.
class FieldRef {
public:
    FieldRef(std::int16_t& f) : p_(&f) {}  // NOLINT: implicit by design, keeps maps terse
    FieldRef(std::uint8_t& f) : p_(&f) {}  // NOLINT
    FieldRef(std::int32_t& f) : p_(&f) {}  // NOLINT
    long get() const;
    // Stores `v`, limited to the field's range so that no value wraps into another.
    void set(long v) const;

private:
    std::variant<std::int16_t*, std::uint8_t*, std::int32_t*> p_;
};

// `width` bits at `shift` of a packed byte. The image holds value - unpackAdd.
struct BitField {
    int shift;
    int width;
    FieldRef field;
    int unpackAdd = 0;
};

class ImageMapper {
public:
    static ImageMapper packer(RadioImage& image) { return ImageMapper(&image, &image); }
    static ImageMapper unpacker(const RadioImage& image) { return ImageMapper(nullptr, &image); }

    bool packing() const { return out_ != nullptr; }

    // One byte: pack writes the low byte of (value - unpackAdd); unpack reads it unsigned and
    // adds unpackAdd (the "+1" rule is unpackAdd 1).
    void byte(std::uint32_t address, FieldRef field, int unpackAdd = 0);
    // Low byte first.
    void le16(std::uint32_t address, FieldRef field);
    // A byte built from bit fields; bits no field names are written 0.
    void packed(std::uint32_t address, std::span<const BitField> fields);
    void packed(std::uint32_t address, std::initializer_list<BitField> fields) {
        packed(address, std::span<const BitField>(fields.begin(), fields.size()));
    }
    // Written 0, never read.
    void zero(std::uint32_t address);
    // Read into the field, never written from it.
    void readOnly(std::uint32_t address, FieldRef field);

private:
    ImageMapper(RadioImage* out, const RadioImage* in) : out_(out), in_(in) {}
    RadioImage* out_;       // null when unpacking
    const RadioImage* in_;
};

}  // namespace mv52
