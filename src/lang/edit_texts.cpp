#include "lang/edit_texts.h"

#include <array>

#include "lang/bilingual.h"

namespace mv52 {
namespace {

using K = EditText;

constexpr auto kEditTexts = std::to_array<KeyedText<EditText>>({
    {K::UndoStep, {"Undo: %1", "撤销：%1"}},
    {K::RedoStep, {"Redo: %1", "重做：%1"}},
    {K::ChannelStep, {"%1 of CH %2", "信道 %2 的%1"}},
    {K::GroupStep, {"%1 of group %2", "组 %2 的%1"}},
    {K::RogerEntryStep, {"%1 of roger beep %2", "RB音 %2 的%1"}},
    {K::DtmfMemoryStep, {"DTMF memory %1", "DTMF 存储 %1"}},
    {K::EditStep, {"Edit", "编辑"}},
    {K::PasteStep, {"Paste into CH %1", "粘贴到信道 %1"}},
    {K::CutStep, {"Cut from CH %1", "从信道 %1 剪切"}},
    {K::DeleteStep, {"Delete from CH %1", "从信道 %1 删除"}},
    {K::ChannelsStayed,
     {"%1 channel(s) could not be deleted: a group keeps its last channel while no other valid group of "
      "the work mode holds a channel.",
      "有 %1 个信道未能删除：本工作模式的其他有效组都没有信道时，组须保留其最后一个信道。"}},
    {K::OutOfBandSkipped,
     {"Not pasted, the frequency is outside the band of this group: CH %1.", "频率超出本组频段，未粘贴：信道 %1。"}},
    {K::PastLastRow,
     {"%1 channel(s) were not pasted: they would go below the last row of this group.",
      "有 %1 个信道未粘贴：超出本组的最后一行。"}},
    {K::NothingToPaste, {"The clipboard holds no channels to paste.", "剪贴板中没有可粘贴的信道。"}},
    {K::Pasted, {"Pasted %1 channel(s) at CH %2", "已在信道 %2 处粘贴 %1 个信道"}},
});
static_assert(keysInOrder(kEditTexts));
static_assert(kEditTexts.size() == static_cast<std::size_t>(EditText::Pasted) + 1);

}  // namespace

std::string text(EditText key, LanguageIndex language) { return lookupText(kEditTexts, key, language); }

std::string editText(EditText key, LanguageIndex language, std::string_view first, std::string_view second) {
    return substitute(text(key, language), {first, second});
}

}  // namespace mv52
