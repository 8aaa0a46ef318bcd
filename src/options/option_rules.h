#pragma once
// The rules the optional-features editor runs beyond writing one field.

#include <cstdint>

namespace mv52 {

struct Document;

// Every used slot of groups 1-10 of both work modes keeps its mode when it is FM, AM, USB,
// LSB or PA and enabled; any other mode becomes the first enabled of those five (FM when
// none is). The CW enable is not looked at.
void correctChannelModes(Document& doc);

// The public flag of every channel slot of the work mode (used or not) set to `value`.
void setPublicFlags(Document& doc, int workMode, std::int16_t value);

}  // namespace mv52
