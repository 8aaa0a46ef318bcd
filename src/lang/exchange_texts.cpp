#include "lang/exchange_texts.h"

#include <array>

#include "lang/bilingual.h"

namespace mv52 {
namespace {

using K = ExchangeText;

constexpr auto kExchangeTexts = std::to_array<KeyedText<ExchangeText>>({
    {K::ChannelListFilter, {"Channel List (*.csv)|*.csv", "信道列表 (*.csv)|*.csv"}},
    {K::ConfigurationFilter, {"Configuration (*.yaml)|*.yaml;*.yml", "配置 (*.yaml)|*.yaml;*.yml"}},
    {K::NothingImported, {"Nothing was imported. Refused:", "未导入任何内容。被拒绝的内容："}},
    {K::MoreRefusals, {"More refusals:", "其余被拒绝的内容："}},
    {K::CannotRead, {"The file cannot be read:", "无法读取文件："}},
    {K::TooLarge, {"The file is too large to be a channel list or configuration:", "文件过大，不是信道列表或配置文件："}},
    {K::AlignedWithRadio,
     {"stored values that no window can show were set to what the radio would receive:",
      "个无法显示的存储值已改为电台将接收的值："}},
    {K::Saved, {"Saved %1", "已保存 %1"}},
    {K::Exported, {"Exported %1", "已导出 %1"}},
    {K::Imported, {"Imported %1", "已导入 %1"}},
});
static_assert(keysInOrder(kExchangeTexts));

}  // namespace

std::string text(ExchangeText key, LanguageIndex language) {
    return std::string(kExchangeTexts[static_cast<std::size_t>(key)].text.in(language));
}

}  // namespace mv52
