#pragma once
// The document: the radio's whole configuration as the editors and data files see it.

#include <array>
#include <cstdint>
#include <memory>

#include "document/channel_record.h"
#include "data/fixed_text.h"
#include "data/groups.h"
#include "document/option_record.h"
#include "document/roger_beep_table.h"

namespace mv52 {

inline constexpr const char* kDocumentVersion = "V200";
inline constexpr const char* kModelType = "LB2424P";
inline constexpr std::int16_t kRadioTypeCode = 248;
inline constexpr std::int16_t kRadioInfoFinalValue = 67;  // the character code of "C"

struct RadioInfoRecord {
    FixedText<7> modelType;
    std::int16_t radioTypeCode = 0;
    std::int16_t bandCode = 0;
    FixedText<8> dateStamp;  // YYYYMMDD
    FixedText<5> versionText;
    FixedText<6> shortModelType;
    std::int16_t bandCode2 = 0;
    std::int16_t finalValue = 0;
    bool operator==(const RadioInfoRecord&) const = default;
};

struct DocumentHeader {
    FixedText<4> version;
    std::int16_t currentWorkMode = 0;
    std::array<std::int16_t, kWorkModeCount> currentGroup{};
    PerGroupI16 currentRow;
    PerGroupI16 channelCount;
    RadioInfoRecord radioInfo;
    OptionRecord options;
    RogerBeepTable rogerBeep;
    FurtherOptions further;
    bool operator==(const DocumentHeader&) const = default;
};

// 99 channel positions for every (work mode, group 1-17); positions 1 to the group's count
// are in use.
class ChannelTable {
public:
    ChannelRecord& slot(int workMode, int group, int position) {
        return slots_[index(workMode, group, position)];
    }
    const ChannelRecord& slot(int workMode, int group, int position) const {
        return slots_[index(workMode, group, position)];
    }

private:
    // Inline: the codecs reach every position of the table on each pass.
    static std::size_t index(int workMode, int group, int position) {
        if (workMode < 0 || workMode >= kWorkModeCount || group < 1 || group > kMaxGroups || position < 1 ||
            position > kSlotsPerGroup)
            throwOutOfRange();
        return static_cast<std::size_t>(((workMode * kMaxGroups) + (group - 1)) * kSlotsPerGroup + (position - 1));
    }
    [[noreturn]] static void throwOutOfRange();
    std::array<ChannelRecord, kWorkModeCount * kMaxGroups * kSlotsPerGroup> slots_{};
};

struct Document {
    DocumentHeader header;
    ChannelTable channels;

    std::int16_t& count(int workMode, int group) { return header.channelCount.at(workMode, group); }
    std::int16_t count(int workMode, int group) const {
        return header.channelCount.at(workMode, group);
    }
    OptionRecord& options() { return header.options; }
    const OptionRecord& options() const { return header.options; }
    FurtherOptions& further() { return header.further; }
    const FurtherOptions& further() const { return header.further; }

    // Appends a channel as the editor adds one: in use, scan add, both frequencies from the
    // entered text, "NB", every other field 0. Returns false when the group is full.
    bool appendChannel(int workMode, int group, int number, const std::string& enteredFrequency);
    // The position 1..count holding channel `number`, or 0.
    int findChannel(int workMode, int group, int number) const;
};

// Calls f(workMode, group) for CB groups 1-17, then HAM groups 1-14.
template <typename F>
void forEachGroup(F&& f) {
    for (int m = 0; m < kWorkModeCount; ++m)
        for (int g = 1; g <= groupCount(m); ++g) f(m, g);
}

}  // namespace mv52
