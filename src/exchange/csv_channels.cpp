#include "exchange/csv_channels.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <memory>
#include <optional>

#include "channels/channel_controls.h"
#include "channels/channel_editing.h"
#include "data/frequency.h"
#include "data/groups.h"
#include "data/numeric.h"
#include "data/tone_codes.h"
#include "data/value_helpers.h"
#include "document/control_row.h"
#include "document/workspace.h"
#include "exchange/csv_reader.h"

namespace mv52 {
namespace {

constexpr auto kEnglish = LanguageIndex::English;

enum Tone : int { kOff = 0, kCtcss = 1, kDcs = 2 };

// The radio's own settings the other format has no column for, by the channel window's label.
constexpr std::array<const char*, 10> kExtraColumns = {"BUSY",   "NB/ANL", "ECHO", "HI-CUT", "+10KHz",
                                                       "Public", "Roger",  "BOT",  "EOT",    "Call"};
constexpr std::array<const char*, 17> kStandardColumns = {
    "Location", "Name",       "Frequency", "Duplex",    "Offset", "Tone",  "rToneFreq", "cToneFreq", "DtcsCode",
    "DtcsPolarity", "RxDtcsCode", "CrossMode", "Mode", "TStep",  "Skip",  "Power",     "Comment"};
constexpr std::array<const char*, 6> kModeNames = {"FM", "AM", "USB", "LSB", "PA", "CW"};
constexpr int kModePa = 4;
// What the format writes for a tone or code a channel does not use.
constexpr const char* kUnusedTone = "88.5";
constexpr const char* kUnusedCode = "023";
// The radio has no power per channel, but the other programmer's reader refuses a row whose
// Power is empty; it takes watts as a number and "W". Import ignores the column.
constexpr const char* kExportedPower = "4.0W";

std::string ctcssText(int index) {
    return formatFixed(kCtcssTones[static_cast<std::size_t>(std::clamp(index, 0, kCtcssCount - 1))], 1);
}

std::string dcsText(int index) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%03d", kDcsCodes[static_cast<std::size_t>(std::clamp(index, 0, kDcsCount - 1))]);
    return buf;
}

// The tone columns of a channel, and back: the format names the pair of directions as one mode.
struct ToneColumns {
    std::string tone, rToneFreq = kUnusedTone, cToneFreq = kUnusedTone, dtcsCode = kUnusedCode,
                rxDtcsCode = kUnusedCode, crossMode = "Tone->Tone";
};

ToneColumns toneColumns(const ChannelRecord& c) {
    ToneColumns t;
    const int tx = c.TxToneType, rx = c.RxToneType;
    if (tx == kOff && rx == kOff) return t;
    if (tx == kCtcss && rx == kOff) {
        t.tone = "Tone";
        t.rToneFreq = ctcssText(c.TxCtcssIndex);
    } else if (tx == kCtcss && rx == kCtcss && c.TxCtcssIndex == c.RxCtcssIndex) {
        t.tone = "TSQL";
        t.rToneFreq = t.cToneFreq = ctcssText(c.TxCtcssIndex);
    } else if (tx == kDcs && rx == kDcs && c.TxDcsIndex == c.RxDcsIndex) {
        t.tone = "DTCS";
        t.dtcsCode = t.rxDtcsCode = dcsText(c.TxDcsIndex);
    } else {
        t.tone = "Cross";
        auto side = [](int type) { return type == kCtcss ? "Tone" : type == kDcs ? "DTCS" : ""; };
        t.crossMode = std::string(side(tx)) + "->" + side(rx);
        if (tx == kCtcss) t.rToneFreq = ctcssText(c.TxCtcssIndex);
        if (rx == kCtcss) t.cToneFreq = ctcssText(c.RxCtcssIndex);
        if (tx == kDcs) t.dtcsCode = dcsText(c.TxDcsIndex);
        if (rx == kDcs) t.rxDtcsCode = dcsText(c.RxDcsIndex);
    }
    return t;
}

std::string frequencyColumn(const ChannelRecord& c) {
    const DisplayFrequency shown = storedToDisplay(c.RxFrequency.clean(), 0.0);
    const std::optional<double> mhz = parseNumber(shown.text);
    return mhz ? formatFixed(*mhz, 6) : std::string();
}

// The channel window's controls for channel `row` of the shown group.
struct ChannelForm {
    int row = 0;
    std::vector<ControlRow> rows = channelControls(row);
    const ControlRow& byName(std::string_view name) const { return *findControl(rows, name); }
    const ControlRow& byLabel(std::string_view label) const {
        for (const ControlRow& r : rows)
            if (r.label(kEnglish) == label) return r;
        return rows.front();
    }
};

// The controls and the working copies an import or export needs, made once per thread: a
// workspace or document clears a quarter to half a megabyte when it is made, which cost more
// than a whole import of a short list.
ChannelForm& channelForm() {
    thread_local ChannelForm form;
    return form;
}
Workspace& importWorkspace() {
    thread_local const std::unique_ptr<Workspace> ws = Workspace::create();
    return *ws;
}
Document& exportCopy() {
    thread_local const std::unique_ptr<Document> doc = std::make_unique<Document>();
    return *doc;
}

// Shows (work mode, group) in `doc` as the channel window would, for the controls to read.
struct ShownGroup {
    ShownGroup(Document& doc, int m, int g) : doc_(doc), mode_(doc.header.currentWorkMode), group_(doc.header.currentGroup) {
        doc.header.currentWorkMode = static_cast<std::int16_t>(m);
        doc.header.currentGroup.at(static_cast<std::size_t>(m)) = static_cast<std::int16_t>(g);
    }
    ~ShownGroup() {
        doc_.header.currentWorkMode = mode_;
        doc_.header.currentGroup = group_;
    }
    ShownGroup(const ShownGroup&) = delete;
    ShownGroup& operator=(const ShownGroup&) = delete;

private:
    Document& doc_;
    std::int16_t mode_;
    std::array<std::int16_t, kWorkModeCount> group_;
};

bool sameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

// One row of the file by column name; columns the file lacks read as `fallback`.
class RowReader {
public:
    RowReader(const std::vector<std::string>& header, const std::vector<std::string>& fields)
        : header_(header), fields_(fields) {}
    bool has(std::string_view column) const { return index(column) >= 0; }
    std::string get(std::string_view column, std::string_view fallback = {}) const {
        const int i = index(column);
        if (i < 0) return std::string(fallback);
        return i < static_cast<int>(fields_.size()) ? trimmed(fields_[static_cast<std::size_t>(i)]) : std::string();
    }

private:
    int index(std::string_view column) const {
        for (std::size_t i = 0; i < header_.size(); ++i)
            if (sameName(header_[i], column)) return static_cast<int>(i);
        return -1;
    }
    static std::string trimmed(const std::string& s) {
        const std::size_t a = s.find_first_not_of(" \t");
        if (a == std::string::npos) return {};
        return s.substr(a, s.find_last_not_of(" \t") - a + 1);
    }
    const std::vector<std::string>& header_;
    const std::vector<std::string>& fields_;
};

std::optional<int> ctcssIndex(std::string_view text) {
    const std::optional<double> hz = parseNumber(text);
    if (!hz) return std::nullopt;
    for (int i = 0; i < kCtcssCount; ++i)
        if (std::fabs(kCtcssTones[static_cast<std::size_t>(i)] - *hz) < 0.05) return i;
    return std::nullopt;
}

std::optional<int> dcsIndex(std::string_view text) {
    if (!isDigits(text) || text.size() > 4) return std::nullopt;
    const int code = numberFromText(text, -1);
    for (int i = 0; i < kDcsCount; ++i)
        if (kDcsCodes[static_cast<std::size_t>(i)] == code) return i;
    return std::nullopt;
}

struct Direction {
    int type = kOff;
    int index = 0;
};

// The two directions the tone columns describe, or a reason.
std::string readTones(const RowReader& row, Direction& tx, Direction& rx, LanguageIndex language) {
    const auto say = [&](std::string english, std::string chinese) { return inLanguage(language, std::move(english), std::move(chinese)); };
    const std::string tone = row.get("Tone");
    const std::string polarity = row.get("DtcsPolarity", "NN");
    auto ctcss = [&](const char* column, Direction& d) -> std::string {
        const std::string text = row.get(column);
        const std::optional<int> i = ctcssIndex(text);
        if (!i) return say(column + std::string(" '") + text + "' is not a CTCSS tone of the radio",
                           column + std::string(" '") + text + "' 不是电台的 CTCSS 亚音");
        d = {kCtcss, *i};
        return {};
    };
    auto dcs = [&](const char* column, Direction& d, std::size_t polarityPosition) -> std::string {
        const std::string text = row.get(column, row.get("DtcsCode"));
        const std::optional<int> i = dcsIndex(text);
        if (!i) return say(column + std::string(" '") + text + "' is not a DCS code of the radio",
                           column + std::string(" '") + text + "' 不是电台的 DCS 数字码");
        if (polarity.size() > polarityPosition && polarity[polarityPosition] != 'N')
            return say("DtcsPolarity '" + polarity + "': the radio's DCS codes are all normal (N)",
                       "DtcsPolarity '" + polarity + "'：电台的 DCS 码都是正相 (N)");
        d = {kDcs, *i};
        return {};
    };
    if (tone.empty()) return {};
    if (tone == "Tone") return ctcss("rToneFreq", tx);
    if (tone == "TSQL") {
        std::string reason = ctcss("cToneFreq", tx);
        rx = tx;
        return reason;
    }
    if (tone == "DTCS") {
        std::string reason = dcs("DtcsCode", tx, 0);
        if (reason.empty()) reason = dcs("DtcsCode", rx, 1);
        return reason;
    }
    if (tone != "Cross")
        return say("Tone '" + tone + "' is not offered (empty, Tone, TSQL, DTCS or Cross)",
                   "不提供 Tone '" + tone + "'（可为空、Tone、TSQL、DTCS 或 Cross）");
    const std::string cross = row.get("CrossMode", "Tone->Tone");
    const std::size_t arrow = cross.find("->");
    const std::string from = arrow == std::string::npos ? "?" : cross.substr(0, arrow);
    const std::string to = arrow == std::string::npos ? "?" : cross.substr(arrow + 2);
    auto side = [&](const std::string& kind, bool transmit) -> std::string {
        Direction& d = transmit ? tx : rx;
        if (kind.empty()) return {};
        if (kind == "Tone") return ctcss(transmit ? "rToneFreq" : "cToneFreq", d);
        if (kind == "DTCS") return dcs(transmit ? "DtcsCode" : "RxDtcsCode", d, transmit ? 0 : 1);
        return say("CrossMode '" + cross + "' is not offered", "不提供 CrossMode '" + cross + "'");
    };
    std::string reason = side(from, true);
    return reason.empty() ? side(to, false) : reason;
}

// Applies an item to a control, or says why not.
std::string choose(const ControlRow& row, Document& doc, std::string_view item, std::string_view column,
                   unsigned& effects, LanguageIndex language) {
    if (applyItem(row, doc, item, kEnglish, &effects)) return {};
    std::string offered;
    for (const std::string& i : row.items(doc, kEnglish)) offered += (offered.empty() ? "" : ", ") + i;
    return inLanguage(language, std::string(column) + " '" + std::string(item) + "' is not offered here (" + offered + ")",
                      "此处不提供 " + std::string(column) + " '" + std::string(item) + "'（可选：" + offered + "）");
}

}  // namespace

