#include "channels/channel_table_model.h"
#include "channels/channel_lists.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>

#include "channels/channel_controls.h"
#include "channels/channel_editing.h"
#include "data/frequency.h"
#include "data/groups.h"
#include "data/numeric.h"
#include "data/tone_codes.h"
#include "document/workspace.h"
#include "lang/channel_table_texts.h"
#include "lang/channel_texts.h"

namespace mv52 {
namespace {

using C = TableColumn;

constexpr int kToneOff = 0;
constexpr int kToneCtcss = 1;
constexpr int kToneDcs = 2;

// The control each list column writes through; the tone columns use three each.
struct ColumnControl {
    TableColumn column;
    const char* control;
};
constexpr ColumnControl kListControls[] = {
    {C::Mode, "Combo8_12"}, {C::Scan, "Combo8_10"}, {C::Busy, "Combo8_6"},  {C::Rep, "Combo8_7"},
    {C::Public, "Combo8_9"}, {C::Roger, "Combo8_11"}, {C::Bot, "Combo8_13"}, {C::Eot, "Combo8_14"},
    {C::Call, "Combo8_15"}, {C::HiCut, "Combo8_2"}, {C::NbAnl, "Combo8_3"}, {C::Echo, "Combo8_4"},
    {C::Add10K, "Combo8_5"},
};
struct ToneControls {
    const char* type;
    const char* ctcss;
    const char* dcs;
};
constexpr ToneControls kTx = {"Combo8_17", "Combo8_0", "Combo8_16"};
constexpr ToneControls kRx = {"Combo8_18", "Combo8_19", "Combo8_20"};

std::size_t at(TableColumn c) { return static_cast<std::size_t>(c); }

bool sameIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

std::string ctcssShort(int index) { return formatFixed(kCtcssTones[static_cast<std::size_t>(index)], 1); }

std::string dcsShort(int index) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "D%03dN", kDcsCodes[static_cast<std::size_t>(index)]);
    return buf;
}

// The tone item as a type and an index: "Off", a CTCSS tone ("88.5", "88.50") or a DCS code
// ("D023N", "d23", "D023").
struct ToneItem {
    int type = kToneOff;
    int index = 0;
};
std::optional<ToneItem> parseTone(std::string_view item) {
    if (sameIgnoringCase(item, kToneTypeNames[0])) return ToneItem{};
    if (!item.empty() && (item.front() == 'D' || item.front() == 'd')) {
        std::string_view code = item.substr(1);
        if (!code.empty() && (code.back() == 'N' || code.back() == 'n')) code.remove_suffix(1);
        if (code.empty() || code.size() > 3 || !isDigits(code)) return std::nullopt;
        const int number = numberFromText(code, -1);
        for (int i = 0; i < kDcsCount; ++i)
            if (kDcsCodes[static_cast<std::size_t>(i)] == number) return ToneItem{kToneDcs, i};
        return std::nullopt;
    }
    if (!isNumeric(item)) return std::nullopt;
    const std::optional<double> hz = parseNumber(item);
    if (!hz) return std::nullopt;
    for (int i = 0; i < kCtcssCount; ++i)
        if (std::fabs(kCtcssTones[static_cast<std::size_t>(i)] - *hz) < 0.05) return ToneItem{kToneCtcss, i};
    return std::nullopt;
}

bool isToneColumn(TableColumn c) { return c == C::TxTone || c == C::RxTone; }

std::string headerOf(TableColumn column, LanguageIndex language) {
    using T = ChannelText;
    switch (column) {
        case C::Name: return text(T::ChNoHeader, language);
        case C::Frequency: return text(T::FrequencyHeader, language);
        case C::Mode: return text(T::Mode, language);
        case C::TxTone: return text(ChannelTableText::TxTone, language);
        case C::RxTone: return text(ChannelTableText::RxTone, language);
        case C::Scan: return text(T::Scan, language);
        case C::Busy: return text(T::Busy, language);
        case C::Rep: return text(T::Rep, language);
        case C::Public: return text(T::Public, language);
        case C::Roger: return text(T::Roger, language);
        case C::Bot: return text(T::Bot, language);
        case C::Eot: return text(T::Eot, language);
        case C::Call: return text(T::Call, language);
        case C::HiCut: return text(T::HiCut, language);
        case C::NbAnl: return text(T::NbAnl, language);
        case C::Echo: return text(T::Echo, language);
        case C::Add10K: return text(T::Add10K, language);
    }
    return {};
}

}  // namespace

