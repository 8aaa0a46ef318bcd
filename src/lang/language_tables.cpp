#include "lang/language_tables.h"

#include "data/comm_operation.h"

namespace mv52 {
namespace {

constexpr auto kSharedTexts = std::to_array<KeyedText<SharedText>>({
    {SharedText::PortDialogTitle, {"Communication Port", "通信端口"}},
    {SharedText::PortLabel, {"COM", "通信口"}},
    {SharedText::Close, {"&Close", "关闭(&C)"}},
    {SharedText::Help, {"&Help", "帮助(&H)"}},
    {SharedText::Off, {"OFF", "关"}},
    {SharedText::On, {"ON", "开"}},
    {SharedText::ProgressLabel, {"Completion percentage:", "完成进度:"}},
});
static_assert(keysInOrder(kSharedTexts));
static_assert(kSharedTexts.size() == static_cast<std::size_t>(SharedText::ProgressLabel) + 1);

constexpr BilingualText kProgressReadTitle = {"Read data from radio", "从对讲机读取数据"};
constexpr BilingualText kProgressWriteTitle = {"Write data to radio", "向对讲机写入数据"};
constexpr BilingualText kProgressVerifyTitle = {"Verify data in radio", "校验对讲机数据"};

constexpr auto kLanguageDialogTexts = std::to_array<KeyedText<LanguageDialogText>>({
    {LanguageDialogText::Caption, {"Language Setup", "语言设置"}},
    {LanguageDialogText::ModeLabel, {"Language Mode", "语言模式"}},
    {LanguageDialogText::EnglishName, {"English", "英语"}},
    {LanguageDialogText::ChineseName, {"Chinese", "中文"}},
});
static_assert(keysInOrder(kLanguageDialogTexts));
static_assert(kLanguageDialogTexts.size() == static_cast<std::size_t>(LanguageDialogText::ChineseName) + 1);

}  // namespace

std::string text(SharedText key, LanguageIndex language) { return lookupText(kSharedTexts, key, language); }

std::string progressTitle(CommOperation operation, LanguageIndex language) {
    switch (operation) {
        case CommOperation::Read: return std::string(kProgressReadTitle.in(language));
        case CommOperation::Write: return std::string(kProgressWriteTitle.in(language));
        case CommOperation::Verify: return std::string(kProgressVerifyTitle.in(language));
        case CommOperation::None: break;
    }
    return {};
}

std::string portText(std::uint16_t comPort, LanguageIndex language) {
    return text(SharedText::PortLabel, language) + std::to_string(comPort);
}

std::vector<std::string> offOnItems(LanguageIndex language) {
    return {text(SharedText::Off, language), text(SharedText::On, language)};
}

std::string text(LanguageDialogText key, LanguageIndex language) {
    return lookupText(kLanguageDialogTexts, key, language);
}

}  // namespace mv52
