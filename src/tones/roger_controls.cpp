#include "tones/roger_controls.h"

#include <string>
#include <utility>

#include "data/numeric.h"
#include "data/value_helpers.h"
#include "document/document.h"
#include "lang/roger_beep_texts.h"
#include "tones/references.h"
#include "tones/roger_beep.h"

namespace mv52 {
namespace {

using Items = std::vector<std::string>;
using EntryOf = std::function<int()>;

RogerBeepEntry& entryIn(Document& d, int n) { return d.header.rogerBeep.at(static_cast<std::size_t>(n - 1)); }
const RogerBeepEntry& entryIn(const Document& d, int n) { return d.header.rogerBeep.at(static_cast<std::size_t>(n - 1)); }

unsigned effectOf(RogerChange change) {
    const bool lists = change == RogerChange::ValidityChanged || change == RogerChange::ReferencesCleaned;
    return lists ? unsigned{kEffectRogerReferences} : unsigned{kEffectNone};
}

// A list whose position is the field's value.
ControlRow byPosition(std::string name, RogerList list, EntryOf entry,
                      std::int16_t (*field)(const RogerBeepEntry&), std::function<unsigned(Document&, int position)> write) {
    ControlRow row;
    row.objectName = std::move(name);
    row.items = [list](const Document&, LanguageIndex language) { return items(list, language); };
    row.shown = [entry, field](const Document& d, const Items& shownItems) {
        return listIndexByIndex(shownItems, field(entryIn(d, entry())));
    };
    row.write = [write = std::move(write)](Document& d, const ControlChoice& c) { return write(d, c.position); };
    return row;
}

ControlRow recycleTimes(const EntryOf& entry) {
    ControlRow row = byPosition(
        "Combo1_0", RogerList::RecycleTimes, entry, [](const RogerBeepEntry& e) { return e.recycleTimes(); },
        [entry](Document& d, int position) {
            const int n = entry();
            if (position == entryIn(d, n).recycleTimes()) return unsigned{kEffectNone};
            return effectOf(changeRogerEntry(d, n, [position](RogerBeepEntry& e) {
                e.recycleTimes() = static_cast<std::int16_t>(position);
            }));
        });
    row.label = [](LanguageIndex language) { return text(RogerText::RecycleTimes, language); };
    return row;
}

ControlRow interTime(const EntryOf& entry) {
    ControlRow row = byPosition(
        "Combo2_0", RogerList::InterTime, entry, [](const RogerBeepEntry& e) { return e.interTime(); },
        [entry](Document& d, int position) {
            entryIn(d, entry()).interTime() = static_cast<std::int16_t>(position);
            return unsigned{kEffectNone};
        });
    row.label = [](LanguageIndex language) { return text(RogerText::InterTime, language); };
    return row;
}

// Tone i's frequency, chosen by text: the item "1000" stores 100; "None" stores 0. A stored
// value no item shows (1-39, above 255) shows "None" and stays until another item is chosen.
ControlRow toneFrequency(int tone, const EntryOf& entry) {
    ControlRow row;
    row.objectName = "Combo3_" + std::to_string(tone - 1);
    row.label = [tone](LanguageIndex language) { return toneRowName(tone, language); };
    row.items = [](const Document&, LanguageIndex language) { return items(RogerList::ToneFrequency, language); };
    row.shown = [tone, entry](const Document& d, const Items& shownItems) {
        const int f = entryIn(d, entry()).toneFreq(tone);
        return listIndexByText(shownItems, f == 0 ? std::string() : std::to_string(f * 10));
    };
    row.write = [tone, entry](Document& d, const ControlChoice& c) {
        const int hz = c.position == 0 || !isDigits(c.text) ? 0 : numberFromText(c.text, 0);
        entryIn(d, entry()).toneFreq(tone) = static_cast<std::int16_t>(hz / 10);
        return unsigned{kEffectNone};
    };
    return row;
}

// Tone i's length, by position; no label of its own (the column's heading names it).
ControlRow toneLength(int tone, const EntryOf& entry) {
    ControlRow row;
    row.objectName = "Combo4_" + std::to_string(tone - 1);
    row.items = [](const Document&, LanguageIndex language) { return items(RogerList::ToneLength, language); };
    row.shown = [tone, entry](const Document& d, const Items& shownItems) {
        return listIndexByIndex(shownItems, entryIn(d, entry()).toneLength(tone));
    };
    row.write = [tone, entry](Document& d, const ControlChoice& c) {
        const int n = entry();
        if (c.position == entryIn(d, n).toneLength(tone)) return unsigned{kEffectNone};
        return effectOf(changeRogerEntry(d, n, [tone, &c](RogerBeepEntry& e) {
            e.toneLength(tone) = static_cast<std::int16_t>(c.position);
        }));
    };
    return row;
}

}  // namespace

RogerChange changeRogerEntry(Document& doc, int n, const std::function<void(RogerBeepEntry&)>& edit) {
    RogerBeepTable& table = doc.header.rogerBeep;
    const RogerBeepTable before = table;
    edit(entryIn(doc, n));
    const bool wasValid = validRogerEntry(before, n) != 0;
    const bool isValid = validRogerEntry(table, n) != 0;
    // The last valid entry cannot be switched off: the radio always has a roger beep to name.
    if (wasValid && !isValid && countValidRogerEntries(table) == 0) {
        table = before;
        return RogerChange::Refused;
    }
    const bool cleaned = cleanRogerReferences(doc);
    if (wasValid != isValid) return RogerChange::ValidityChanged;
    return cleaned ? RogerChange::ReferencesCleaned : RogerChange::Stored;
}

std::vector<ControlRow> rogerBeepControls(std::function<int()> entry) {
    std::vector<ControlRow> rows = {recycleTimes(entry), interTime(entry)};
    for (int tone = 1; tone <= kRogerTonesPerEntry; ++tone) {
        rows.push_back(toneFrequency(tone, entry));
        rows.push_back(toneLength(tone, entry));
    }
    return rows;
}

}  // namespace mv52