std::string tableColumnLabel(TableColumn column, LanguageIndex language) { return headerOf(column, language); }

std::optional<TableColumn> tableColumnByLabel(std::string_view label) {
    for (int c = 0; c < kTableColumnCount; ++c)
        for (const LanguageIndex l : {LanguageIndex::English, LanguageIndex::Chinese})
            if (sameIgnoringCase(headerOf(static_cast<TableColumn>(c), l), label)) return static_cast<TableColumn>(c);
    return std::nullopt;
}

std::string writableColumnLabels() {
    std::string out;
    for (int c = 1; c < kTableColumnCount; ++c)
        out += (out.empty() ? "" : ", ") + headerOf(static_cast<TableColumn>(c), LanguageIndex::English);
    return out;
}

std::string tableRowsName(int workMode, int group, const std::vector<int>& rows) {
    std::vector<int> sorted = rows;
    std::sort(sorted.begin(), sorted.end());
    sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
    std::string out;
    for (std::size_t i = 0; i < sorted.size();) {
        std::size_t j = i;
        while (j + 1 < sorted.size() && sorted[j + 1] == sorted[j] + 1) ++j;
        out += (out.empty() ? "" : ", ") + gridRowName(workMode, group, sorted[i]);
        if (j > i) out += "\u2013" + gridRowName(workMode, group, sorted[j]);
        i = j + 1;
    }
    return out;
}

ChannelTableModel::ChannelTableModel() : controls_(channelControls(row_)) {
    for (const ColumnControl& c : kListControls) byColumn_[at(c.column)] = findControl(controls_, c.control);
}

const ControlRow& ChannelTableModel::control(const char* name) const { return *findControl(controls_, name); }

const ControlRow* ChannelTableModel::columnControl(TableColumn column) const { return byColumn_[at(column)]; }

void ChannelTableModel::refresh(const Document& doc, LanguageIndex language) {
    language_ = language;
    for (const ColumnControl& c : kListControls) items_[at(c.column)] = byColumn_[at(c.column)]->items(doc, language);
    typeItems_ = control(kTx.type).items(doc, language);
    ctcssItems_ = control(kTx.ctcss).items(doc, language);
    dcsItems_ = control(kTx.dcs).items(doc, language);
    std::vector<std::string> tones{kToneTypeNames[0]};
    for (int i = 0; i < kCtcssCount; ++i) tones.push_back(ctcssShort(i));
    for (int i = 0; i < kDcsCount; ++i) tones.push_back(dcsShort(i));
    items_[at(C::TxTone)] = tones;
    items_[at(C::RxTone)] = std::move(tones);
}

bool ChannelTableModel::isListColumn(TableColumn column) const { return column != C::Name && column != C::Frequency; }

const std::vector<std::string>& ChannelTableModel::columnItems(TableColumn column) const { return items_[at(column)]; }

std::string ChannelTableModel::toneText(const Document& doc, bool transmit) const {
    const ToneControls& t = transmit ? kTx : kRx;
    const int type = control(t.type).shown(doc, typeItems_);
    if (type == kToneOff) return kToneTypeNames[0];
    if (type == kToneCtcss) {
        const int p = control(t.ctcss).shown(doc, ctcssItems_);
        return p >= 0 && p < kCtcssCount ? ctcssShort(p) : std::string();
    }
    if (type == kToneDcs) {
        const int p = control(t.dcs).shown(doc, dcsItems_);
        return p >= 0 && p < kDcsCount ? dcsShort(p) : std::string();
    }
    return {};
}

