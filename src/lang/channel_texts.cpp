#include "lang/channel_texts.h"

#include "data/tone_codes.h"

namespace mv52 {
namespace {

using K = ChannelText;

constexpr auto kChannelTexts = std::to_array<KeyedText<ChannelText>>({
    {K::Title, {"Channel Information", "信道信息"}},
    {K::WorkModeLabel, {"Select HF/HAM", "模式选择"}},
    {K::GroupLabel, {"Band", "组"}},
    {K::WorkGroupLabel, {"Work Group", "工作组"}},
    {K::ChNoHeader, {"CH No.", "信道"}},
    {K::FrequencyHeader, {"Frequency", "频率"}},
    {K::Busy, sameText("BUSY")},
    {K::Rep, sameText("REP")},
    {K::RxCtc, sameText("RXCTC")},
    {K::RxCode, sameText("CTC/DCS")},
    {K::TxCtc, sameText("TXCTC")},
    {K::TxCode, sameText("CTC/DCS")},
    {K::Scan, {"Scan", "扫描"}},
    {K::Public, sameText("Public")},
    {K::Bot, sameText("BOT")},
    {K::Eot, sameText("EOT")},
    {K::Call, sameText("Call")},
    {K::HiCut, sameText("HI-CUT")},
    {K::NbAnl, sameText("NB/ANL")},
    {K::Echo, sameText("ECHO")},
    {K::Add10K, sameText("+10KHz")},
    {K::Roger, sameText("Roger")},
    {K::Mode, sameText("Mode")},
    {K::GroupValid, {"Group Valid", "组有效"}},
    {K::EmgMode1, sameText("EMG Mode 1")},
    {K::EmgMode2, sameText("EMG Mode 2")},
    {K::EmgChannel, {"EMG CHX", "紧急信道"}},
    {K::ListOff, {"Off", "关"}},
    {K::OutOfRangeDeleted, {"The band of this group is %1. The channel was deleted.", "本组频段为 %1。该信道已删除。"}},
    {K::OutOfRangeStays,
     {"The band of this group is %1. The channel stays: a group keeps its last channel while no other valid group "
      "of the work mode holds a channel.",
      "本组频段为 %1。该信道保留：本工作模式的其他有效组都没有信道时，组须保留其最后一个信道。"}},
    {K::OutOfRangeNotAdded, {"The band of this group is %1. No channel was added.", "本组频段为 %1。未添加信道。"}},
});
static_assert(keysInOrder(kChannelTexts));
static_assert(kChannelTexts.size() == static_cast<std::size_t>(ChannelText::OutOfRangeNotAdded) + 1);

// This window's switch list reads "Off"/"On", unlike the "OFF"/"ON" of the shared table.
constexpr std::array<BilingualText, 2> kOffOn = {{{"Off", "关"}, {"On", "开"}}};
constexpr std::array<BilingualText, 3> kRep = {{{"Off", "关"}, sameText("+"), sameText("-")}};
constexpr std::array<BilingualText, 2> kScan = {{{"Del", "删除"}, {"Add", "添加"}}};
constexpr std::array<BilingualText, 4> kNbAnl = {
    {{"Off", "关"}, sameText("NB"), sameText("ANL"), sameText("NB/ANL")}};
constexpr std::array<BilingualText, 2> kWorkModes = {
    {sameText("HF -- 24.7150 - 30.1050 MHz"), sameText("HAM -- 28.0000 - 29.7000 MHz")}};
constexpr std::array<BilingualText, 4> kEmergencyModes = {
    {sameText("FM"), sameText("AM"), sameText("USB"), sameText("LSB")}};

}  // namespace

std::string text(ChannelText key, LanguageIndex language) { return lookupText(kChannelTexts, key, language); }

std::vector<std::string> items(ChannelList list, LanguageIndex language) {
    switch (list) {
        case ChannelList::OffOn:
        case ChannelList::GroupValid: return listIn(kOffOn, language);
        case ChannelList::Rep: return listIn(kRep, language);
        case ChannelList::ToneType: return {kToneTypeNames.begin(), kToneTypeNames.end()};
        case ChannelList::Scan: return listIn(kScan, language);
        case ChannelList::NbAnl: return listIn(kNbAnl, language);
        case ChannelList::WorkMode: return listIn(kWorkModes, language);
        case ChannelList::EmergencyMode: return listIn(kEmergencyModes, language);
    }
    return {};
}

std::string groupSettingsCaption(std::string_view groupName, LanguageIndex language) {
    return text(ChannelText::GroupLabel, language) + " -- " + std::string(groupName);
}

std::string informationFrameCaption(std::string_view channelName) {
    return "More Information -- CH " + std::string(channelName);
}

std::string emergencyChannelLabel(int which, LanguageIndex language) {
    return text(ChannelText::EmgChannel, language) + std::to_string(which);
}

}  // namespace mv52
