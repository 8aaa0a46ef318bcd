#include "lang/print_texts.h"

#include <array>

#include "lang/bilingual.h"

namespace mv52 {
namespace {

using K = PrintText;

constexpr auto kPrintTexts = std::to_array<KeyedText<PrintText>>({
    {K::PageOf, {"Page %1 of %2", "第 %1 页，共 %2 页"}},
    {K::PrintedAt, {"Printed %1", "打印于 %1"}},
    {K::SettingsHeader, {"Settings", "设置"}},
    {K::PdfFilter, {"PDF Document (*.pdf)|*.pdf", "PDF 文档 (*.pdf)|*.pdf"}},
    {K::PrintFailed, {"The sheet could not be printed on %1.", "无法在 %1 上打印信道表。"}},
    {K::Printed, {"Printed %1 page(s) on %2", "已在 %2 上打印 %1 页"}},
});
static_assert(keysInOrder(kPrintTexts));
static_assert(kPrintTexts.size() == static_cast<std::size_t>(PrintText::Printed) + 1);

}  // namespace

std::string text(PrintText key, LanguageIndex language) { return lookupText(kPrintTexts, key, language); }

}  // namespace mv52
