#include "lang/main_window_texts.h"

namespace mv52 {
namespace {

using K = MainText;

constexpr auto kMainTexts = std::to_array<KeyedText<MainText>>({
    {K::File, {"&File", "文件&F"}},
    {K::New, {"&New", "新建(&N)"}},
    {K::Open, {"&Open", "打开(&O)"}},
    {K::Save, {"&Save", "保存(&S)"}},
    {K::SaveAs, {"Save &As", "另存为(&A)"}},
    {K::Print, {"&Print", "打印(&P)"}},
    {K::Exit, {"E&xit", "退出(&X)"}},
    {K::Model, {"&Model", "机型(&M)"}},
    {K::ModelInformation, {"&Model Information", "机型信息(&M)"}},
    {K::Band, {"&Band", "频段(&B)"}},
    {K::CheckAllChannelFrequency, {"Check All Channel &Frequency", "有效频率检测(&F)"}},
    {K::Edit, {"&Edit", "编辑(&E)"}},
    {K::ChannelInformation, {"&Channel Information", "信道信息(&C)"}},
    {K::OptionFeatures, {"&Option Features", "可选功能(&O)"}},
    {K::KeyAssignment, {"&Key Assignment", "键设置(&K)"}},
    {K::ScanInformation, {"&Scan Information", "扫描信息(&S)"}},
    {K::Dtmf, {"&DTMF", "DTMF(双音多频)(&D)"}},
    {K::FleetSync, {"&Fleet Sync", "Fleet Sync(队列同步)(&F)"}},
    {K::TestFrequence, {"&Test FreQuence", "测试频率(&T)"}},
    {K::LocalInformation, {"Local &Information", "本机信息(&I)"}},
    {K::EmbeddedMessage, {"Embedded &Message", "嵌入信息(&M)"}},
    {K::Program, {"&Program", "编程(&P)"}},
    {K::ReadFromRadio, {"&Read from Radio", "从对讲机读取数据(&R)"}},
    {K::WriteToRadio, {"&Write to Radio", "向对讲机写入数据(&W)"}},
    {K::TestMode, {"&Test Mode", "测试模式(&T)"}},
    {K::Tools, {"&Tools", "工具(&T)"}},
    {K::RadioInformation, {"&Radio Information", "对讲机信息(&R)"}},
    {K::SetRadioInformation, {"&Set Radio Information", "设置对讲机信息(&S)"}},
    {K::Setup, {"&Setup", "设置(&S)"}},
    {K::CommunicationPort, {"&Communication Port", "通讯端口(&C)"}},
    {K::LanguageSetup, {"&Language Setup", "语言设置(&L)"}},
    {K::View, {"&View", "视图(&V)"}},
    {K::TreeView, {"Tree &View", "树视图(&V)"}},
    {K::Toolbar, {"&Toolbar", "工具栏(&T)"}},
    {K::StatusBar, {"&Status Bar", "状态栏(&S)"}},
    {K::Window, {"&Window", "窗口(&W)"}},
    {K::Cascade, {"&Cascade", "层叠(&C)"}},
    {K::TileWindowsVertically, {"Tile Windows &Vertically", "纵向平铺窗口(&V)"}},
    {K::TileWindowsHorizontally, {"Tile Windows &Horizontally", "横向平铺窗口(&H)"}},
    {K::ArrangeIcons, {"&Arrange Icons", "排列图标(&A)"}},
    {K::CloseAllWindows, {"Close All &Windows", "关闭所有窗口(&W)"}},
    {K::Help, {"&Help", "帮助(&H)"}},
    {K::HelpTopics, {"&Help topics", "帮助主题(&H)"}},
    {K::About, {"&About MV52", "关于 MV52(&A)"}},
    {K::InitialSetting, {"&Initial Setting", "初始化设置(&I)"}},
    {K::FileName, {"File Name", "文件名"}},
    {K::VerifyAfterWrite, {"&Verify after Write", "写入后校验(&V)"}},
    {K::Undo, {"&Undo", "撤销(&U)"}},
    {K::Redo, {"&Redo", "重做(&R)"}},
    {K::ImportChannels, {"&Import Channels…", "导入信道(&I)…"}},
    {K::ExportChannels, {"&Export Channels…", "导出信道(&E)…"}},
    {K::ImportConfiguration, {"Import &Configuration…", "导入配置(&C)…"}},
    {K::ExportConfiguration, {"Export Con&figuration…", "导出配置(&F)…"}},
    {K::SaveSupportInformation, {"Save &Support Information…", "保存支持信息(&S)…"}},
    {K::Cut, {"Cu&t", "剪切(&T)"}},
    {K::Copy, {"Co&py", "复制(&P)"}},
    {K::Paste, {"P&aste", "粘贴(&A)"}},
    {K::Delete, {"&Delete", "删除(&D)"}},
    {K::SelectAll, {"Select A&ll", "全选(&L)"}},
    {K::PrintSheet, {"&Print…", "打印(&P)…"}},
    {K::PrintPreview, {"Print Pre&view…", "打印预览(&V)…"}},
    {K::ExportPdf, {"Export P&DF…", "导出 PDF(&D)…"}},
    {K::ChannelTable, {"Channel T&able", "信道表格(&A)"}},
});
static_assert(keysInOrder(kMainTexts));
static_assert(kMainTexts.size() == static_cast<std::size_t>(MainText::ChannelTable) + 1);

}  // namespace

std::string text(MainText key, LanguageIndex language) { return lookupText(kMainTexts, key, language); }

std::span<const KeyedText<MainText>> mainWindowTable() { return kMainTexts; }

std::string mainWindowTitle(std::string_view bandText, std::string_view fileName, LanguageIndex language) {
    return std::string(kProgramLabel) + "[" + std::string(bandText) + "][" + text(MainText::FileName, language) +
           ":" + std::string(fileName) + "]";
}

std::string statusBandText(std::string_view bandText) {
    return std::string(kProgramLabel) + "[" + std::string(bandText) + "]";
}

}  // namespace mv52
