#include "channels/channel_controls.h"

#include <array>

#include "channels/channel_editing.h"
#include "data/groups.h"
#include "data/numeric.h"
#include "data/value_helpers.h"
#include "data/tone_codes.h"
#include "document/document.h"
#include "lang/channel_texts.h"
#include "lang/control_tip_texts.h"
#include "options/modes.h"
#include "tones/dtmf.h"
#include "tones/roger_beep.h"

namespace mv52 {
namespace {

using Items = std::vector<std::string>;
using Field = std::int16_t ChannelRecord::*;
using G = ChannelGroup;

constexpr std::array<const char*, 6> kModeNames = {"FM", "AM", "USB", "LSB", "PA", "CW"};

std::function<std::string(LanguageIndex)> labelOf(ChannelText key) {
    return [key](LanguageIndex language) { return text(key, language); };
}

Items offThenNumbers(LanguageIndex language, const std::vector<int>& numbers) {
    Items out{text(ChannelText::ListOff, language)};
    for (int n : numbers) out.push_back(std::to_string(n));
    return out;
}

Items rogerList(const Document& d, LanguageIndex language) {
    return offThenNumbers(language, validRogerEntries(d.header.rogerBeep));
}

Items dtmfList(const Document& d, LanguageIndex language) {
    return offThenNumbers(language, usedDtmfMemories(d.options().dtmfMemory));
}

Items ctcssList(const Document&, LanguageIndex) {
    Items out;
    for (int i = 0; i < kCtcssCount; ++i) out.push_back(ctcssListText(i));
    return out;
}

Items dcsList(const Document&, LanguageIndex) {
    Items out;
    for (int i = 0; i < kDcsCount; ++i) out.push_back(dcsListText(i));
    return out;
}

// A field of the selected channel, shown and written by list position.
ControlRow channelList(std::string name, ChannelText label, std::function<Items(const Document&, LanguageIndex)> items,
                       Field field, const int* row) {
    ControlRow r;
    r.objectName = std::move(name);
    r.label = labelOf(label);
    r.group = static_cast<int>(G::Information);
    r.items = std::move(items);
    r.shown = [field, row](const Document& d, const Items& shownItems) {
        const ChannelRecord* c = selectedChannel(d, *row);
        return listIndexByIndex(shownItems, c ? c->*field : 0);
    };
    r.write = [field, row](Document& d, const ControlChoice& choice) {
        if (ChannelRecord* c = selectedChannel(d, *row)) c->*field = static_cast<std::int16_t>(choice.position);
        return unsigned{kEffectNone};
    };
    return r;
}

ControlRow fixedList(std::string name, ChannelText label, ChannelList list, Field field, const int* row) {
    return channelList(std::move(name), label, [list](const Document&, LanguageIndex l) { return items(list, l); },
                       field, row);
}

// By text: the field holds the number the item shows, 0 for "Off".
ControlRow numberList(std::string name, ChannelText label, Items (*items)(const Document&, LanguageIndex), Field field,
                      const int* row) {
    ControlRow r = channelList(std::move(name), label, items, field, row);
    r.shown = [field, row](const Document& d, const Items& shownItems) {
        const ChannelRecord* c = selectedChannel(d, *row);
        return listIndexByText(shownItems, std::to_string(c ? c->*field : 0));
    };
    r.write = [field, row](Document& d, const ControlChoice& choice) {
        if (ChannelRecord* c = selectedChannel(d, *row))
            c->*field = static_cast<std::int16_t>(isDigits(choice.text) ? numberFromText(choice.text, 0) : 0);
        return unsigned{kEffectNone};
    };
    r.reference = true;
    const TipText where = items == rogerList ? TipText::RogerEntries : TipText::DtmfCodes;
    r.note = [where](const Document&, LanguageIndex language) { return text(where, language); };
    return r;
}

// The code boxes of a direction: only the one its tone type names is visible.
ControlRow codeList(std::string name, ChannelText label, Items (*items)(const Document&, LanguageIndex), Field code,
                    Field toneType, int type, const int* row) {
    ControlRow r = channelList(std::move(name), label, items, code, row);
    r.visible = [toneType, type, row](const Document& d) {
        const ChannelRecord* c = selectedChannel(d, *row);
        return c != nullptr && c->*toneType == type;
    };
    return r;
}

// A public channel takes these settings from the public channel's own.
ControlRow publicLocked(ControlRow r, const int* row) {
    r.enabled = [row](const Document& d) {
        const ChannelRecord* c = selectedChannel(d, *row);
        // Locked when the Public box shows "On"; a stored value it cannot show shows "Off".
        return c == nullptr || c->Public != 1;
    };
    auto before = r.note;
    r.note = [before, row](const Document& d, LanguageIndex language) {
        std::string note = before ? before(d, language) : std::string();
        const ChannelRecord* c = selectedChannel(d, *row);
        if (c != nullptr && c->Public == 1)
            note += (note.empty() || language == LanguageIndex::Chinese ? "" : " ") + text(TipText::PublicLocked, language);
        return note;
    };
    return r;
}

ControlRow modeList(const int* row) {
    ControlRow r = channelList("Combo8_12", ChannelText::Mode, [](const Document& d, LanguageIndex) { return channelModeList(d); },
                               &ChannelRecord::Mode, row);
    r.shown = [row](const Document& d, const Items& shownItems) {
        const ChannelRecord* c = selectedChannel(d, *row);
        const int mode = c ? c->Mode : 0;
        return listIndexByText(shownItems, mode >= 0 && mode <= 5 ? kModeNames[static_cast<std::size_t>(mode)] : "FM");
    };
    r.write = [row](Document& d, const ControlChoice& choice) {
        if (ChannelRecord* c = selectedChannel(d, *row)) {
            c->Mode = 0;
            for (std::size_t i = 0; i < kModeNames.size(); ++i)
                if (choice.text == kModeNames[i]) c->Mode = static_cast<std::int16_t>(i);
        }
        return unsigned{kEffectNone};
    };
    // A mode switched off in the options is simply not in the list: say so, and where.
    r.note = [](const Document& d, LanguageIndex language) {
        const Items off = disabledModes(d.options());
        if (off.empty()) return std::string();
        std::string names;
        for (const std::string& name : off) names += (names.empty() ? "" : text(TipText::Separator, language)) + name;
        return tipText(TipText::ModesOff, language, {names});
    };
    return r;
}

// Group settings of the shown group.
PerGroupI16& perGroup(Document& d, PerGroupI16 OptionRecord::* field) { return d.options().*field; }

ControlRow groupList(std::string name, std::function<std::string(LanguageIndex)> label, ChannelList list,
                     PerGroupI16 OptionRecord::* field) {
    ControlRow r;
    r.objectName = std::move(name);
    r.label = std::move(label);
    r.group = static_cast<int>(G::GroupSettings);
    r.items = [list](const Document&, LanguageIndex l) { return items(list, l); };
    r.shown = [field](const Document& d, const Items& shownItems) {
        return listIndexByIndex(shownItems, (d.options().*field).at(shownWorkMode(d), shownGroup(d)));
    };
    r.write = [field](Document& d, const ControlChoice& choice) {
        perGroup(d, field).at(shownWorkMode(d), shownGroup(d)) = static_cast<std::int16_t>(choice.position);
        return unsigned{kEffectNone};
    };
    return r;
}

ControlRow emergencyChannel(std::string name, int which, PerGroupI16 OptionRecord::* field) {
    ControlRow r = groupList(std::move(name), [which](LanguageIndex l) { return emergencyChannelLabel(which, l); },
                             ChannelList::EmergencyMode, field);
    r.items = [](const Document& d, LanguageIndex) { return emergencyChannelChoices(d, shownWorkMode(d), shownGroup(d)); };
    r.shown = [field](const Document& d, const Items& shownItems) {
        return listIndexByText(shownItems, GetCHName((d.options().*field).at(shownWorkMode(d), shownGroup(d))));
    };
    r.write = [field](Document& d, const ControlChoice& choice) {
        perGroup(d, field).at(shownWorkMode(d), shownGroup(d)) = static_cast<std::int16_t>(GetCHID(choice.text));
        return unsigned{kEffectNone};
    };
    return r;
}

ControlRow groupValid() {
    ControlRow r = groupList("Combo1_6", labelOf(ChannelText::GroupValid), ChannelList::GroupValid,
                             &OptionRecord::groupEnabled);
    r.write = [](Document& d, const ControlChoice& choice) {
        const GroupValidChange change = setGroupValid(d, shownWorkMode(d), shownGroup(d), choice.position != 0);
        return change.addedFirstChannel ? unsigned{kEffectChannels} : unsigned{kEffectNone};
    };
    return r;
}

}  // namespace

ChannelRecord* selectedChannel(Document& doc, int row) {
    const int p = doc.findChannel(shownWorkMode(doc), shownGroup(doc), row);
    return p == 0 ? nullptr : &doc.channels.slot(shownWorkMode(doc), shownGroup(doc), p);
}

const ChannelRecord* selectedChannel(const Document& doc, int row) {
    return selectedChannel(const_cast<Document&>(doc), row);
}

std::vector<std::string> channelModeList(const Document& doc) {
    return modeList(doc.options(), isMemGroup(shownWorkMode(doc), shownGroup(doc)));
}

std::vector<ControlRow> channelControls(const int& selectedRow) {
    const int* row = &selectedRow;
    using T = ChannelText;
    using L = ChannelList;
    using C = ChannelRecord;
    return {
        fixedList("Combo8_6", T::Busy, L::OffOn, &C::Busy, row),
        fixedList("Combo8_7", T::Rep, L::Rep, &C::Rep, row),
        fixedList("Combo8_18", T::RxCtc, L::ToneType, &C::RxToneType, row),
        codeList("Combo8_19", T::RxCode, ctcssList, &C::RxCtcssIndex, &C::RxToneType, 1, row),
        codeList("Combo8_20", T::RxCode, dcsList, &C::RxDcsIndex, &C::RxToneType, 2, row),
        fixedList("Combo8_17", T::TxCtc, L::ToneType, &C::TxToneType, row),
        codeList("Combo8_0", T::TxCode, ctcssList, &C::TxCtcssIndex, &C::TxToneType, 1, row),
        codeList("Combo8_16", T::TxCode, dcsList, &C::TxDcsIndex, &C::TxToneType, 2, row),
        fixedList("Combo8_10", T::Scan, L::Scan, &C::ScanAdd, row),
        fixedList("Combo8_9", T::Public, L::OffOn, &C::Public, row),
        publicLocked(numberList("Combo8_13", T::Bot, dtmfList, &C::Bot, row), row),
        publicLocked(numberList("Combo8_14", T::Eot, dtmfList, &C::Eot, row), row),
        publicLocked(numberList("Combo8_15", T::Call, dtmfList, &C::Call, row), row),
        publicLocked(fixedList("Combo8_2", T::HiCut, L::OffOn, &C::HiCut, row), row),
        publicLocked(fixedList("Combo8_3", T::NbAnl, L::NbAnl, &C::NbAnl, row), row),
        publicLocked(fixedList("Combo8_4", T::Echo, L::OffOn, &C::Echo, row), row),
        publicLocked(fixedList("Combo8_5", T::Add10K, L::OffOn, &C::Add10K, row), row),
        publicLocked(numberList("Combo8_11", T::Roger, rogerList, &C::RogerBeep, row), row),
        publicLocked(modeList(row), row),
        groupValid(),
        groupList("Combo1_2", labelOf(T::EmgMode1), L::EmergencyMode, &OptionRecord::emgMode1),
        emergencyChannel("Combo1_0", 1, &OptionRecord::emgChannel1),
        groupList("Combo1_3", labelOf(T::EmgMode2), L::EmergencyMode, &OptionRecord::emgMode2),
        emergencyChannel("Combo1_1", 2, &OptionRecord::emgChannel2),
    };
}

}  // namespace mv52
