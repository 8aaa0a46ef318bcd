#include "tones/dtmf_controls.h"

#include <string>
#include <utility>

#include "data/numeric.h"
#include "data/value_helpers.h"
#include "document/document.h"
#include "lang/dtmf_texts.h"
#include "tones/dtmf.h"

namespace mv52 {
namespace {

using Items = std::vector<std::string>;
using Setting = std::int16_t DtmfSettings::*;

std::function<std::string(LanguageIndex)> labelOf(DtmfText key) {
    return [key](LanguageIndex language) { return text(key, language); };
}

ControlRow list(std::string name, DtmfText label, DtmfList list) {
    ControlRow row;
    row.objectName = std::move(name);
    row.label = labelOf(label);
    row.items = [list](const Document&, LanguageIndex language) { return items(list, language); };
    return row;
}

// The field holds the item's number divided by `unit` ("250" ms stores 25 in units of 10 ms).
ControlRow byText(std::string name, DtmfText label, DtmfList items, Setting field, int unit) {
    ControlRow row = list(std::move(name), label, items);
    row.shown = [field, unit](const Document& d, const Items& shownItems) {
        return listIndexByText(shownItems, std::to_string(d.options().dtmf.*field * unit));
    };
    row.write = [field, unit](Document& d, const ControlChoice& c) {
        d.options().dtmf.*field = static_cast<std::int16_t>(numberFromText(c.text, 0) / unit);
        return unsigned{kEffectNone};
    };
    return row;
}

ControlRow dCodeAssignment() {
    ControlRow row = list("Combo1_4", DtmfText::DCodeAssignment, DtmfList::DCodeAssignment);
    row.shown = [](const Document& d, const Items& shownItems) {
        return listIndexByIndex(shownItems, d.options().dtmf.dCodeAssignment);
    };
    row.write = [](Document& d, const ControlChoice& c) {
        d.options().dtmf.dCodeAssignment = static_cast<std::int16_t>(c.position);
        return unsigned{kEffectNone};
    };
    return row;
}

ControlRow dtmfDisplay() {
    ControlRow row;
    row.objectName = "Check1";
    row.kind = ControlKind::Check;
    row.label = labelOf(DtmfText::DtmfDisplay);
    row.shown = [](const Document& d, const Items&) { return d.options().dtmf.dtmfDisplay >= 1 ? 1 : 0; };
    row.write = [](Document& d, const ControlChoice& c) {
        d.options().dtmf.dtmfDisplay = static_cast<std::int16_t>(c.position != 0 ? 1 : 0);
        return unsigned{kEffectNone};
    };
    return row;
}

ControlRow memory(int n) {
    ControlRow row;
    row.objectName = "MSFlexGrid1_" + std::to_string(n);
    row.kind = ControlKind::Text;
    row.label = [n](LanguageIndex language) { return dtmfMemoryLabel(n, language); };
    row.shownText = [n](const Document& d) { return d.options().dtmfMemory[static_cast<std::size_t>(n - 1)].clean(); };
    row.accepts = isDtmfMemoryText;
    row.takes = "up to 16 of 0-9, A-D, * and #";
    row.write = [n](Document& d, const ControlChoice& c) {
        storeDtmfMemory(d, n, c.text);
        return unsigned{kEffectDtmfReferences};
    };
    return row;
}

std::vector<ControlRow> buildEncodeRows() {
    using T = DtmfText;
    using L = DtmfList;
    return {
        byText("Combo1_0", T::SendTime, L::SendTime, &DtmfSettings::dtmfSendTime, 10),
        byText("Combo1_1", T::FirstDigitTime, L::FirstDigitTime, &DtmfSettings::firstDigitTime, 100),
        byText("Combo1_2", T::FirstDigitDelay, L::FirstDigitDelay, &DtmfSettings::firstDigitDelay, 100),
        byText("Combo1_3", T::StarHashTone, L::StarHashTone, &DtmfSettings::starHashTone, 100),
        dCodeAssignment(),
        dtmfDisplay(),
    };
}

std::vector<ControlRow> buildMemoryRows() {
    std::vector<ControlRow> rows;
    for (int n = 1; n <= kDtmfMemoryCount; ++n) rows.push_back(memory(n));
    return rows;
}

}  // namespace

const std::vector<ControlRow>& dtmfEncodeControls() {
    static const std::vector<ControlRow> rows = buildEncodeRows();
    return rows;
}

const std::vector<ControlRow>& dtmfMemoryControls() {
    static const std::vector<ControlRow> rows = buildMemoryRows();
    return rows;
}

const ControlRow& dtmfMemoryControl(int n) { return dtmfMemoryControls().at(static_cast<std::size_t>(n - 1)); }

}  // namespace mv52
