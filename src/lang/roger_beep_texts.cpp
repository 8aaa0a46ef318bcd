#include "lang/roger_beep_texts.h"

namespace mv52 {
namespace {

using K = RogerText;

constexpr auto kRogerTexts = std::to_array<KeyedText<RogerText>>({
    {K::Title, {"Roger Beep", "RB音"}},
    {K::TabPrefix, {"RB Tone", "RB音"}},
    {K::RecycleTimes, {"Recycle Times", "循环次数"}},
    {K::InterTime, {"Inter Time[ms]", "间隔时间[ms]"}},
    {K::FrequencyHeader, {"Frequency[Hz]", "频率[Hz]"}},
    {K::LengthHeader, {"Tone Long[ms]", "音长[ms]"}},
    // Keys the menu bar leaves free (Program, Setup, View and Window take P, S, V and W).
    {K::Play, {"Pla&y", "播放(&Y)"}},
    {K::Stop, {"S&top", "停止(&T)"}},
    {K::SaveWav, {"Save &as WAV...", "另存为 WAV(&A)..."}},
    {K::WavFilter, {"WAV File (*.wav)|*.wav", "WAV 文件 (*.wav)|*.wav"}},
    {K::MenuCaption, {"Roger &Beep", "RB音(&B)"}},
    {K::NoSoundDevice,
     {"No sound device: Play keeps the tune's time in silence. Save as WAV writes it to a file.",
      "没有声音设备：播放时无声，只按时长走完。可用“另存为 WAV”保存成文件。"}},
    {K::TimeAxis, {"%1 ms", "%1 毫秒"}},
});
static_assert(keysInOrder(kRogerTexts));
static_assert(kRogerTexts.size() == static_cast<std::size_t>(RogerText::TimeAxis) + 1);

constexpr BilingualText kRecycleOffReason = {"does not play: its Recycle Times are Off.", "不能播放：循环次数为关。"};
constexpr BilingualText kNoToneReason = {"does not play: every tone length is 0.", "不能播放：所有音长均为 0。"};

constexpr std::array<BilingualText, 14> kToneRows = {{
    {"First Tone", "第一个音"},
    {"Second Tone", "第二个音"},
    {"Third Tone", "第三个音"},
    {"Fourth Tone", "第四个音"},
    {"Fifth Tone", "第五个音"},
    {"Sixth Tone", "第六个音"},
    {"Seventh Tone", "第七个音"},
    {"Eighth Tone", "第八个音"},
    {"Ninth Tone", "第九个音"},
    {"Tenth Tone", "第十个音"},
    {"Eleventh Tone", "第十一个音"},
    {"Twelfth Tone", "第十二个音"},
    {"Thirteenth Tone", "第十三个音"},
    {"Fourteenth Tone", "第十四个音"},
}};

constexpr BilingualText kRecycleOff = {"Off", "关"};
constexpr BilingualText kNoFrequency = {"None", "无"};

// Byte-wide fields in steps of 10: 256 items from "0" to "2550".
std::vector<std::string> tenSteps() { return numberItems(0, 2550, 10); }

}  // namespace

std::string text(RogerText key, LanguageIndex language) { return lookupText(kRogerTexts, key, language); }

std::string rogerNotPlayingText(int n, bool recycleOff, LanguageIndex language) {
    const BilingualText& reason = recycleOff ? kRecycleOffReason : kNoToneReason;
    return rogerTabCaption(n, language) + " " + std::string(reason.in(language));
}

std::string rogerTabCaption(int n, LanguageIndex language) {
    return text(RogerText::TabPrefix, language) + " " + std::to_string(n);
}

std::string toneRowName(int i, LanguageIndex language) {
    if (i < 1 || i > static_cast<int>(kToneRows.size())) return {};
    return std::string(kToneRows[static_cast<std::size_t>(i - 1)].in(language));
}

std::vector<std::string> items(RogerList list, LanguageIndex language) {
    switch (list) {
        case RogerList::RecycleTimes: return prepend(std::string(kRecycleOff.in(language)), numberItems(1, 10));
        case RogerList::InterTime:
        case RogerList::ToneLength: return tenSteps();
        // Frequencies below 400 Hz are not offered; a stored value there shows "None".
        case RogerList::ToneFrequency: return prepend(std::string(kNoFrequency.in(language)), numberItems(400, 2550, 10));
    }
    return {};
}

}  // namespace mv52
