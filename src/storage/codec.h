#pragma once
// Encoding the document into the radio image before a write, decoding it after a read.

namespace mv52 {

struct Workspace;

// Expects the pre-transfer fill. Channels (CB groups 1-17, HAM 1-14, positions 1..count),
// then options and DTMF memories, then the roger-beep table.
void encodeDocument(Workspace& ws);

// Replaces the current document's channels, the options the image carries and the roger-beep
// table; sets the current work mode and with it the band text and limits. The saved copy is
// not touched.
void decodeImage(Workspace& ws);

}  // namespace mv52
