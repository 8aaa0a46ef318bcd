#pragma once
// The option bytes of the radio image.

namespace mv52 {

struct Document;
class RadioImage;

// Writes every option byte, the DTMF settings and code memories. An emergency mode above 3
// is written as 0 and set to 0 in the document as well.
void packOptions(Document& doc, RadioImage& image);
// Reads them back, including the current work mode from the low nibble of 0x4804.
void unpackOptions(Document& doc, const RadioImage& image);

}  // namespace mv52
