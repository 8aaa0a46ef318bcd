#include "lang/dtmf_texts.h"

namespace mv52 {
namespace {

using K = DtmfText;

constexpr auto kDtmfTexts = std::to_array<KeyedText<DtmfText>>({
    {K::Title, {"DTMF", "DTMF(双音多频)"}},
    {K::EncodeTab, {"Encode", "编码"}},
    {K::DecodeTab, {"Decode", "解码"}},
    {K::AutodialTab, {"Autodial Memory", "自动拨号存储器"}},
    {K::SendTime, {"DTMF Send Time[ms]", "DTMF 发送时间[毫秒]"}},
    {K::FirstDigitTime, {"First Digit Time[ms]", "首位数码时间[毫秒]"}},
    {K::FirstDigitDelay, {"First Digit Delay[ms]", "首位数码延迟[毫秒]"}},
    {K::StarHashTone, {"* and # Tone[ms]", "*和#音[毫秒]"}},
    {K::DCodeAssignment, {"D Code Assignment", "D键设定"}},
    {K::DtmfDisplay, {"DTMF DISP", "DTMF 显示"}},
    {K::IdCode, {"ID Code", "ID 码"}},
    {K::IdCodeInitial, sameText("000")},
    {K::GroupCode, {"Group Code", "组呼码"}},
    {K::AutoResetTimer, {"Auto Reset Timer[s]", "自动复位定时器[秒]"}},
    {K::CallAlert, {"Call Alert", "呼叫告警"}},
    {K::Transpond, {"Transpond", "自动应答"}},
    {K::ClearToTranspond, {"Clear to Transpond", "清除自动应答"}},
    {K::StunFrame, sameText("Stun")},
    {K::StunCode, {"Stun Code", "遥毙码"}},
    {K::StunType, {"Stun Type", "遥毙类型"}},
    {K::NumberHeader, {"No.", "编号"}},
    {K::MemoryHeader, {"Autodial Memory", "自动拨号存储器"}},
    {K::DecodeNotStored,
     {"Shown for reference only: nothing on this tab is stored or written to the radio.",
      "仅供参考：本页的设置不会保存，也不会写入电台。"}},
});
static_assert(keysInOrder(kDtmfTexts));
static_assert(kDtmfTexts.size() == static_cast<std::size_t>(DtmfText::DecodeNotStored) + 1);
constexpr BilingualText kMemoryLabel = {"Memory", "存储器"};

constexpr std::array<BilingualText, 4> kStarHashTones = {
    {sameText("0"), sameText("100"), sameText("500"), sameText("1000")}};
constexpr BilingualText kDCode = {"D Code", "D 码"};
constexpr BilingualText kSecondsSuffix = {"s", "秒"};
constexpr std::array<BilingualText, 1> kGroupCodes = {{{"Off", "关"}}};
constexpr std::array<BilingualText, 3> kCallAlerts = {{{"Off", "关"}, {"Normal", "常规"}, {"Continuous", "连续"}}};
constexpr std::array<BilingualText, 3> kTransponds = {{{"Off", "关"}, {"Alert", "告警"}, {"ID Code", "ID 码"}}};
constexpr std::array<BilingualText, 2> kStunTypes = {{{"TX Inhibit", "发射抑制"}, {"TX/RX Inhibit", "发射/接收 抑制"}}};

}  // namespace

std::string text(DtmfText key, LanguageIndex language) { return lookupText(kDtmfTexts, key, language); }

std::string dtmfMemoryLabel(int n, LanguageIndex language) {
    return std::string(kMemoryLabel.in(language)) + " " + std::to_string(n);
}

std::vector<std::string> items(DtmfList list, LanguageIndex language) {
    switch (list) {
        case DtmfList::SendTime: return numberItems(10, 500, 10);
        case DtmfList::FirstDigitTime: return numberItems(0, 1000, 100);
        case DtmfList::FirstDigitDelay: return numberItems(100, 2500, 100);
        case DtmfList::StarHashTone: return listIn(kStarHashTones, language);
        case DtmfList::DCodeAssignment:
            return prepend(std::string(kDCode.in(language)), numberItems(1, 16, 1, kSecondsSuffix.in(language)));
        case DtmfList::GroupCode: return listIn(kGroupCodes, language);
        // The auto-reset list's "Off" has no Chinese text of its own.
        case DtmfList::AutoResetTimer: return prepend("Off", numberItems(1, 15));
        case DtmfList::CallAlert: return listIn(kCallAlerts, language);
        case DtmfList::Transpond: return listIn(kTransponds, language);
        case DtmfList::StunType: return listIn(kStunTypes, language);
    }
    return {};
}

}  // namespace mv52