const std::vector<std::string>& csvChannelColumns() {
    static const std::vector<std::string> columns = [] {
        std::vector<std::string> out(kStandardColumns.begin(), kStandardColumns.end());
        out.insert(out.end(), kExtraColumns.begin(), kExtraColumns.end());
        return out;
    }();
    return columns;
}

std::string exportChannelsCsv(const Document& source, int m, int g, int first, int last) {
    Document& doc = exportCopy();
    doc = source;
    ShownGroup shown(doc, m, g);
    ChannelForm& form = channelForm();
    std::string out;
    for (const std::string& column : csvChannelColumns()) out += (out.empty() ? "" : ",") + csvField(column);
    out += "\r\n";
    const std::string offset = formatFixed(doc.further().txOffset / 10000.0, 6);
    const int end = last <= 0 ? groupCapacity(m, g) : std::min(last, groupCapacity(m, g));
    for (int number = std::max(first, 1); number <= end; ++number) {
        const int p = doc.findChannel(m, g, number);
        if (p == 0) continue;
        const ChannelRecord& c = doc.channels.slot(m, g, p);
        form.row = number;
        const ToneColumns t = toneColumns(c);
        const bool pa = c.Mode == kModePa;
        const std::string mode = pa || c.Mode < 0 || c.Mode > 5 ? "FM" : kModeNames[static_cast<std::size_t>(c.Mode)];
        std::vector<std::string> fields = {
            std::to_string(number), "", frequencyColumn(c), c.Rep == 1 ? "+" : c.Rep == 2 ? "-" : "",
            c.Rep == 0 ? "0.000000" : offset, t.tone, t.rToneFreq, t.cToneFreq, t.dtcsCode, "NN", t.rxDtcsCode,
            t.crossMode, mode, "10.00", c.ScanAdd == 0 ? "S" : "", kExportedPower, pa ? "PA" : ""};
        for (const char* label : kExtraColumns) fields.push_back(shownItem(form.byLabel(label), doc, kEnglish));
        std::string line;
        for (const std::string& f : fields) line += (line.empty() ? "" : ",") + csvField(f);
        out += line + "\r\n";
    }
    return out;
}