std::array<std::string, kTableColumnCount> ChannelTableModel::rowTexts(const Workspace& ws, int row) const {
    std::array<std::string, kTableColumnCount> out;
    const Document& d = ws.current;
    const int m = shownWorkMode(d);
    const int g = shownGroup(d);
    out[at(C::Name)] = gridRowName(m, g, row);
    const int p = d.findChannel(m, g, row);
    if (p == 0) return out;
    row_ = row;
    out[at(C::Frequency)] = storedToDisplay(d.channels.slot(m, g, p).RxFrequency.upToNul(), ws.bandLimits.lower).text;
    out[at(C::TxTone)] = toneText(d, true);
    out[at(C::RxTone)] = toneText(d, false);
    for (const ColumnControl& c : kListControls) {
        const std::vector<std::string>& list = items_[at(c.column)];
        const int shown = byColumn_[at(c.column)]->shown(d, list);
        out[at(c.column)] = shown >= 0 && shown < static_cast<int>(list.size()) ? list[static_cast<std::size_t>(shown)] : "";
    }
    return out;
}

std::string ChannelTableModel::cellText(const Workspace& ws, int row, TableColumn column) const {
    return rowTexts(ws, row)[at(column)];
}

bool ChannelTableModel::editable(const Document& doc, int row, TableColumn column) const {
    if (column == C::Name) return false;
    if (column == C::Frequency) return true;
    if (selectedChannel(doc, row) == nullptr) return false;
    const ControlRow* r = isToneColumn(column) ? &control(column == C::TxTone ? kTx.type : kRx.type) : columnControl(column);
    row_ = row;
    return !r->enabled || r->enabled(doc);
}

