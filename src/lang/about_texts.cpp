#include "lang/about_texts.h"

#include <array>

#include "lang/bilingual.h"

namespace mv52 {
namespace {

using K = AboutText;

constexpr auto kAboutTexts = std::to_array<KeyedText<AboutText>>({
    {K::Release, {"Release", "发行版本"}},
    {K::SettingsFile, {"Settings file:", "设置文件："}},
    {K::LogFolder, {"Daily logs:", "每日日志："}},
    {K::PerUser,
     {"The installation folder is shared, so your settings and logs are kept in your own folders.",
      "安装文件夹为共享文件夹，因此您的设置和日志保存在您自己的文件夹中。"}},
});
static_assert(keysInOrder(kAboutTexts));

}  // namespace

std::string text(AboutText key, LanguageIndex language) {
    return std::string(kAboutTexts[static_cast<std::size_t>(key)].text.in(language));
}

}  // namespace mv52
