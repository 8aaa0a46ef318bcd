#include "lang/option_texts.h"

#include <utility>

#include "lang/language_tables.h"

namespace mv52 {
namespace {

using K = OptionText;

constexpr auto kOptionTexts = std::to_array<KeyedText<OptionText>>({
    {K::Title, {"Optional Features", "可选功能"}},
    {K::Tot, sameText("TOT")},
    {K::Indic, {"INDIC", "发射时LCD显示"}},
    {K::Mic, sameText("MIC")},
    {K::AsqLevel, {"ASQ Level", "ASQ等级"}},
    {K::Nog, sameText("NOG")},
    {K::Color, {"Color", "背光灯颜色"}},
    {K::Scm, sameText("SCM")},
    {K::Fin, sameText("Fin")},
    {K::TxOffset, sameText("Tx Offset")},
    {K::TxOffsetUnit, sameText("MHz")},
    {K::Vox, sameText("VOX")},
    {K::VoxLevel, {"VOX Level", "声控等级"}},
    {K::VoxDelay, {"VOX Delay", "声控延时"}},
    {K::VoxSpk, sameText("VOX Spk")},
    {K::MicType, {"MicType", "MIC类型"}},
    {K::RxNr, {"Rx NR", "接收NR"}},
    {K::TxNr, {"Tx NR", "发射NR"}},
    {K::Emg, sameText("EMG")},
    {K::VolPath, {"VOL Path", "音量通道"}},
    {K::EchoVol, sameText("Echo VOL")},
    {K::EchoTime, sameText("Echo Time")},
    {K::AmNpc, sameText("AM NPC")},
    {K::Vfo, sameText("VFO")},
    {K::VfoStep, {"VFO Step", "VFO步进"}},
    {K::Beep, {"Beep", "提示音"}},
    {K::FmDeviation, {"FM Deviation", "FM调制范围"}},
    {K::SsbTone, {"SSB Tone", "SSB调制范围"}},
    {K::PfKey, {"PF Key", "按键"}},
    {K::FinRange, sameText("Fin Range")},
    {K::Agc, sameText("AGC")},
    {K::VolDisplay, sameText("Vol Display")},
    {K::SqlDisplay, sameText("SQL Display")},
    {K::PowDisplay, sameText("POW Display")},
    {K::RfgDisplay, sameText("RFG Display")},
    {K::SwrProtect, {"SWR Protect", "驻波保护"}},
    {K::SwrMax, sameText("Max")},
    {K::BatteryProtect, {"Battery Voltage Protect", "电池电压保护"}},
    {K::BatteryMin, sameText("Min[V]")},
    {K::BatteryMax, sameText("Max[V]")},
    {K::ModeEnable, sameText("Mode Enable")},
    {K::FmEnable, sameText("FM Enable")},
    {K::AmEnable, sameText("AM Enable")},
    {K::UsbEnable, sameText("USB Enable")},
    {K::LsbEnable, sameText("LSB Enable")},
    {K::PaEnable, sameText("PA Enable")},
    {K::CwEnable, sameText("CW Enable")},
    {K::HfDwBand, sameText("HF DW Band")},
    {K::HfDwChan, sameText("HF DW Chan")},
    {K::HfDwMode, sameText("HF DW Mode")},
    {K::HamDwBand, sameText("Ham DW Band")},
    {K::HamDwChan, sameText("HAM DW Chan")},
    {K::HamDwMode, sameText("HAM DW Mode")},
    {K::HfPublic, sameText("HF Public")},
    {K::HamPublic, sameText("Ham Public")},
    {K::CwFreq, sameText("CW Freq")},
    {K::CwBeep, sameText("CW BEEP")},
    {K::Dim, sameText("Dim")},
    {K::PublicFrame, {"Public", "公共信道设置"}},
    {K::PublicBot, sameText("BOT")},
    {K::PublicEot, sameText("EOT")},
    {K::PublicCall, sameText("CALL")},
    {K::PublicHiCut, sameText("HI-CUT")},
    {K::PublicNbAnl, sameText("NB/ANL")},
    {K::PublicEcho, sameText("ECHO")},
    {K::PublicAdd10k, sameText("+10KHz")},
    {K::Roger, sameText("Roger")},
    {K::PublicMode, sameText("Mode")},
});
static_assert(keysInOrder(kOptionTexts));
static_assert(kOptionTexts.size() == static_cast<std::size_t>(OptionText::PublicMode) + 1);

// "Off*": the first item of TOT, NOG and Fin, written like a word rather than the switch value.
constexpr BilingualText kOffWord = {"Off", "关"};

constexpr std::array<BilingualText, 4> kIndic = {{
    {"Tx Frequency Display", "发射频率显示"},
    {"SWR LCD Display", "SWR驻波LCD显示"},
    {"TOT Remain Time Display", "TOT剩余时间显示"},
    {"Battery Voltage Display", "电池电压显示"},
}};
constexpr std::array<BilingualText, 7> kColors = {{
    {"White", "白"},
    {"Blue", "蓝"},
    {"Green", "绿"},
    {"Red", "红"},
    {"Yellow", "黄"},
    {"Purple", "紫"},
    {"Cyan", "青"},
}};
constexpr std::array<BilingualText, 2> kScanModes = {{{"Squelch Scan", "静噪扫描"}, {"Time Scan", "时间扫描"}}};
constexpr std::array<BilingualText, 3> kFinRest = {{sameText("R"), sameText("T"), sameText("RT")}};
constexpr std::array<BilingualText, 2> kMicTypes = {{sameText("EL"), sameText("DY")}};
constexpr std::array<BilingualText, 2> kEmgRest = {{sameText("EMG 1"), sameText("EMG 2")}};
constexpr std::array<BilingualText, 3> kVolPaths = {{sameText("MAIN"), sameText("MIC.JACK"), sameText("BOTH")}};
constexpr std::array<BilingualText, 7> kVfoSteps = {{sameText("10Hz"), sameText("100Hz"), sameText("1K"),
                                                     sameText("5K"), sameText("10K"), sameText("100K"),
                                                     sameText("1M")}};
constexpr std::array<BilingualText, 2> kFmDeviations = {{sameText("2K"), sameText("4K")}};
constexpr std::array<BilingualText, 2> kSsbTones = {{sameText("Hi"), sameText("Lo")}};
constexpr std::array<BilingualText, 2> kFinRanges = {{sameText("500Hz"), sameText("5KHz")}};
constexpr std::array<BilingualText, 2> kAgc = {{sameText("SLOW"), sameText("FAST")}};
// The dual-watch groups "A".."J" and then "L": "K" is not offered.
constexpr std::array<BilingualText, 11> kDwBands = {{sameText("A"), sameText("B"), sameText("C"), sameText("D"),
                                                    sameText("E"), sameText("F"), sameText("G"), sameText("H"),
                                                    sameText("I"), sameText("J"), sameText("L")}};
constexpr std::array<BilingualText, 4> kDwModes = {{sameText("FM"), sameText("AM"), sameText("USB"), sameText("LSB")}};
constexpr std::array<BilingualText, 3> kNbAnlRest = {{sameText("NB"), sameText("ANL"), sameText("NB/ANL")}};

std::vector<std::string> offThen(LanguageIndex language, std::vector<std::string> rest) {
    return prepend(text(SharedText::Off, language), std::move(rest));
}

std::vector<std::string> offWordThen(LanguageIndex language, std::vector<std::string> rest) {
    return prepend(std::string(kOffWord.in(language)), std::move(rest));
}

}  // namespace

const std::array<const char*, 19> kKeyFunctionNames = {
    "NULL", "VOX",  "VFO",      "NB.ANL", "10K",  "ECHO",   "HI-CUT", "CALL",    "C-CDT", "ASQ",
    "MIC.GAIN", "AM.NPC", "RXNR", "TXNR", "FM.DEV", "TONE", "INDIC",  "CH.PUSH", "AGC.SET"};

std::string text(OptionText key, LanguageIndex language) { return lookupText(kOptionTexts, key, language); }

std::vector<std::string> items(OptionList list, LanguageIndex language) {
    using L = OptionList;
    switch (list) {
        case L::Tot: return offWordThen(language, numberItems(30, 600, 30, "s"));
        case L::Indic: return listIn(kIndic, language);
        case L::Mic: return numberItems(1, 45);
        case L::AsqLevel: return offThen(language, numberItems(1, 9));
        case L::Nog: return offWordThen(language, numberItems(1, 32));
        case L::Color: return listIn(kColors, language);
        case L::Scm: return listIn(kScanModes, language);
        case L::Fin: return offWordThen(language, listIn(kFinRest, language));
        case L::Vox:
        case L::VoxSpk:
        case L::AmNpc:
        case L::Vfo:
        case L::HfPublic:
        case L::HamPublic:
        case L::PublicHiCut:
        case L::PublicEcho:
        case L::PublicAdd10k: return offOnItems(language);
        case L::VoxLevel:
        case L::VoxDelay: return numberItems(1, 9);
        case L::MicType: return listIn(kMicTypes, language);
        case L::RxNr:
        case L::TxNr:
        case L::Beep:
        case L::Dim: return offThen(language, numberItems(1, 5));
        case L::Emg: return offThen(language, listIn(kEmgRest, language));
        case L::VolPath: return listIn(kVolPaths, language);
        case L::EchoVol:
        case L::EchoTime: return numberItems(1, 32);
        case L::VfoStep: return listIn(kVfoSteps, language);
        case L::FmDeviation: return listIn(kFmDeviations, language);
        case L::SsbTone: return listIn(kSsbTones, language);
        case L::PfKey: return {kKeyFunctionNames.begin(), kKeyFunctionNames.end()};
        case L::FinRange: return listIn(kFinRanges, language);
        case L::Agc: return listIn(kAgc, language);
        case L::HfDwBand:
        case L::HamDwBand: return listIn(kDwBands, language);
        case L::HfDwChan:
        case L::HamDwChan: return numberItems(1, 40);
        case L::HfDwMode:
        case L::HamDwMode: return listIn(kDwModes, language);
        // The radio keeps the CW pitch in one byte of 10 Hz steps: 2550 Hz is the highest it holds.
        case L::CwFreq: return numberItems(300, 2550, 10);
        case L::CwBeep: return offThen(language, numberItems(1, 63));
        case L::PublicNbAnl: return offThen(language, listIn(kNbAnlRest, language));
    }
    return {};
}

}  // namespace mv52