int ChannelTableModel::listPosition(TableColumn column, std::string_view item) const {
    const std::vector<std::string>& list = items_[at(column)];
    auto it = std::find(list.begin(), list.end(), item);
    if (it == list.end())
        it = std::find_if(list.begin(), list.end(), [&](const std::string& s) { return sameIgnoringCase(s, item); });
    return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

bool ChannelTableModel::offers(TableColumn column, std::string_view item) const {
    if (column == C::Name) return false;
    if (column == C::Frequency) return item.empty() || (isNumeric(item) && parseNumber(item).has_value());
    if (isToneColumn(column)) return parseTone(item).has_value();
    return listPosition(column, item) >= 0;
}

bool ChannelTableModel::writeTone(Document& doc, bool transmit, std::string_view item) {
    const std::optional<ToneItem> tone = parseTone(item);
    if (!tone) return false;
    const ToneControls& t = transmit ? kTx : kRx;
    // The type first, as in the window: its code box appears, then the code is chosen in it.
    control(t.type).write(doc, {tone->type, typeItems_.at(static_cast<std::size_t>(tone->type))});
    if (tone->type == kToneCtcss)
        control(t.ctcss).write(doc, {tone->index, ctcssItems_.at(static_cast<std::size_t>(tone->index))});
    if (tone->type == kToneDcs) control(t.dcs).write(doc, {tone->index, dcsItems_.at(static_cast<std::size_t>(tone->index))});
    return true;
}

CellOutcome ChannelTableModel::write(Workspace& ws, int row, TableColumn column, std::string_view item, unsigned* effects) {
    if (column == C::Name) return CellOutcome::ReadOnly;
    Document& d = ws.current;
    if (column == C::Frequency) {
        if (!offers(column, item)) return CellOutcome::NotOffered;
        const ChannelUpdate update = updateChannelFrequency(ws, row, item);
        if (effects != nullptr) *effects |= kEffectChannels;
        if (update.refused) return CellOutcome::Refused;
        return update.outOfRange ? CellOutcome::OutOfBand : CellOutcome::Written;
    }
    if (selectedChannel(d, row) == nullptr) return CellOutcome::NoChannel;
    if (!editable(d, row, column)) return CellOutcome::Locked;
    row_ = row;
    if (isToneColumn(column)) return writeTone(d, column == C::TxTone, item) ? CellOutcome::Written : CellOutcome::NotOffered;
    const int p = listPosition(column, item);
    if (p < 0) return CellOutcome::NotOffered;
    const unsigned done = columnControl(column)->write(d, {p, items_[at(column)][static_cast<std::size_t>(p)]});
    if (effects != nullptr) *effects |= done;
    return CellOutcome::Written;
}

ApplyResult ChannelTableModel::apply(Workspace& ws, const std::vector<int>& rows, TableColumn column, std::string_view item) {
    ApplyResult result;
    const Document& d = ws.current;
    const bool several = rows.size() > 1;
    for (const int row : rows) {
        // Empty rows take only a frequency, which adds their channels.
        if (several && column != C::Frequency && selectedChannel(d, row) == nullptr) continue;
        // Several rows never lose a channel to a frequency outside the band: those are named.
        if (several && column == C::Frequency) {
            const std::optional<double> mhz = item.empty() ? std::nullopt : parseNumber(item);
            if (!mhz || checkFrequency(*mhz, ws.bandLimits, shownWorkMode(d), shownGroup(d), false).outOfRange) {
                result.outOfBand.push_back(row);
                continue;
            }
        }
        const CellOutcome outcome = write(ws, row, column, item, &result.effects);
        if (outcome == CellOutcome::Written) {
            result.written.push_back(row);
        } else if (outcome == CellOutcome::OutOfBand) {
            result.outOfBand.push_back(row);
        } else {
            result.skipped.push_back(row);
            result.skippedWhy.push_back(outcome);
        }
    }
    return result;
}

std::vector<TablePlace> findFrequency(const Document& doc, std::string_view text) {
    std::vector<TablePlace> places;
    if (text.empty()) return places;
    for (int m = 0; m < kWorkModeCount; ++m) {
        const double lower = deriveBandLimits(bandTextForWorkMode(m)).lower;
        for (int g = 1; g <= groupCount(m); ++g) {
            const std::size_t first = places.size();
            const int count = std::clamp<int>(doc.count(m, g), 0, kSlotsPerGroup);
            for (int p = 1; p <= count; ++p) {
                const ChannelRecord& c = doc.channels.slot(m, g, p);
                if (storedToDisplay(c.RxFrequency.upToNul(), lower).text.find(text) != std::string::npos)
                    places.push_back({m, g, c.ChannelNumber});
            }
            std::sort(places.begin() + static_cast<std::ptrdiff_t>(first), places.end(),
                      [](const TablePlace& a, const TablePlace& b) { return a.row < b.row; });
        }
    }
    return places;
}

std::vector<int> sortedRows(const std::vector<std::string>& texts, bool descending) {
    struct Key {
        int row;
        bool empty;
        bool number;
        double value;
        const std::string* text;
    };
    std::vector<Key> keys;
    keys.reserve(texts.size());
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const std::string& t = texts[i];
        const std::optional<double> v = isNumeric(t) ? parseNumber(t) : std::nullopt;
        keys.push_back({static_cast<int>(i) + 1, t.empty(), v.has_value(), v.value_or(0.0), &t});
    }
    // -1, 0, 1 of a against b in ascending order; empty cells are handled apart.
    const auto compare = [](const Key& a, const Key& b) {
        if (a.number != b.number) return a.number ? -1 : 1;
        if (a.number) return a.value < b.value ? -1 : a.value > b.value ? 1 : 0;
        return a.text->compare(*b.text) < 0 ? -1 : a.text->compare(*b.text) > 0 ? 1 : 0;
    };
    std::stable_sort(keys.begin(), keys.end(), [&](const Key& a, const Key& b) {
        if (a.empty != b.empty) return b.empty;
        if (a.empty) return false;
        const int c = compare(a, b);
        return descending ? c > 0 : c < 0;
    });
    std::vector<int> rows;
    rows.reserve(keys.size());
    for (const Key& k : keys) rows.push_back(k.row);
    return rows;
}

