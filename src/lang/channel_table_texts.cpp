#include "lang/channel_table_texts.h"

namespace mv52 {
namespace {

using K = ChannelTableText;

constexpr auto kTableTexts = std::to_array<KeyedText<ChannelTableText>>({
    {K::Title, {"Channel Table", "信道表格"}},
    {K::TxTone, {"Tx tone", "发射亚音"}},
    {K::RxTone, {"Rx tone", "接收亚音"}},
    {K::FindLabel, {"F&ind:", "查找(&I):"}},
    {K::FindPlaceholder, {"Frequency, or part of it", "频率或其中一部分"}},
    {K::Found, {"%1 found in all groups; F3 goes to the next.", "在所有组中找到 %1 个；按 F3 转到下一个。"}},
    {K::NotFound, {"'%1' is in no channel of any group.", "所有组的信道中都没有“%1”。"}},
    {K::FillFrequencies, {"Fi&ll Frequencies...", "填充频率(&L)..."}},
    {K::FillStart, {"Start (MHz):", "起始频率 (MHz):"}},
    {K::FillStep, {"Step (kHz):", "步进 (kHz):"}},
    {K::FillStepName, {"Fill frequencies from CH %1", "从信道 %1 起填充频率"}},
    {K::FillRefused, {"Outside the group's band (%1), not filled: CH %2", "超出本组频段 (%1)，未填充：信道 %2"}},
    {K::FillBadNumber, {"The start and the step must be numbers.", "起始频率和步进必须是数字。"}},
    {K::SortByFrequency, {"S&ort by Frequency", "按频率排序(&O)"}},
    {K::SortStepName, {"Sort CH %1 by frequency", "按频率排序信道 %1"}},
    {K::Skipped, {"%1 channel(s) could not take this value and kept their own.", "%1 个信道不能取此值，保留原值。"}},
    {K::Locked, {"A Public channel takes this setting from the public channel.", "公共信道的此项设置取自公共信道。"}},
    {K::Applied, {"%1 set on %2 channel(s).", "已为 %2 个信道设置%1。"}},
    {K::OutOfBandRows, {"Outside the group's band (%1), left as they were: CH %2", "超出本组频段 (%1)，保持不变：信道 %2"}},
    {K::FillTitle, {"Fill Frequencies", "填充频率"}},
    {K::SelectRows, {"Select two or more rows first.", "请先选择两行或更多行。"}},
});
static_assert(keysInOrder(kTableTexts));
static_assert(kTableTexts.size() == static_cast<std::size_t>(ChannelTableText::SelectRows) + 1);

}  // namespace

std::string text(ChannelTableText key, LanguageIndex language) { return lookupText(kTableTexts, key, language); }

std::string tableText(ChannelTableText key, LanguageIndex language, std::string_view first, std::string_view second) {
    return substitute(text(key, language), {first, second});
}

}  // namespace mv52
