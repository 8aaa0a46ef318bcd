#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

#include "document/workspace.h"
#include "lang/language_tables.h"

namespace mv52 {
namespace {

constexpr LanguageIndex kEn = LanguageIndex::English;
constexpr LanguageIndex kZh = LanguageIndex::Chinese;

using Items = std::vector<std::string>;

template <typename Key>
struct TextCase {
    Key key;
    const char* english;
    const char* chinese;
};

template <typename Key, std::size_t N>
void expectTexts(const TextCase<Key> (&cases)[N]) {
    for (const auto& c : cases) {
        EXPECT_EQ(text(c.key, kEn), c.english) << static_cast<int>(c.key);
        EXPECT_EQ(text(c.key, kZh), c.chinese) << static_cast<int>(c.key);
    }
}

// The character after "&", upper-cased; 0 when the text has no access key.
char accessKey(std::string_view caption) {
    const auto at = caption.find('&');
    if (at == std::string_view::npos || at + 1 >= caption.size()) return 0;
    return static_cast<char>(std::toupper(static_cast<unsigned char>(caption[at + 1])));
}

TEST(LangMainWindowTable, EntriesInBuildOrder) {
    const auto table = mainWindowTable();
    ASSERT_EQ(table.size(), 63u);
    for (std::size_t i = 0; i < table.size(); ++i) EXPECT_EQ(static_cast<std::size_t>(table[i].key), i);
    EXPECT_EQ(table.front().text.english, "&File");
    EXPECT_EQ(table[1].text.english, "&New");
    EXPECT_EQ(table[20].text.english, "Embedded &Message");
    EXPECT_EQ(table[44].text.english, "&Initial Setting");
    EXPECT_EQ(table[45].text.english, "File Name");
    EXPECT_EQ(table[46].text.english, "&Verify after Write");
    EXPECT_EQ(table[47].text.english, "&Undo");
    EXPECT_EQ(table[48].text.english, "&Redo");
    EXPECT_EQ(table[48].text.chinese, "重做(&R)");
    EXPECT_EQ(table[52].text.english, "Export Con&figuration…");
    EXPECT_EQ(table[58].text.english, "Select A&ll");
    EXPECT_EQ(table[58].text.chinese, "全选(&L)");
    EXPECT_EQ(table.back().text.english, "Channel T&able");
    EXPECT_EQ(table.back().text.chinese, "信道表格(&A)");
}

TEST(LangMainWindowTable, TextsInBothLanguages) {
    const TextCase<MainText> cases[] = {
        {MainText::File, "&File", "文件&F"},
        {MainText::SaveAs, "Save &As", "另存为(&A)"},
        {MainText::Exit, "E&xit", "退出(&X)"},
        {MainText::CheckAllChannelFrequency, "Check All Channel &Frequency", "有效频率检测(&F)"},
        {MainText::Dtmf, "&DTMF", "DTMF(双音多频)(&D)"},
        {MainText::FleetSync, "&Fleet Sync", "Fleet Sync(队列同步)(&F)"},
        {MainText::TestFrequence, "&Test FreQuence", "测试频率(&T)"},
        {MainText::ReadFromRadio, "&Read from Radio", "从对讲机读取数据(&R)"},
        {MainText::CommunicationPort, "&Communication Port", "通讯端口(&C)"},
        {MainText::TileWindowsHorizontally, "Tile Windows &Horizontally", "横向平铺窗口(&H)"},
        {MainText::HelpTopics, "&Help topics", "帮助主题(&H)"},
        {MainText::About, "&About MV52", "关于 MV52(&A)"},
        {MainText::FileName, "File Name", "文件名"},
        {MainText::VerifyAfterWrite, "&Verify after Write", "写入后校验(&V)"},
    };
    expectTexts(cases);
}

TEST(LangMainWindowTable, ChineseCaptionsKeepTheEnglishAccessKey) {
    for (const auto& entry : mainWindowTable()) {
        if (entry.key == MainText::FileName) {
            EXPECT_EQ(accessKey(entry.text.english), 0);
            continue;
        }
        const char english = accessKey(entry.text.english);
        EXPECT_NE(english, 0) << entry.text.english;
        EXPECT_EQ(accessKey(entry.text.chinese), english) << entry.text.english;
    }
}

TEST(LangMainWindowTable, TitleAndStatusTexts) {
    struct Case {
        LanguageIndex language;
        const char* band;
        const char* file;
        std::uint16_t port;
        const char* title;
        const char* portText;
    };
    const Case cases[] = {
        {kEn, "24.7150 - 30.1050 MHz", "new.dat", 1, "MV52[24.7150 - 30.1050 MHz][File Name:new.dat]", "COM1"},
        {kZh, "28.0000 - 29.6950 MHz", "my.dat", 12, "MV52[28.0000 - 29.6950 MHz][文件名:my.dat]", "通信口12"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(mainWindowTitle(c.band, c.file, c.language), c.title);
        EXPECT_EQ(portText(c.port, c.language), c.portText);
        EXPECT_EQ(statusBandText(c.band), std::string("MV52[") + c.band + "]");
    }
}

TEST(LangSharedTables, TextsInBothLanguages) {
    const TextCase<SharedText> cases[] = {
        {SharedText::PortDialogTitle, "Communication Port", "通信端口"},
        {SharedText::PortLabel, "COM", "通信口"},
        {SharedText::Close, "&Close", "关闭(&C)"},
        {SharedText::Help, "&Help", "帮助(&H)"},
        {SharedText::Off, "OFF", "关"},
        {SharedText::On, "ON", "开"},
        {SharedText::ProgressLabel, "Completion percentage:", "完成进度:"},
    };
    expectTexts(cases);
    EXPECT_EQ(offOnItems(kEn), (Items{"OFF", "ON"}));
    EXPECT_EQ(offOnItems(kZh), (Items{"关", "开"}));
}

TEST(LangSharedTables, ProgressTitleByOperation) {
    struct Case {
        CommOperation operation;
        LanguageIndex language;
        const char* expected;
    };
    const Case cases[] = {
        {CommOperation::Read, kEn, "Read data from radio"},
        {CommOperation::Read, kZh, "从对讲机读取数据"},
        {CommOperation::Write, kEn, "Write data to radio"},
        {CommOperation::Write, kZh, "向对讲机写入数据"},
        {CommOperation::Verify, kEn, "Verify data in radio"},
        {CommOperation::Verify, kZh, "校验对讲机数据"},
        {CommOperation::None, kEn, ""},
    };
    for (const Case& c : cases) EXPECT_EQ(progressTitle(c.operation, c.language), c.expected);
}

TEST(LangDialogTexts, TextsInBothLanguages) {
    const TextCase<LanguageDialogText> cases[] = {
        {LanguageDialogText::Caption, "Language Setup", "语言设置"},
        {LanguageDialogText::ModeLabel, "Language Mode", "语言模式"},
        {LanguageDialogText::EnglishName, "English", "英语"},
        {LanguageDialogText::ChineseName, "Chinese", "中文"},
    };
    expectTexts(cases);
}

TEST(LangChannelTexts, LabelsInBothLanguages) {
    const TextCase<ChannelText> cases[] = {
        {ChannelText::Title, "Channel Information", "信道信息"},
        {ChannelText::WorkModeLabel, "Select HF/HAM", "模式选择"},
        {ChannelText::GroupLabel, "Band", "组"},
        {ChannelText::WorkGroupLabel, "Work Group", "工作组"},
        {ChannelText::ChNoHeader, "CH No.", "信道"},
        {ChannelText::FrequencyHeader, "Frequency", "频率"},
        {ChannelText::Scan, "Scan", "扫描"},
        {ChannelText::RxCode, "CTC/DCS", "CTC/DCS"},
        {ChannelText::Add10K, "+10KHz", "+10KHz"},
        {ChannelText::Call, "Call", "Call"},
        {ChannelText::GroupValid, "Group Valid", "组有效"},
        {ChannelText::EmgMode2, "EMG Mode 2", "EMG Mode 2"},
        {ChannelText::ListOff, "Off", "关"},
    };
    expectTexts(cases);
}

TEST(LangChannelTexts, FixedLists) {
    struct Case {
        ChannelList list;
        LanguageIndex language;
        Items expected;
    };
    const Case cases[] = {
        {ChannelList::OffOn, kEn, {"Off", "On"}},
        {ChannelList::OffOn, kZh, {"关", "开"}},
        {ChannelList::Rep, kEn, {"Off", "+", "-"}},
        {ChannelList::Rep, kZh, {"关", "+", "-"}},
        {ChannelList::ToneType, kZh, {"Off", "CTCSS", "DCS"}},
        {ChannelList::Scan, kEn, {"Del", "Add"}},
        {ChannelList::Scan, kZh, {"删除", "添加"}},
        {ChannelList::NbAnl, kZh, {"关", "NB", "ANL", "NB/ANL"}},
        {ChannelList::WorkMode, kZh, {"HF -- 24.7150 - 30.1050 MHz", "HAM -- 28.0000 - 29.7000 MHz"}},
        {ChannelList::GroupValid, kEn, {"Off", "On"}},
        {ChannelList::EmergencyMode, kZh, {"FM", "AM", "USB", "LSB"}},
    };
    for (const Case& c : cases) EXPECT_EQ(items(c.list, c.language), c.expected) << static_cast<int>(c.list);
}

TEST(LangChannelTexts, ComposedCaptions) {
    EXPECT_EQ(groupSettingsCaption("A", kEn), "Band -- A");
    EXPECT_EQ(groupSettingsCaption("MEM", kZh), "组 -- MEM");
    EXPECT_EQ(informationFrameCaption("M45"), "More Information -- CH M45");
    EXPECT_EQ(emergencyChannelLabel(1, kEn), "EMG CHX1");
    EXPECT_EQ(emergencyChannelLabel(2, kZh), "紧急信道2");
}

// Generated lists: their length and the items at the start and the end.
struct GeneratedCase {
    std::size_t count;
    const char* first;
    const char* second;
    const char* last;
};

void expectGenerated(const Items& got, const GeneratedCase& c, const std::string& what) {
    ASSERT_EQ(got.size(), c.count) << what;
    EXPECT_EQ(got[0], c.first) << what;
    EXPECT_EQ(got[1], c.second) << what;
    EXPECT_EQ(got.back(), c.last) << what;
}

TEST(LangOptionTexts, LabelsInBothLanguages) {
    const TextCase<OptionText> cases[] = {
        {OptionText::Title, "Optional Features", "可选功能"},
        {OptionText::Tot, "TOT", "TOT"},
        {OptionText::Indic, "INDIC", "发射时LCD显示"},
        {OptionText::AsqLevel, "ASQ Level", "ASQ等级"},
        {OptionText::Color, "Color", "背光灯颜色"},
        {OptionText::MicType, "MicType", "MIC类型"},
        {OptionText::VfoStep, "VFO Step", "VFO步进"},
        {OptionText::SsbTone, "SSB Tone", "SSB调制范围"},
        {OptionText::BatteryProtect, "Battery Voltage Protect", "电池电压保护"},
        {OptionText::BatteryMin, "Min[V]", "Min[V]"},
        {OptionText::CwEnable, "CW Enable", "CW Enable"},
        {OptionText::HamDwBand, "Ham DW Band", "Ham DW Band"},
        {OptionText::HamDwChan, "HAM DW Chan", "HAM DW Chan"},
        {OptionText::PublicFrame, "Public", "公共信道设置"},
        {OptionText::PublicCall, "CALL", "CALL"},
        {OptionText::PublicMode, "Mode", "Mode"},
    };
    expectTexts(cases);
}

TEST(LangOptionTexts, FixedLists) {
    struct Case {
        OptionList list;
        LanguageIndex language;
        Items expected;
    };
    const Case cases[] = {
        {OptionList::Indic, kZh, {"发射频率显示", "SWR驻波LCD显示", "TOT剩余时间显示", "电池电压显示"}},
        {OptionList::Indic, kEn,
         {"Tx Frequency Display", "SWR LCD Display", "TOT Remain Time Display", "Battery Voltage Display"}},
        {OptionList::Color, kEn, {"White", "Blue", "Green", "Red", "Yellow", "Purple", "Cyan"}},
        {OptionList::Color, kZh, {"白", "蓝", "绿", "红", "黄", "紫", "青"}},
        {OptionList::Scm, kZh, {"静噪扫描", "时间扫描"}},
        {OptionList::Fin, kEn, {"Off", "R", "T", "RT"}},
        {OptionList::Fin, kZh, {"关", "R", "T", "RT"}},
        {OptionList::Vox, kEn, {"OFF", "ON"}},
        {OptionList::HamPublic, kZh, {"关", "开"}},
        {OptionList::Emg, kEn, {"OFF", "EMG 1", "EMG 2"}},
        {OptionList::VolPath, kZh, {"MAIN", "MIC.JACK", "BOTH"}},
        {OptionList::VfoStep, kEn, {"10Hz", "100Hz", "1K", "5K", "10K", "100K", "1M"}},
        {OptionList::FinRange, kEn, {"500Hz", "5KHz"}},
        {OptionList::Agc, kZh, {"SLOW", "FAST"}},
        {OptionList::HfDwBand, kEn, {"A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "L"}},
        {OptionList::HamDwMode, kZh, {"FM", "AM", "USB", "LSB"}},
        {OptionList::PublicNbAnl, kEn, {"OFF", "NB", "ANL", "NB/ANL"}},
        {OptionList::Dim, kZh, {"关", "1", "2", "3", "4", "5"}},
    };
    for (const Case& c : cases) EXPECT_EQ(items(c.list, c.language), c.expected) << static_cast<int>(c.list);
}

TEST(LangOptionTexts, GeneratedLists) {
    struct Case {
        OptionList list;
        LanguageIndex language;
        GeneratedCase expected;
    };
    const Case cases[] = {
        {OptionList::Tot, kEn, {21, "Off", "30s", "600s"}},
        {OptionList::Tot, kZh, {21, "关", "30s", "600s"}},
        {OptionList::Mic, kZh, {45, "1", "2", "45"}},
        {OptionList::AsqLevel, kEn, {10, "OFF", "1", "9"}},
        {OptionList::Nog, kEn, {33, "Off", "1", "32"}},
        {OptionList::VoxDelay, kEn, {9, "1", "2", "9"}},
        {OptionList::RxNr, kZh, {6, "关", "1", "5"}},
        {OptionList::EchoTime, kEn, {32, "1", "2", "32"}},
        {OptionList::PfKey, kZh, {19, "NULL", "VOX", "AGC.SET"}},
        {OptionList::HamDwChan, kEn, {40, "1", "2", "40"}},
        {OptionList::CwFreq, kEn, {226, "300", "310", "2550"}},
        {OptionList::CwBeep, kEn, {64, "OFF", "1", "63"}},
    };
    for (const Case& c : cases)
        expectGenerated(items(c.list, c.language), c.expected, std::to_string(static_cast<int>(c.list)));
    // 90 seconds is the third item: position 3 stores tot 9.
    EXPECT_EQ(items(OptionList::Tot, kEn)[3], "90s");
}

TEST(LangRogerBeepTexts, LabelsInBothLanguages) {
    const TextCase<RogerText> cases[] = {
        {RogerText::Title, "Roger Beep", "RB音"},
        {RogerText::RecycleTimes, "Recycle Times", "循环次数"},
        {RogerText::InterTime, "Inter Time[ms]", "间隔时间[ms]"},
        {RogerText::FrequencyHeader, "Frequency[Hz]", "频率[Hz]"},
        {RogerText::LengthHeader, "Tone Long[ms]", "音长[ms]"},
        {RogerText::Play, "Pla&y", "播放(&Y)"},
        {RogerText::Stop, "S&top", "停止(&T)"},
    };
    expectTexts(cases);
}

TEST(LangRogerBeepTexts, TabCaptionsAreThePrefixASpaceAndTheNumber) {
    for (int n = 1; n <= 8; ++n) {
        EXPECT_EQ(rogerTabCaption(n, kEn), "RB Tone " + std::to_string(n));
        EXPECT_EQ(rogerTabCaption(n, kZh), "RB音 " + std::to_string(n));
    }
}

TEST(LangRogerBeepTexts, ToneRowNames) {
    struct Case {
        int row;
        const char* english;
        const char* chinese;
    };
    const Case cases[] = {
        {1, "First Tone", "第一个音"},     {2, "Second Tone", "第二个音"},
        {8, "Eighth Tone", "第八个音"},    {10, "Tenth Tone", "第十个音"},
        {11, "Eleventh Tone", "第十一个音"}, {12, "Twelfth Tone", "第十二个音"},
        {13, "Thirteenth Tone", "第十三个音"}, {14, "Fourteenth Tone", "第十四个音"},
        {0, "", ""},                        {15, "", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(toneRowName(c.row, kEn), c.english) << c.row;
        EXPECT_EQ(toneRowName(c.row, kZh), c.chinese) << c.row;
    }
}

TEST(LangRogerBeepTexts, Lists) {
    struct Case {
        RogerList list;
        LanguageIndex language;
        GeneratedCase expected;
    };
    const Case cases[] = {
        {RogerList::RecycleTimes, kEn, {11, "Off", "1", "10"}},
        {RogerList::RecycleTimes, kZh, {11, "关", "1", "10"}},
        {RogerList::InterTime, kEn, {256, "0", "10", "2550"}},
        {RogerList::ToneFrequency, kEn, {217, "None", "400", "2550"}},
        {RogerList::ToneFrequency, kZh, {217, "无", "400", "2550"}},
        {RogerList::ToneLength, kZh, {256, "0", "10", "2550"}},
    };
    for (const Case& c : cases)
        expectGenerated(items(c.list, c.language), c.expected, std::to_string(static_cast<int>(c.list)));
    // "1000" sits where a stored frequency of 100 is looked up.
    EXPECT_EQ(items(RogerList::ToneFrequency, kEn)[1 + (1000 - 400) / 10], "1000");
}

TEST(LangDtmfTexts, LabelsInBothLanguages) {
    const TextCase<DtmfText> cases[] = {
        {DtmfText::Title, "DTMF", "DTMF(双音多频)"},
        {DtmfText::EncodeTab, "Encode", "编码"},
        {DtmfText::DecodeTab, "Decode", "解码"},
        {DtmfText::AutodialTab, "Autodial Memory", "自动拨号存储器"},
        {DtmfText::SendTime, "DTMF Send Time[ms]", "DTMF 发送时间[毫秒]"},
        {DtmfText::StarHashTone, "* and # Tone[ms]", "*和#音[毫秒]"},
        {DtmfText::DCodeAssignment, "D Code Assignment", "D键设定"},
        {DtmfText::DtmfDisplay, "DTMF DISP", "DTMF 显示"},
        {DtmfText::AutoResetTimer, "Auto Reset Timer[s]", "自动复位定时器[秒]"},
        {DtmfText::ClearToTranspond, "Clear to Transpond", "清除自动应答"},
        {DtmfText::StunFrame, "Stun", "Stun"},
        {DtmfText::StunType, "Stun Type", "遥毙类型"},
        {DtmfText::IdCodeInitial, "000", "000"},
        {DtmfText::NumberHeader, "No.", "编号"},
        {DtmfText::MemoryHeader, "Autodial Memory", "自动拨号存储器"},
    };
    expectTexts(cases);
}

TEST(LangDtmfTexts, Lists) {
    struct Case {
        DtmfList list;
        LanguageIndex language;
        Items expected;
    };
    const Case cases[] = {
        {DtmfList::StarHashTone, kZh, {"0", "100", "500", "1000"}},
        {DtmfList::GroupCode, kZh, {"关"}},
        {DtmfList::CallAlert, kEn, {"Off", "Normal", "Continuous"}},
        {DtmfList::CallAlert, kZh, {"关", "常规", "连续"}},
        {DtmfList::Transpond, kZh, {"关", "告警", "ID 码"}},
        {DtmfList::StunType, kZh, {"发射抑制", "发射/接收 抑制"}},
    };
    for (const Case& c : cases) EXPECT_EQ(items(c.list, c.language), c.expected) << static_cast<int>(c.list);

    struct GenCase {
        DtmfList list;
        LanguageIndex language;
        GeneratedCase expected;
    };
    const GenCase generated[] = {
        {DtmfList::SendTime, kEn, {50, "10", "20", "500"}},
        {DtmfList::FirstDigitTime, kEn, {11, "0", "100", "1000"}},
        {DtmfList::FirstDigitDelay, kZh, {25, "100", "200", "2500"}},
        {DtmfList::DCodeAssignment, kEn, {17, "D Code", "1s", "16s"}},
        {DtmfList::DCodeAssignment, kZh, {17, "D 码", "1秒", "16秒"}},
        {DtmfList::AutoResetTimer, kZh, {16, "Off", "1", "15"}},
    };
    for (const GenCase& c : generated)
        expectGenerated(items(c.list, c.language), c.expected, std::to_string(static_cast<int>(c.list)));
    // "250" is found where the stored 25 is shown, and position 5 is five seconds.
    EXPECT_EQ(items(DtmfList::SendTime, kEn)[24], "250");
    EXPECT_EQ(items(DtmfList::DCodeAssignment, kEn)[5], "5s");
}

}  // namespace
}  // namespace mv52