bool sortRowsByFrequency(Document& doc, const std::vector<int>& rows) {
    const int m = shownWorkMode(doc);
    const int g = shownGroup(doc);
    std::vector<int> held;  // rows with a channel, ascending
    for (const int row : rows)
        if (doc.findChannel(m, g, row) != 0) held.push_back(row);
    std::sort(held.begin(), held.end());
    held.erase(std::unique(held.begin(), held.end()), held.end());
    std::vector<ChannelRecord> records;
    for (const int row : held) records.push_back(doc.channels.slot(m, g, doc.findChannel(m, g, row)));
    const auto value = [](const ChannelRecord& c) {
        // The frequency as shown; a stored text that is no number sorts last.
        const DisplayFrequency shown = storedToDisplay(c.RxFrequency.upToNul(), 0.0);
        const std::optional<double> mhz = shown.notNumeric ? std::nullopt : parseNumber(shown.text);
        return mhz.value_or(1e18);
    };
    std::stable_sort(records.begin(), records.end(),
                     [&](const ChannelRecord& a, const ChannelRecord& b) { return value(a) < value(b); });
    bool moved = false;
    std::vector<int> positions;
    for (const int row : held) positions.push_back(doc.findChannel(m, g, row));
    for (std::size_t k = 0; k < held.size(); ++k) {
        ChannelRecord r = records[k];
        r.ChannelNumber = static_cast<std::int16_t>(held[k]);
        ChannelRecord& slot = doc.channels.slot(m, g, positions[k]);
        if (!(slot == r)) moved = true;
        slot = r;
    }
    return moved;
}

FillResult fillFrequencies(Workspace& ws, const std::vector<int>& rows, double startMHz, double stepKHz) {
    FillResult result;
    const int m = shownWorkMode(ws.current);
    const int g = shownGroup(ws.current);
    for (std::size_t k = 0; k < rows.size(); ++k) {
        // Whole 10 Hz steps, so that a sum like 26.965 + 0.01 is not cut a step short.
        const double mhz = std::round((startMHz + static_cast<double>(k) * stepKHz / 1000.0) * 1e5) / 1e5;
        if (mhz <= 0 || checkFrequency(mhz, ws.bandLimits, m, g, false).outOfRange) {
            result.outOfBand.push_back(rows[k]);
            continue;
        }
        const ChannelUpdate update = updateChannelFrequency(ws, rows[k], formatFixed(mhz, 5));
        if (update.outOfRange || update.refused)
            result.outOfBand.push_back(rows[k]);
        else
            result.filled.push_back(rows[k]);
    }
    return result;
}

ShownGroupScope::ShownGroupScope(Workspace& ws, int workMode, int group)
    : ws_(ws), mode_(ws.current.header.currentWorkMode), groups_(ws.current.header.currentGroup) {
    ws.current.header.currentWorkMode = static_cast<std::int16_t>(workMode);
    ws.current.header.currentGroup.at(static_cast<std::size_t>(workMode)) = static_cast<std::int16_t>(group);
    ws.setBandFromWorkMode();
}

ShownGroupScope::~ShownGroupScope() {
    ws_.current.header.currentWorkMode = mode_;
    ws_.current.header.currentGroup = groups_;
    ws_.setBandFromWorkMode();
}

std::optional<std::vector<int>> parseRowList(std::string_view text, int workMode, int group) {
    const int capacity = groupCapacity(workMode, group);
    const auto number = [&](std::string_view s) -> int {
        if (!s.empty() && (s.front() == 'M' || s.front() == 'm') && isMemGroup(workMode, group)) s.remove_prefix(1);
        if (s.empty() || s.size() > 3 || !isDigits(s)) return 0;
        const int n = numberFromText(s, 0);
        return n >= 1 && n <= capacity ? n : 0;
    };
    std::vector<int> rows;
    while (!text.empty()) {
        const std::size_t comma = text.find(',');
        const std::string_view part = text.substr(0, comma);
        text = comma == std::string_view::npos ? std::string_view() : text.substr(comma + 1);
        const std::size_t dash = part.find('-');
        const int first = number(part.substr(0, dash));
        const int last = dash == std::string_view::npos ? first : number(part.substr(dash + 1));
        if (first == 0 || last == 0 || last < first) return std::nullopt;
        for (int r = first; r <= last; ++r) rows.push_back(r);
        if (comma == std::string_view::npos) break;
    }
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    if (rows.empty()) return std::nullopt;
    return rows;
}

}  // namespace mv52
