#include "data/image_fields.h"

#include <algorithm>
#include <limits>

namespace mv52 {

long FieldRef::get() const {
    return std::visit([](auto* p) { return static_cast<long>(*p); }, p_);
}

void FieldRef::set(long v) const {
    std::visit(
        [v](auto* p) {
            using T = std::remove_pointer_t<decltype(p)>;
            const long lo = std::numeric_limits<T>::min();
            const long hi = std::numeric_limits<T>::max();
            *p = static_cast<T>(std::clamp(v, lo, hi));
        },
        p_);
}

void ImageMapper::byte(std::uint32_t address, FieldRef field, int unpackAdd) {
    if (packing())
        out_->set(address, static_cast<std::uint8_t>((field.get() - unpackAdd) & 0xFF));
    else
        field.set(static_cast<long>(in_->at(address)) + unpackAdd);
}

void ImageMapper::le16(std::uint32_t address, FieldRef field) {
    if (packing()) {
        const long v = field.get();
        out_->set(address, static_cast<std::uint8_t>(v & 0xFF));
        out_->set(address + 1, static_cast<std::uint8_t>((v >> 8) & 0xFF));
    } else {
        field.set(static_cast<long>(in_->at(address)) | (static_cast<long>(in_->at(address + 1)) << 8));
    }
}

void ImageMapper::packed(std::uint32_t address, std::span<const BitField> fields) {
    if (packing()) {
        unsigned byteValue = 0;
        for (const BitField& f : fields) {
            const unsigned mask = (1u << f.width) - 1u;
            byteValue |= (static_cast<unsigned>(f.field.get() - f.unpackAdd) & mask) << f.shift;
        }
        out_->set(address, static_cast<std::uint8_t>(byteValue & 0xFFu));
    } else {
        const unsigned byteValue = in_->at(address);
        for (const BitField& f : fields) {
            const unsigned mask = (1u << f.width) - 1u;
            f.field.set(static_cast<long>((byteValue >> f.shift) & mask) + f.unpackAdd);
        }
    }
}

void ImageMapper::zero(std::uint32_t address) {
    if (packing()) out_->set(address, 0);
}

void ImageMapper::readOnly(std::uint32_t address, FieldRef field) {
    if (!packing()) field.set(in_->at(address));
}

}  // namespace mv52
