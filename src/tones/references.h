#pragma once
// The clean-ups that keep every reference of the document to a roger-beep entry or a DTMF
// memory pointing at one that is valid.

namespace mv52 {

struct Document;

// Replaces the roger field of every channel of groups 1-10 (both work modes) and the
// public channel's `publicRoger` by its valid entry number; `comChanRb` is left alone.
// True when any reference changed.
bool cleanRogerReferences(Document& doc);

// Replaces every begin, end and call reference of the channels of groups 1-10 (both work
// modes) and of the public channel by its valid code number.
void cleanDtmfReferences(Document& doc);

}  // namespace mv52
