#include "channels/channel_clipboard.h"

#include <algorithm>
#include <charconv>
#include <sstream>

#include "channels/channel_editing.h"
#include "data/frequency.h"
#include "data/groups.h"
#include "data/tone_codes.h"
#include "document/document.h"
#include "document/workspace.h"
#include "options/modes.h"
#include "tones/references.h"

namespace mv52 {
namespace {

constexpr std::string_view kClipHeading = "MV52 channels 1";
constexpr int kModeGroups = 10;  // the groups whose modes follow the mode enables
constexpr int kModePa = 4;
constexpr int kModeCw = 5;

// Every 16-bit field a clip carries, with the largest value it may hold; a clip with any
// other value is not one this program wrote.
struct ClipField {
    std::int16_t ChannelRecord::* field;
    int smallest;
    int largest;
};
constexpr int kAny16Low = -32768;
constexpr int kAny16High = 32767;
constexpr ClipField kClipFields[] = {
    {&ChannelRecord::ScanAdd, 0, 1},
    {&ChannelRecord::Reserved19, kAny16Low, kAny16High},
    {&ChannelRecord::Reserved20, kAny16Low, kAny16High},
    {&ChannelRecord::TxToneType, 0, 2},
    {&ChannelRecord::TxCtcssIndex, 0, kCtcssCount - 1},
    {&ChannelRecord::TxDcsIndex, 0, kDcsCount - 1},
    {&ChannelRecord::Reserved24, kAny16Low, kAny16High},
    {&ChannelRecord::Mode, 0, 5},
    {&ChannelRecord::HiCut, 0, 1},
    {&ChannelRecord::NbAnl, 0, 3},
    {&ChannelRecord::Echo, 0, 1},
    {&ChannelRecord::Add10K, 0, 1},
    {&ChannelRecord::Busy, 0, 1},
    {&ChannelRecord::RogerBeep, 0, 8},
    {&ChannelRecord::Rep, 0, 2},
    {&ChannelRecord::Public, 0, 1},
    {&ChannelRecord::Bot, 0, 16},
    {&ChannelRecord::Eot, 0, 16},
    {&ChannelRecord::Call, 0, 16},
    {&ChannelRecord::RxToneType, 0, 2},
    {&ChannelRecord::RxCtcssIndex, 0, kCtcssCount - 1},
    {&ChannelRecord::RxDcsIndex, 0, kDcsCount - 1},
};

std::string frequencyWord(const FrequencyText& f) {
    const std::string text = f.clean();
    return text.empty() ? "-" : text;
}

bool frequencyFromWord(std::string_view word, FrequencyText& f) {
    if (word == "-") {
        f.set("");
        return true;
    }
    if (word.size() > FrequencyText::size || !std::all_of(word.begin(), word.end(), [](char c) {
            return (c >= '0' && c <= '9') || c == 'F';
        }))
        return false;
    f.set(word);
    return true;
}

bool numberFromWord(std::string_view word, int smallest, int largest, int& value) {
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    return error == std::errc() && end == word.data() + word.size() && value >= smallest && value <= largest;
}

// The mode a pasted channel keeps in its target group, as the mode lists there offer it.
int pastedMode(const Document& doc, int m, int g, int mode) {
    // CW stays where the mode lists offer it: the target's rules, as a choice in its Mode box.
    if (g <= kModeGroups && mode == kModeCw && doc.options().cwEnable > 0) return mode;
    if (g <= kModeGroups) return validMode(doc.options(), mode);
    if (isMemGroup(m, g) && mode == kModePa) return validMode(doc.options(), 0);
    return mode;
}

}  // namespace

ChannelClip copyChannelRows(const Document& doc, const std::vector<int>& rows) {
    ChannelClip clip;
    if (rows.empty()) return clip;
    std::vector<int> sorted = rows;
    std::sort(sorted.begin(), sorted.end());
    sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
    const int m = shownWorkMode(doc);
    const int g = shownGroup(doc);
    for (const int row : sorted)
        if (const int p = doc.findChannel(m, g, row))
            clip.channels.push_back({row - sorted.front(), doc.channels.slot(m, g, p)});
    return clip;
}

std::string clipToText(const ChannelClip& clip) {
    std::string text(kClipHeading);
    text += '\n';
    for (const ClippedChannel& c : clip.channels) {
        text += std::to_string(c.offset) + ' ' + frequencyWord(c.record.RxFrequency) + ' ' +
                frequencyWord(c.record.TxFrequency);
        for (const ClipField& f : kClipFields) text += ' ' + std::to_string(c.record.*f.field);
        text += '\n';
    }
    return text;
}

std::optional<ChannelClip> clipFromText(std::string_view text) {
    std::istringstream in{std::string(text)};
    std::string line;
    if (!std::getline(in, line) || line != kClipHeading) return std::nullopt;
    ChannelClip clip;
    int previousOffset = -1;
    while (std::getline(in, line)) {
        if (line.empty()) continue;
        std::istringstream words(line);
        std::vector<std::string> w;
        for (std::string word; words >> word && w.size() <= 3 + std::size(kClipFields);) w.push_back(word);
        if (w.size() != 3 + std::size(kClipFields)) return std::nullopt;
        ClippedChannel c;
        // Offsets ascend: a paste walks down the rows.
        if (!numberFromWord(w[0], previousOffset + 1, kSlotsPerGroup - 1, c.offset)) return std::nullopt;
        previousOffset = c.offset;
        if (!frequencyFromWord(w[1], c.record.RxFrequency) || !frequencyFromWord(w[2], c.record.TxFrequency))
            return std::nullopt;
        for (std::size_t i = 0; i < std::size(kClipFields); ++i) {
            const ClipField& f = kClipFields[i];
            int value = 0;
            if (!numberFromWord(w[3 + i], f.smallest, f.largest, value)) return std::nullopt;
            c.record.*f.field = static_cast<std::int16_t>(value);
        }
        c.record.Present = 1;
        clip.channels.push_back(c);
    }
    return clip;
}

PasteResult pasteChannelRows(Workspace& ws, int firstRow, const ChannelClip& clip) {
    Document& doc = ws.current;
    PasteResult result;
    const int m = shownWorkMode(doc);
    const int g = shownGroup(doc);
    const int lastRow = groupCapacity(m, g);
    for (const ClippedChannel& c : clip.channels) {
        const int row = firstRow + c.offset;
        if (row < 1 || row > lastRow) {
            ++result.pastLastRow;
            continue;
        }
        const std::string shown = storedToDisplay(c.record.RxFrequency.upToNul(), ws.bandLimits.lower).text;
        const NormalisedFrequency n = normaliseEnteredText(shown, ws.bandLimits, m, g, false);
        if (shown.empty() || n.text.empty() || n.outOfRange) {
            result.outOfBand.push_back(row);
            continue;
        }
        int p = doc.findChannel(m, g, row);
        if (p == 0) {
            if (!doc.appendChannel(m, g, row, n.text)) {
                ++result.pastLastRow;
                continue;
            }
            p = doc.count(m, g);
        }
        ChannelRecord& target = doc.channels.slot(m, g, p);
        // The public flag belongs to the work mode, not to the channel.
        const std::int16_t publicFlag = target.Public;
        target = c.record;
        target.ChannelNumber = static_cast<std::int16_t>(row);
        target.Present = 1;
        target.RxFrequency.set(enteredToStored(n.text, ws.bandLimits.lower));
        target.Public = publicFlag;
        target.Mode = static_cast<std::int16_t>(pastedMode(doc, m, g, target.Mode));
        result.pasted.push_back(row);
    }
    if (!result.pasted.empty()) {
        revalidateGroupReferences(doc, m, g);
        cleanRogerReferences(doc);
        cleanDtmfReferences(doc);
    }
    return result;
}

DeleteResult deleteChannelRows(Workspace& ws, const std::vector<int>& rows) {
    DeleteResult result;
    std::vector<int> sorted = rows;
    std::sort(sorted.begin(), sorted.end());
    sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
    for (const int row : sorted) {
        if (ws.current.findChannel(shownWorkMode(ws.current), shownGroup(ws.current), row) == 0) continue;
        if (updateChannelFrequency(ws, row, "").refused)
            ++result.stayed;
        else
            ++result.deleted;
    }
    return result;
}

}  // namespace mv52