ImportResult importChannelsCsv(Document& target, int m, int g, std::string_view text, LanguageIndex language) {
    const auto say = [&](std::string english, std::string chinese) { return inLanguage(language, std::move(english), std::move(chinese)); };
    ImportResult result;
    CsvText csv = readCsv(text, language);
    for (const CsvFault& f : csv.faults) result.refusals.push_back({f.line, f.reason});
    // Lines starting with "#" are comments, as the other programmer writes and skips them.
    std::erase_if(csv.records, [](const CsvRecord& r) { return !r.fields.empty() && r.fields[0].starts_with('#'); });
    if (csv.records.empty()) {
        if (result.ok()) result.refusals.push_back({1, say("the file holds no header row", "文件没有标题行")});
        return result;
    }
    const std::vector<std::string>& header = csv.records.front().fields;
    bool columnsMissing = false;
    for (const char* required : {"Location", "Frequency"})
        if (!RowReader(header, header).has(required)) {
            result.refusals.push_back({csv.records.front().line, say(std::string("the header row has no column ") + required,
                                                                     std::string("标题行没有 ") + required + " 列")});
            columnsMissing = true;
        }
    if (columnsMissing) return result;

    Workspace* ws = &importWorkspace();
    ws->current = target;
    Document& doc = ws->current;
    std::optional<ShownGroup> shown;
    shown.emplace(doc, m, g);
    ws->setBandFromWorkMode();
    ChannelForm& form = channelForm();
    std::map<int, int> lineOfLocation;
    const int capacity = groupCapacity(m, g);
    const std::string groupName = std::string(m == kWorkModeCb ? "CB " : "HAM ") + groupLetter(m, g);

    for (std::size_t i = 1; i < csv.records.size(); ++i) {
        const CsvRecord& record = csv.records[i];
        const RowReader row(header, record.fields);
        auto refuse = [&](std::string reason) { result.refusals.push_back({record.line, std::move(reason)}); };

        const std::string location = row.get("Location");
        const int number = isDigits(location) && location.size() <= 3 ? numberFromText(location, 0) : 0;
        if (number < 1 || number > capacity) {
            refuse(say("location '" + location + "' has no row in group " + groupName + " (1-" + std::to_string(capacity) + ")",
                       "位置 '" + location + "' 在组 " + groupName + " 中没有对应的行 (1-" + std::to_string(capacity) + ")"));
            continue;
        }
        if (const auto [it, added] = lineOfLocation.emplace(number, record.line); !added) {
            refuse(say("location " + location + " is also on line " + std::to_string(it->second),
                       "位置 " + location + " 也出现在第 " + std::to_string(it->second) + " 行"));
            continue;
        }
        const std::string frequency = row.get("Frequency");
        const std::optional<double> mhz = isNumeric(frequency) ? parseNumber(frequency) : std::nullopt;
        if (!mhz || *mhz <= 0 || checkFrequency(*mhz, ws->bandLimits, m, g, false).outOfRange) {
            refuse(say("frequency '" + frequency + "' is outside the band of group " + groupName + " (" + ws->bandText + ")",
                       "频率 '" + frequency + "' 超出组 " + groupName + " 的频段 (" + ws->bandText + ")"));
            continue;
        }
        // The radio stores whole 10 Hz steps; digits below would be cut without a word.
        if (const double steps = *mhz * 1e5; std::fabs(steps - std::round(steps)) > 1e-4) {
            refuse(say("frequency '" + frequency + "' is finer than the radio's 10 Hz step",
                       "频率 '" + frequency + "' 比电台的 10 Hz 步进更精细"));
            continue;
        }
        const std::string skip = row.get("Skip");
        if (skip != "" && skip != "S" && skip != "P") {
            refuse(say("Skip '" + skip + "' is not offered (empty or P: scanned, S: skipped)",
                       "不提供 Skip '" + skip + "'（空或 P：扫描，S：跳过）"));
            continue;
        }
        const std::string mode = row.get("Mode", "FM");
        const bool pa = row.get("Comment") == "PA";
        if (pa && mode != "FM" && mode != "PA" && !mode.empty()) {
            refuse(say("Mode '" + mode + "' conflicts with Comment 'PA' (PA is written as Mode FM with Comment PA)",
                       "Mode '" + mode + "' 与 Comment 'PA' 矛盾（PA 写作 Mode FM 加 Comment PA）"));
            continue;
        }
        Direction tx, rx;
        if (std::string reason = readTones(row, tx, rx, language); !reason.empty()) {
            refuse(std::move(reason));
            continue;
        }
        const std::string duplex = row.get("Duplex");
        if (duplex != "" && duplex != "+" && duplex != "-") {
            refuse(say("Duplex '" + duplex + "' is not offered (empty, + or -)", "不提供 Duplex '" + duplex + "'（空、+ 或 -）"));
            continue;
        }

        // The row as typed into the window: the frequency first (unless the channel has it
        // already: typing would only rewrite its digits), then each setting.
        const int existing = doc.findChannel(m, g, number);
        const std::optional<double> stored =
            existing == 0 ? std::nullopt : parseNumber(frequencyColumn(doc.channels.slot(m, g, existing)));
        if (!stored || std::fabs(*stored - *mhz) > 1e-7) {
            const ChannelUpdate update = updateChannelFrequency(*ws, number, formatFixed(*mhz, 6));
            if (update.outOfRange || update.refused) {
                refuse(say("frequency '" + frequency + "' is refused in group " + groupName,
                           "组 " + groupName + " 拒绝频率 '" + frequency + "'"));
                continue;
            }
        }
        form.row = number;
        std::vector<std::pair<const ControlRow*, std::pair<std::string, std::string>>> choices = {
            {&form.byName("Combo8_7"), {"Duplex", duplex.empty() ? "Off" : duplex}},
            {&form.byName("Combo8_17"), {"Tone", kToneTypeNames[static_cast<std::size_t>(tx.type)]}},
            {&form.byName("Combo8_18"), {"Tone", kToneTypeNames[static_cast<std::size_t>(rx.type)]}},
            {&form.byName("Combo8_10"), {"Skip", skip == "S" ? "Del" : "Add"}},
        };
        if (tx.type == kCtcss) choices.push_back({&form.byName("Combo8_0"), {"Tone", ctcssListText(tx.index)}});
        if (tx.type == kDcs) choices.push_back({&form.byName("Combo8_16"), {"Tone", dcsListText(tx.index)}});
        if (rx.type == kCtcss) choices.push_back({&form.byName("Combo8_19"), {"Tone", ctcssListText(rx.index)}});
        if (rx.type == kDcs) choices.push_back({&form.byName("Combo8_20"), {"Tone", dcsListText(rx.index)}});
        choices.push_back({&form.byName("Combo8_12"), {"Mode", pa ? "PA" : mode}});
        // Our own columns where the row fills them (a blanked cell keeps the channel's
        // setting); Public last, as the window locks a public channel's own settings.
        for (const char* label : kExtraColumns)
            if (!row.get(label).empty() && std::string_view(label) != "Public")
                choices.push_back({&form.byLabel(label), {label, row.get(label)}});
        if (!row.get("Public").empty()) choices.push_back({&form.byLabel("Public"), {"Public", row.get("Public")}});

        for (const auto& [control, columnAndItem] : choices) {
            std::string reason = choose(*control, doc, columnAndItem.second, columnAndItem.first, result.effects, language);
            if (!reason.empty()) {
                refuse(std::move(reason));
                break;
            }
        }
    }
    if (!result.ok()) {
        sortRefusals(result);
        result.effects = 0;
        return result;
    }
    revalidateGroupReferences(doc, m, g);
    shown.reset();
    target = doc;
    result.effects |= kEffectChannels;
    return result;
}

}  // namespace mv52
