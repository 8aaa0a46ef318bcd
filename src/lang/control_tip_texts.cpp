#include "lang/control_tip_texts.h"

#include <array>

#include "lang/bilingual.h"

namespace mv52 {
namespace {

using K = TipText;

constexpr auto kTipTexts = std::to_array<KeyedText<TipText>>({
    {K::List, {"Chooses %1: %2 settings, %3 to %4.", "选择%1：共 %2 项，%3 至 %4。"}},
    {K::ListFew, {"Chooses %1: %2.", "选择%1：%2。"}},
    {K::ListEmpty, {"Chooses %1.", "选择%1。"}},
    {K::Check, {"Switches %1 on or off.", "打开或关闭%1。"}},
    {K::Number, {"%1: a number from %2 to %3, in steps of %4.", "%1：%2 至 %3 之间的数，步进 %4。"}},
    {K::Text, {"%1: %2.", "%1：%2。"}},
    {K::Above, {"%1: %2 is above %3; stored %4", "%1：%2 大于 %3；已存为 %4"}},
    {K::Below, {"%1: %2 is below %3; stored %4", "%1：%2 小于 %3；已存为 %4"}},
    {K::Rounded, {"%1: %2 is kept to steps of %3; stored %4", "%1：%2 按步进 %3 取整；已存为 %4"}},
    {K::NotNumber, {"%1: \"%2\" is not a number; stored %3", "%1：“%2”不是数字；已存为 %3"}},
    {K::Changed, {"%1: stored %3 instead of %2", "%1：已存为 %3，而不是 %2"}},
    {K::ModesOff,
     {"Switched off in Optional Features: %1. Switch a mode on there (Edit > Option Features) to offer it here.",
      "已在可选功能中关闭：%1。在“编辑 > 可选功能”中打开后，这里即可选择。"}},
    {K::PublicLocked,
     {"While Public is On, the channel takes this from the public channel (Edit > Option Features).",
      "公共信道为“开”时，本项取自公共信道的设置（编辑 > 可选功能）。"}},
    {K::RogerEntries,
     {"Offers the roger-beep entries that are valid; set them up in Edit > Roger Beep.",
      "列出有效的 RB音；在“编辑 > RB音”中设置。"}},
    {K::DtmfCodes,
     {"Offers the DTMF memories that hold a code; fill them in Edit > DTMF.",
      "列出已存有码的 DTMF 存储；在“编辑 > DTMF”中填写。"}},
    {K::OnlyWithVox, {"Can be set while VOX is on.", "声控打开时才可设置。"}},
    {K::Separator, {", ", "、"}},
});
static_assert(keysInOrder(kTipTexts));
static_assert(kTipTexts.size() == static_cast<std::size_t>(TipText::Separator) + 1);

}  // namespace

std::string text(TipText key, LanguageIndex language) { return lookupText(kTipTexts, key, language); }

std::string tipText(TipText key, LanguageIndex language, std::initializer_list<std::string_view> args) {
    return substitute(text(key, language), args);
}

}  // namespace mv52
