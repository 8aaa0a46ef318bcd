#include "options/option_controls.h"

#include <array>
#include <cmath>
#include <type_traits>
#include <utility>

#include "data/numeric.h"
#include "data/value_helpers.h"
#include "document/document.h"
#include "lang/control_tip_texts.h"
#include "lang/language_tables.h"
#include "lang/option_texts.h"
#include "options/option_rules.h"
#include "tones/dtmf.h"
#include "tones/roger_beep.h"

namespace mv52 {
namespace {

using Items = std::vector<std::string>;

// One field of the option record or of the further options, as an int.
struct Field {
    int (*get)(const Document&);
    void (*set)(Document&, int);
};

template <auto Member>
Field optionField() {
    return {[](const Document& d) { return static_cast<int>(d.options().*Member); },
            [](Document& d, int v) {
                using T = std::remove_reference_t<decltype(d.options().*Member)>;
                d.options().*Member = static_cast<T>(v);
            }};
}

template <auto Member>
Field furtherField() {
    return {[](const Document& d) { return static_cast<int>(d.further().*Member); },
            [](Document& d, int v) {
                using T = std::remove_reference_t<decltype(d.further().*Member)>;
                d.further().*Member = static_cast<T>(v);
            }};
}

std::function<std::string(LanguageIndex)> labelOf(OptionText key) {
    return [key](LanguageIndex language) { return text(key, language); };
}

// The number an item shows, or 0 for "OFF" and any other text that is not a number.
int numberOfItem(const std::string& item) { return isDigits(item) ? numberFromText(item, 0) : 0; }

// By position: position p stores p x scale + offset; `zeroFirst` stores 0 for the first
// item instead. The position shown is the inverse, rounded down.
struct PositionCoding {
    int scale = 1;
    int offset = 0;
    bool zeroFirst = false;
};

ControlRow list(std::string name, OptionText label, OptionGroup group, Items (*items)(LanguageIndex, const Document&),
                Field field, PositionCoding coding = {}) {
    ControlRow row;
    row.objectName = std::move(name);
    row.label = labelOf(label);
    row.group = static_cast<int>(group);
    row.items = [items](const Document& d, LanguageIndex l) { return items(l, d); };
    row.shown = [field, coding](const Document& d, const Items& shownItems) {
        const int v = field.get(d);
        if (coding.zeroFirst && v == 0) return listIndexByIndex(shownItems, 0);
        const int shifted = v - coding.offset;
        return listIndexByIndex(shownItems, shifted < 0 ? -1 : shifted / coding.scale);
    };
    row.write = [field, coding](Document& d, const ControlChoice& c) {
        field.set(d, coding.zeroFirst && c.position == 0 ? 0 : c.position * coding.scale + coding.offset);
        return unsigned{kEffectNone};
    };
    return row;
}

// By text: the field holds the number the item shows (0 for the first, "OFF" item).
ControlRow listByText(std::string name, OptionText label, OptionGroup group,
                      Items (*items)(LanguageIndex, const Document&), Field field) {
    ControlRow row = list(std::move(name), label, group, items, field);
    row.shown = [field](const Document& d, const Items& shownItems) {
        return listIndexByText(shownItems, std::to_string(field.get(d)));
    };
    row.write = [field](Document& d, const ControlChoice& c) {
        field.set(d, numberOfItem(c.text));
        return unsigned{kEffectNone};
    };
    return row;
}

ControlRow reference(ControlRow row, TipText where) {
    row.reference = true;
    row.note = [where](const Document&, LanguageIndex language) { return text(where, language); };
    return row;
}

template <OptionList L>
Items fixed(LanguageIndex language, const Document&) {
    return items(L, language);
}

Items offThenNumbers(LanguageIndex language, const std::vector<int>& numbers) {
    Items out{text(SharedText::Off, language)};
    for (int n : numbers) out.push_back(std::to_string(n));
    return out;
}

Items rogerItems(LanguageIndex language, const Document& d) {
    return offThenNumbers(language, validRogerEntries(d.header.rogerBeep));
}

Items dtmfItems(LanguageIndex language, const Document& d) {
    return offThenNumbers(language, usedDtmfMemories(d.options().dtmfMemory));
}

// The public channel's modes: those of FM, AM, USB, LSB and PA that are enabled. CW is left
// out: `publicMode` has no value for it, so choosing it could only store a wrong mode.
constexpr std::array<const char*, 5> kPublicModes = {"FM", "AM", "USB", "LSB", "PA"};

Items enabledPublicModes(LanguageIndex, const Document& d) {
    const OptionRecord& o = d.options();
    const int enabled[] = {o.fmEnable, o.amEnable, o.usbEnable, o.lsbEnable, o.paEnable};
    Items out;
    for (std::size_t i = 0; i < kPublicModes.size(); ++i)
        if (enabled[i] > 0) out.emplace_back(kPublicModes[i]);
    return out;
}

ControlRow publicModeList() {
    ControlRow row = list("Combo1_18", OptionText::PublicMode, OptionGroup::Public, enabledPublicModes,
                          optionField<&OptionRecord::publicMode>());
    row.shown = [](const Document& d, const Items& shownItems) {
        const int mode = d.options().publicMode;
        const char* name = mode >= 0 && mode <= 4 ? kPublicModes[static_cast<std::size_t>(mode)] : kPublicModes[0];
        return listIndexByText(shownItems, name);
    };
    row.write = [](Document& d, const ControlChoice& c) {
        for (std::size_t i = 0; i < kPublicModes.size(); ++i)
            if (c.text == kPublicModes[i]) d.options().publicMode = static_cast<std::int16_t>(i);
        return unsigned{kEffectNone};
    };
    return row;
}

// "HF Public" / "Ham Public": a new value sets the public flag of every slot of the work mode.
ControlRow publicSwitch(std::string name, OptionText label, int workMode, Field field) {
    ControlRow row = list(std::move(name), label, OptionGroup::Right, fixed<OptionList::HfPublic>, field);
    row.write = [workMode, field](Document& d, const ControlChoice& c) {
        unsigned effects = kEffectNone;
        if (c.position != field.get(d)) {
            setPublicFlags(d, workMode, static_cast<std::int16_t>(c.position));
            effects = kEffectChannelWindow;
        }
        field.set(d, c.position);
        return effects;
    };
    return row;
}

ControlRow check(std::string name, OptionText label, OptionGroup group, Field field) {
    ControlRow row;
    row.objectName = std::move(name);
    row.kind = ControlKind::Check;
    row.label = labelOf(label);
    row.group = static_cast<int>(group);
    row.shown = [field](const Document& d, const Items&) { return field.get(d) >= 1 ? 1 : 0; };
    row.write = [field](Document& d, const ControlChoice& c) {
        field.set(d, c.position != 0 ? 1 : 0);
        return unsigned{kEffectNone};
    };
    return row;
}

// The mode enables: at least one stays checked; FM to PA correct the channel modes.
constexpr std::array<std::int16_t OptionRecord::*, 6> kModeEnables = {
    &OptionRecord::fmEnable,  &OptionRecord::amEnable, &OptionRecord::usbEnable,
    &OptionRecord::lsbEnable, &OptionRecord::paEnable, &OptionRecord::cwEnable};

ControlRow modeEnable(std::string name, OptionText label, std::size_t which) {
    ControlRow row = check(std::move(name), label, OptionGroup::ModeEnable, Field{});
    row.shown = [which](const Document& d, const Items&) { return d.options().*kModeEnables[which] >= 1 ? 1 : 0; };
    row.write = [which](Document& d, const ControlChoice& c) {
        OptionRecord& o = d.options();
        bool othersChecked = false;
        for (std::size_t i = 0; i < kModeEnables.size(); ++i)
            if (i != which && o.*kModeEnables[i] >= 1) othersChecked = true;
        o.*kModeEnables[which] = static_cast<std::int16_t>(c.position != 0 || !othersChecked ? 1 : 0);
        if (which == kModeEnables.size() - 1) return unsigned{kEffectNone};  // CW changes no channel
        correctChannelModes(d);
        return unsigned{kEffectChannelModes};
    };
    return row;
}

// A number typed into a text box: held within [low, high], a text that is not a number
// becomes `otherwise`; then written with `digits` decimals, as the box shows it again.
std::string clampedText(std::string_view typed, double low, double high, double otherwise, int digits) {
    const std::optional<double> n = parseNumber(typed);
    const double v = n ? std::clamp(*n, low, high) : otherwise;
    return formatFixed(v, digits);
}

int scaled(const std::string& text, double factor) {
    return static_cast<int>(std::lround(parseNumber(text).value_or(0) * factor));
}

ControlRow textBox(std::string name, OptionText label, OptionGroup group, NumberRange range,
                   std::function<std::string(const Document&)> shown,
                   std::function<unsigned(Document&, const ControlChoice&)> write) {
    ControlRow row;
    row.range = range;
    row.objectName = std::move(name);
    row.kind = ControlKind::Text;
    row.label = labelOf(label);
    row.group = static_cast<int>(group);
    row.shownText = std::move(shown);
    row.write = std::move(write);
    return row;
}

constexpr double kBatteryLow = 9.0;
constexpr double kBatteryHigh = 17.0;

// "Min[V]" and "Max[V]": both boxes are held within 9.0-17.0 and exchanged when Max is
// below Min; the box not being left keeps the value it shows.
unsigned writeBattery(Document& d, std::string_view typed, bool isMax) {
    OptionRecord& o = d.options();
    const std::string otherShown = formatFixed((isMax ? o.batteryMin : o.batteryMax) / 10.0, 1);
    std::string minText = clampedText(isMax ? std::string_view(otherShown) : typed, kBatteryLow, kBatteryHigh, kBatteryLow, 1);
    std::string maxText = clampedText(isMax ? typed : std::string_view(otherShown), kBatteryLow, kBatteryHigh, kBatteryLow, 1);
    if (parseNumber(maxText) < parseNumber(minText)) std::swap(minText, maxText);
    o.batteryMin = static_cast<std::int16_t>(scaled(minText, 10));
    o.batteryMax = static_cast<std::int16_t>(scaled(maxText, 10));
    return kEffectNone;
}

std::vector<ControlRow> buildRows() {
    using G = OptionGroup;
    using T = OptionText;
    using L = OptionList;
    std::vector<ControlRow> rows = {
        // Left column.
        list("Combo1_9", T::Tot, G::Left, fixed<L::Tot>, optionField<&OptionRecord::tot>(), {3, 0, false}),
        list("Combo1_2", T::Indic, G::Left, fixed<L::Indic>, optionField<&OptionRecord::indic>()),
        listByText("Combo1_3", T::Mic, G::Left, fixed<L::Mic>, optionField<&OptionRecord::micGain>()),
        listByText("Combo1_24", T::AsqLevel, G::Left, fixed<L::AsqLevel>, furtherField<&FurtherOptions::asqLevel>()),
        list("Combo1_8", T::Nog, G::Left, fixed<L::Nog>, optionField<&OptionRecord::nog>()),
        list("Combo1_17", T::Color, G::Left, fixed<L::Color>, optionField<&OptionRecord::backlightColor>()),
        list("Combo1_10", T::Scm, G::Left, fixed<L::Scm>, optionField<&OptionRecord::scanMode>()),
        list("Combo1_11", T::Fin, G::Left, fixed<L::Fin>, optionField<&OptionRecord::fin>()),
        textBox(
            "Text4_12", T::TxOffset, G::Left, {0.0001, 5.0, 0.0001}, [](const Document& d) { return formatFixed(d.further().txOffset / 10000.0, 4); },
            [](Document& d, const ControlChoice& c) {
                d.further().txOffset = scaled(clampedText(c.text, 0.0001, 5.0, 5.0, 4), 10000);
                return unsigned{kEffectNone};
            }),
        list("Combo1_35", T::Vox, G::Left, fixed<L::Vox>, furtherField<&FurtherOptions::vox>()),
        list("Combo1_27", T::VoxLevel, G::Left, fixed<L::VoxLevel>, furtherField<&FurtherOptions::voxLevel>()),
        list("Combo1_28", T::VoxDelay, G::Left, fixed<L::VoxDelay>, furtherField<&FurtherOptions::voxDelay>()),
        list("Combo1_51", T::VoxSpk, G::Left, fixed<L::VoxSpk>, furtherField<&FurtherOptions::voxSpk>()),
        list("Combo1_29", T::MicType, G::Left, fixed<L::MicType>, furtherField<&FurtherOptions::micType>()),
        list("Combo1_25", T::RxNr, G::Left, fixed<L::RxNr>, furtherField<&FurtherOptions::rxNr>(), {1, 127, true}),
        list("Combo1_26", T::TxNr, G::Left, fixed<L::TxNr>, furtherField<&FurtherOptions::txNr>(), {1, 127, true}),
        list("Combo1_34", T::Emg, G::Left, fixed<L::Emg>, furtherField<&FurtherOptions::emg>()),
        list("Combo1_31", T::VolPath, G::Left, fixed<L::VolPath>, furtherField<&FurtherOptions::volPath>()),
        list("Combo1_32", T::EchoVol, G::Left, fixed<L::EchoVol>, furtherField<&FurtherOptions::echoVol>()),
        list("Combo1_33", T::EchoTime, G::Left, fixed<L::EchoTime>, furtherField<&FurtherOptions::echoTime>()),
        list("Combo1_37", T::AmNpc, G::Left, fixed<L::AmNpc>, furtherField<&FurtherOptions::amNpc>()),
        list("Combo1_38", T::Vfo, G::Left, fixed<L::Vfo>, furtherField<&FurtherOptions::vfo>()),
        list("Combo1_36", T::VfoStep, G::Left, fixed<L::VfoStep>, furtherField<&FurtherOptions::vfoStep>()),
        // Middle column.
        list("Combo1_39", T::Beep, G::Middle, fixed<L::Beep>, optionField<&OptionRecord::beep>()),
        list("Combo1_40", T::FmDeviation, G::Middle, fixed<L::FmDeviation>, optionField<&OptionRecord::fmDeviation>()),
        list("Combo1_41", T::SsbTone, G::Middle, fixed<L::SsbTone>, optionField<&OptionRecord::ssbTone>()),
        list("Combo1_42", T::PfKey, G::Middle, fixed<L::PfKey>, optionField<&OptionRecord::pfKey>()),
        list("Combo1_44", T::FinRange, G::Middle, fixed<L::FinRange>, furtherField<&FurtherOptions::finRange>()),
        list("Combo1_52", T::Agc, G::Middle, fixed<L::Agc>, furtherField<&FurtherOptions::agc>()),
        check("chkCheck2_0", T::VolDisplay, G::Display, furtherField<&FurtherOptions::volDisplay>()),
        check("chkCheck2_1", T::SqlDisplay, G::Display, furtherField<&FurtherOptions::sqlDisplay>()),
        check("chkCheck2_2", T::PowDisplay, G::Display, furtherField<&FurtherOptions::powDisplay>()),
        check("chkCheck2_3", T::RfgDisplay, G::Display, furtherField<&FurtherOptions::rfgDisplay>()),
        check("Check1_3", T::SwrProtect, G::Protection, optionField<&OptionRecord::swrProtect>()),
        textBox(
            "Text2_0", T::SwrMax, G::Protection, {1.2, 20.0, 0.1}, [](const Document& d) { return formatFixed(d.options().swrMax / 10.0, 1); },
            [](Document& d, const ControlChoice& c) {
                d.options().swrMax = static_cast<std::int16_t>(scaled(clampedText(c.text, 1.2, 20.0, 20.0, 1), 10));
                return unsigned{kEffectNone};
            }),
        check("Check1_4", T::BatteryProtect, G::Protection, optionField<&OptionRecord::batteryProtect>()),
        textBox(
            "Text2_1", T::BatteryMin, G::Protection, {kBatteryLow, kBatteryHigh, 0.1},
            [](const Document& d) { return formatFixed(d.options().batteryMin / 10.0, 1); },
            [](Document& d, const ControlChoice& c) { return writeBattery(d, c.text, false); }),
        textBox(
            "Text2_2", T::BatteryMax, G::Protection, {kBatteryLow, kBatteryHigh, 0.1},
            [](const Document& d) { return formatFixed(d.options().batteryMax / 10.0, 1); },
            [](Document& d, const ControlChoice& c) { return writeBattery(d, c.text, true); }),
        modeEnable("Check1_5", T::FmEnable, 0),
        modeEnable("Check1_6", T::AmEnable, 1),
        modeEnable("Check1_7", T::UsbEnable, 2),
        modeEnable("Check1_8", T::LsbEnable, 3),
        modeEnable("Check1_9", T::PaEnable, 4),
        modeEnable("Check1_10", T::CwEnable, 5),
        // Right column.
        list("Combo1_12", T::HfDwBand, G::Right, fixed<L::HfDwBand>, furtherField<&FurtherOptions::hfDwBand>()),
        list("Combo1_13", T::HfDwChan, G::Right, fixed<L::HfDwChan>, furtherField<&FurtherOptions::hfDwChan>()),
        list("Combo1_14", T::HfDwMode, G::Right, fixed<L::HfDwMode>, furtherField<&FurtherOptions::hfDwMode>()),
        list("Combo1_15", T::HamDwBand, G::Right, fixed<L::HamDwBand>, furtherField<&FurtherOptions::hamDwBand>()),
        list("Combo1_16", T::HamDwChan, G::Right, fixed<L::HamDwChan>, furtherField<&FurtherOptions::hamDwChan>()),
        list("Combo1_0", T::HamDwMode, G::Right, fixed<L::HamDwMode>, furtherField<&FurtherOptions::hamDwMode>()),
        publicSwitch("Combo1_45", T::HfPublic, kWorkModeCb, furtherField<&FurtherOptions::hfPublic>()),
        publicSwitch("Combo1_46", T::HamPublic, kWorkModeHam, furtherField<&FurtherOptions::hamPublic>()),
        list("Combo1_47", T::CwFreq, G::Right, fixed<L::CwFreq>, furtherField<&FurtherOptions::cwFreq>(), {1, 30, false}),
        list("Combo1_48", T::CwBeep, G::Right, fixed<L::CwBeep>, furtherField<&FurtherOptions::cwBeep>()),
        list("Combo1_49", T::Dim, G::Right, fixed<L::Dim>, furtherField<&FurtherOptions::dim>()),
        // Public-channel frame.
        reference(listByText("Combo2_6", T::PublicBot, G::Public, dtmfItems, optionField<&OptionRecord::publicBot>()), TipText::DtmfCodes),
        reference(listByText("Combo2_7", T::PublicEot, G::Public, dtmfItems, optionField<&OptionRecord::publicEot>()), TipText::DtmfCodes),
        reference(listByText("Combo2_8", T::PublicCall, G::Public, dtmfItems, optionField<&OptionRecord::publicCall>()), TipText::DtmfCodes),
        list("Combo2_0", T::PublicHiCut, G::Public, fixed<L::PublicHiCut>, optionField<&OptionRecord::publicHiCut>()),
        list("Combo2_1", T::PublicNbAnl, G::Public, fixed<L::PublicNbAnl>, optionField<&OptionRecord::publicNbAnl>()),
        list("Combo2_2", T::PublicEcho, G::Public, fixed<L::PublicEcho>, optionField<&OptionRecord::publicEcho>()),
        list("Combo2_3", T::PublicAdd10k, G::Public, fixed<L::PublicAdd10k>, optionField<&OptionRecord::publicAdd10k>()),
        reference(listByText("Combo1_53", T::Roger, G::Public, rogerItems, furtherField<&FurtherOptions::comChanRb>()),
                  TipText::RogerEntries),
        publicModeList(),
    };
    // VOX Level and VOX Delay only with VOX on.
    for (ControlRow& row : rows)
        if (row.objectName == "Combo1_27" || row.objectName == "Combo1_28") {
            row.enabled = [](const Document& d) { return d.further().vox != 0; };
            row.note = [](const Document&, LanguageIndex language) { return text(TipText::OnlyWithVox, language); };
        }
    return rows;
}

}  // namespace

const std::vector<ControlRow>& optionControls() {
    static const std::vector<ControlRow> rows = buildRows();
    return rows;
}

const ControlRow* optionControlForSaveIndex(int index) {
    std::string name;
    if (index >= 0 && index <= 53)
        name = "Combo1_" + std::to_string(index);
    else if (index >= 100 && index <= 110)
        name = "Check1_" + std::to_string(index - 100);
    else if (index >= 200 && index <= 208)
        name = "Combo2_" + std::to_string(index - 200);
    else
        return nullptr;
    return findControl(optionControls(), name);
}

const ControlRow* optionControlByLabel(std::string_view label) {
    for (const ControlRow& row : optionControls())
        if (row.label(LanguageIndex::English) == label) return &row;
    return nullptr;
}

}  // namespace mv52
