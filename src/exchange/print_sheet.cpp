#include "exchange/print_sheet.h"

#include <algorithm>
#include <array>
#include <memory>

#include "channels/channel_controls.h"
#include "channels/channel_editing.h"
#include "channels/channel_lists.h"
#include "data/frequency.h"
#include "data/groups.h"
#include "data/value_helpers.h"
#include "document/control_row.h"
#include "document/workspace.h"
#include "lang/bilingual.h"
#include "lang/channel_texts.h"
#include "lang/dtmf_texts.h"
#include "lang/option_texts.h"
#include "lang/print_texts.h"
#include "lang/roger_beep_texts.h"
#include "options/option_controls.h"
#include "tones/dtmf_controls.h"
#include "tones/roger_beep.h"
#include "tones/roger_controls.h"

namespace mv52 {
namespace {

using Rows = std::vector<ControlRow>;

// The information frame's rows that have columns of their own; the others go, when set, into
// the settings column.
constexpr std::array<std::string_view, 8> kColumnControls = {"Combo8_12", "Combo8_17", "Combo8_0", "Combo8_16",
                                                             "Combo8_18", "Combo8_19", "Combo8_20", "Combo8_10"};

bool hasOwnColumn(const ControlRow& r) {
    return std::find(kColumnControls.begin(), kColumnControls.end(), r.objectName) != kColumnControls.end();
}

SheetBlock makeBlock(SheetBlockKind kind, std::string title = {}) {
    SheetBlock block;
    block.kind = kind;
    block.title = std::move(title);
    return block;
}

const ControlRow& control(const Rows& rows, std::string_view name) { return *findControl(rows, name); }

// The item of the code box the tone type shows ("88.5", "D023N"), or nothing without a tone.
std::string toneItem(const Rows& rows, const Document& doc, std::string_view ctcss, std::string_view dcs,
                     LanguageIndex language) {
    for (std::string_view name : {ctcss, dcs}) {
        const ControlRow& r = control(rows, name);
        if (r.visible(doc)) return shownItem(r, doc, language);
    }
    return {};
}

// "BUSY, HI-CUT, Roger 2, REP +": the label of each list showing more than its first item,
// with the item unless it is the plain "On" of a switch.
std::string settingsOn(const Rows& rows, const Document& doc, LanguageIndex language) {
    const std::string on = items(ChannelList::OffOn, language).at(1);
    std::string out;
    for (const ControlRow& r : rows) {
        if (r.group != static_cast<int>(ChannelGroup::Information) || hasOwnColumn(r)) continue;
        const std::vector<std::string> list = r.items(doc, language);
        const int shown = r.shown(doc, list);
        if (shown <= 0 || shown >= static_cast<int>(list.size())) continue;
        const std::string label = r.label(language);
        const std::string& item = list[static_cast<std::size_t>(shown)];
        out += (out.empty() ? "" : ", ") + (item == on || item == label ? label : label + " " + item);
    }
    return out;
}

// "HF", "HAM": the work mode list's item up to its band.
std::string workModeWord(int m, LanguageIndex language) {
    const std::string item = items(ChannelList::WorkMode, language).at(static_cast<std::size_t>(m));
    return item.substr(0, item.find(" -- "));
}

bool groupWanted(const Document& doc, const SheetRequest& request, int m, int g) {
    if (!request.groups.empty())
        return std::find(request.groups.begin(), request.groups.end(), SheetGroup{m, g}) != request.groups.end();
    // The radio works only in valid groups; MEM and VFO have no valid flag of their own.
    return groupCapacity(m, g) != 40 || doc.options().groupEnabled.at(m, g) > 0;
}

void addGroup(Sheet& sheet, Workspace& ws, const Rows& rows, int& selected, int m, int g) {
    Document& doc = ws.current;
    const LanguageIndex language = sheet.language;
    doc.header.currentWorkMode = static_cast<std::int16_t>(m);
    doc.header.currentGroup.at(static_cast<std::size_t>(m)) = static_cast<std::int16_t>(g);
    ws.setBandFromWorkMode();

    // The grid's rows: channels 1 to the group's capacity, in channel order.
    std::vector<int> numbers;
    for (int p = 1; p <= std::clamp<int>(doc.count(m, g), 0, kSlotsPerGroup); ++p) {
        const int number = doc.channels.slot(m, g, p).ChannelNumber;
        if (number >= 1 && number <= groupCapacity(m, g)) numbers.push_back(number);
    }
    std::sort(numbers.begin(), numbers.end());
    numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
    if (numbers.empty()) return;

    sheet.blocks.push_back(makeBlock(SheetBlockKind::Heading,
                            workModeWord(m, language) + "  " + groupSettingsCaption(groupLetter(m, g), language)));
    // The window shows the group settings only for the 40-channel groups.
    if (groupCapacity(m, g) == 40) {
        SheetBlock settings = makeBlock(SheetBlockKind::Pairs);
        settings.pairColumns = 3;
        for (const ControlRow& r : rows)
            if (r.group == static_cast<int>(ChannelGroup::GroupSettings))
                settings.rows.push_back({r.label(language), shownItem(r, doc, language)});
        sheet.blocks.push_back(std::move(settings));
    }

    SheetBlock table = makeBlock(SheetBlockKind::Table);
    table.columns = {text(ChannelText::ChNoHeader, language),
                     text(ChannelText::FrequencyHeader, language),
                     control(rows, "Combo8_12").label(language),
                     control(rows, "Combo8_17").label(language),
                     control(rows, "Combo8_18").label(language),
                     control(rows, "Combo8_10").label(language),
                     text(PrintText::SettingsHeader, language)};
    for (int number : numbers) {
        selected = number;
        const ChannelRecord& c = doc.channels.slot(m, g, doc.findChannel(m, g, number));
        table.rows.push_back({gridRowName(m, g, number),
                              storedToDisplay(c.RxFrequency.upToNul(), ws.bandLimits.lower).text,
                              shownItem(control(rows, "Combo8_12"), doc, language),
                              toneItem(rows, doc, "Combo8_0", "Combo8_16", language),
                              toneItem(rows, doc, "Combo8_19", "Combo8_20", language),
                              shownItem(control(rows, "Combo8_10"), doc, language),
                              settingsOn(rows, doc, language)});
    }
    sheet.blocks.push_back(std::move(table));
}

void addOptions(Sheet& sheet, const Document& doc) {
    const LanguageIndex language = sheet.language;
    SheetBlock heading = makeBlock(SheetBlockKind::Heading, text(OptionText::Title, language));
    heading.newPage = true;
    sheet.blocks.push_back(std::move(heading));
    SheetBlock pairs = makeBlock(SheetBlockKind::Pairs);
    pairs.pairColumns = 2;
    for (const ControlRow& r : optionControls()) pairs.rows.push_back({r.label(language), shownItem(r, doc, language)});
    sheet.blocks.push_back(std::move(pairs));
}

void addDtmf(Sheet& sheet, const Document& doc) {
    const LanguageIndex language = sheet.language;
    SheetBlock pairs = makeBlock(SheetBlockKind::Pairs);
    pairs.pairColumns = 2;
    for (const ControlRow& r : dtmfMemoryControls()) {
        std::string code = shownItem(r, doc, language);
        if (!code.empty()) pairs.rows.push_back({r.label(language), std::move(code)});
    }
    if (pairs.rows.empty()) return;
    sheet.blocks.push_back(makeBlock(SheetBlockKind::Heading, text(DtmfText::Title, language)));
    sheet.blocks.push_back(std::move(pairs));
}

void addRogerBeep(Sheet& sheet, const Document& doc) {
    const LanguageIndex language = sheet.language;
    int entry = 1;
    const Rows rows = rogerBeepControls([&entry] { return entry; });
    for (entry = 1; entry <= kRogerEntryCount; ++entry) {
        if (!validRogerEntry(doc.header.rogerBeep, entry)) continue;
        const RogerBeepEntry& e = doc.header.rogerBeep[static_cast<std::size_t>(entry - 1)];
        sheet.blocks.push_back(makeBlock(SheetBlockKind::Heading, rogerTabCaption(entry, language)));
        SheetBlock timing = makeBlock(SheetBlockKind::Pairs);
        timing.pairColumns = 3;
        for (std::string_view name : {"Combo1_0", "Combo2_0"}) {
            const ControlRow& r = control(rows, name);
            timing.rows.push_back({r.label(language), shownItem(r, doc, language)});
        }
        sheet.blocks.push_back(std::move(timing));
        SheetBlock tones = makeBlock(SheetBlockKind::Table);
        tones.columns = {"", text(RogerText::FrequencyHeader, language), text(RogerText::LengthHeader, language)};
        for (int tone = 1; tone <= kRogerTonesPerEntry; ++tone) {
            if (e.toneFreq(tone) == 0 && e.toneLength(tone) == 0) continue;
            const std::string index = std::to_string(tone - 1);
            const ControlRow& frequency = control(rows, "Combo3_" + index);
            tones.rows.push_back({frequency.label(language), shownItem(frequency, doc, language),
                                  shownItem(control(rows, "Combo4_" + index), doc, language)});
        }
        if (!tones.rows.empty()) sheet.blocks.push_back(std::move(tones));
    }
}

}  // namespace

std::string Sheet::pageText(int page, int pages) const {
    return substitute(text(PrintText::PageOf, language), {std::to_string(page), std::to_string(pages)});
}

Sheet describeSheet(const Document& source, const SheetRequest& request) {
    Sheet sheet;
    sheet.model = "MV52";
    sheet.language = request.language;
    const std::size_t slash = request.fileName.find_last_of("/\\");
    sheet.fileName = slash == std::string::npos ? request.fileName : request.fileName.substr(slash + 1);
    sheet.printedAt = substitute(text(PrintText::PrintedAt, request.language), {request.printedAt});

    // The channel rows read the shown group and the selected row, as in the window.
    auto ws = Workspace::create();
    ws->current = source;
    int selected = 0;
    const Rows rows = channelControls(selected);
    forEachGroup([&](int m, int g) {
        if (groupWanted(ws->current, request, m, g)) addGroup(sheet, *ws, rows, selected, m, g);
    });
    addOptions(sheet, source);
    addDtmf(sheet, source);
    addRogerBeep(sheet, source);
    return sheet;
}

bool parseSheetGroups(std::string_view text, std::vector<SheetGroup>& groups, std::string& error) {
    groups.clear();
    while (!text.empty()) {
        const std::size_t comma = text.find(',');
        const std::string_view part = text.substr(0, comma);
        text = comma == std::string_view::npos ? std::string_view{} : text.substr(comma + 1);
        const std::size_t colon = part.find(':');
        const std::string_view mode = part.substr(0, colon);
        const int m = mode == "CB" ? kWorkModeCb : mode == "HAM" ? kWorkModeHam : -1;
        int found = 0;
        if (m >= 0 && colon != std::string_view::npos)
            for (int g = 1; g <= groupCount(m); ++g)
                if (groupLetter(m, g) == part.substr(colon + 1)) found = g;
        if (found == 0) {
            error = "'" + std::string(part) + "' is no group: CB:A to CB:O, CB:MEM, CB:VFO, HAM:A to HAM:L, HAM:MEM, HAM:VFO";
            return false;
        }
        if (std::find(groups.begin(), groups.end(), SheetGroup{m, found}) == groups.end()) groups.push_back({m, found});
    }
    if (groups.empty()) error = "no group named";
    return !groups.empty();
}

}  // namespace mv52
