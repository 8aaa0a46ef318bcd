#include <iomanip>
#include <ostream>
#include <sstream>
#include <utility>
#include <vector>

#include "data/tone_codes.h"
#include "cli/common.h"
#include "cli/control_lines.h"
#include "storage/data_file.h"
#include "data/value_helpers.h"
#include "tones/roger_beep.h"

namespace mv52::cli {
namespace {

const char* const kModes[] = {"FM", "AM", "USB", "LSB", "PA", "CW"};
const char* const kNbAnl[] = {"off", "NB", "ANL", "NB/ANL"};
const char* const kRep[] = {"off", "+", "-"};

template <std::size_t N>
std::string pick(const char* const (&names)[N], int v) {
    return v >= 0 && static_cast<std::size_t>(v) < N ? names[v] : "?" + std::to_string(v);
}

std::string toneText(int type, int ctcss, int dcs) {
    if (type == 1) return ctcssListText(ctcss);
    if (type == 2) return dcsListText(dcs);
    return toneTypeText(type);
}

std::string channelName(int m, int g, int n) {
    if (groupCapacity(m, g) == 40 && n > 40) return "M" + std::to_string(n - 40);
    return std::to_string(n);
}

std::string onOff(int v) { return v == 0 ? "off" : v == 1 ? "on" : std::to_string(v); }

void printHeader(std::ostream& os, const Workspace& ws, const std::string& path) {
    const DocumentHeader& h = ws.current.header;
    const RadioInfoRecord& ri = h.radioInfo;
    os << "Data file: " << path << " (channel file " << channelFilePath(path) << ")\n"
       << "Version: " << h.version.clean() << "\n"
       << "Work mode: " << (h.currentWorkMode == 0 ? "CB" : h.currentWorkMode == 1 ? "HAM" : "?") << " ("
       << h.currentWorkMode << "), band " << ws.bandText << "\n"
       << "Current group: CB " << groupLetter(0, h.currentGroup[0]) << ", HAM " << groupLetter(1, h.currentGroup[1])
       << "\n"
       << "Radio information: model " << ri.modelType.clean() << ", type " << ri.radioTypeCode << ", band code "
       << ri.bandCode << ", date " << ri.dateStamp.clean() << ", version " << ri.versionText.clean()
       << ", short model " << ri.shortModelType.clean() << ", band code " << ri.bandCode2 << ", "
       << ri.finalValue << "\n";
}

void printChannels(std::ostream& os, const Workspace& ws) {
    const Document& doc = ws.current;
    forEachGroup([&](int m, int g) {
        const int count = doc.count(m, g);
        if (count <= 0) return;
        os << "\n" << (m == 0 ? "CB" : "HAM") << " group " << groupLetter(m, g) << ": " << count
           << (count == 1 ? " channel" : " channels") << "\n";
        os << "  No.  Frequency  Scan Mode Tx tone          Rx tone          NB/ANL HiCut Echo +10K Busy Roger Rep "
              "Public BOT EOT CALL\n";
        for (int p = 1; p <= std::min(count, kSlotsPerGroup); ++p) {
            const ChannelRecord& r = doc.channels.slot(m, g, p);
            std::ostringstream line;
            line << "  " << std::left << std::setw(4) << channelName(m, g, r.ChannelNumber) << " " << std::setw(10)
                 << storedToDisplay(r.RxFrequency.raw(), ws.bandLimits.lower).text << " " << std::setw(4)
                 << (r.ScanAdd == 1 ? "Add" : "Del") << " " << std::setw(4) << pick(kModes, r.Mode) << " "
                 << std::setw(16) << toneText(r.TxToneType, r.TxCtcssIndex, r.TxDcsIndex) << " " << std::setw(16)
                 << toneText(r.RxToneType, r.RxCtcssIndex, r.RxDcsIndex) << " " << std::setw(6)
                 << pick(kNbAnl, r.NbAnl) << " " << std::setw(5) << onOff(r.HiCut) << " " << std::setw(4)
                 << onOff(r.Echo) << " " << std::setw(4) << onOff(r.Add10K) << " " << std::setw(4) << onOff(r.Busy)
                 << " " << std::setw(5) << r.RogerBeep << " " << std::setw(3) << pick(kRep, r.Rep) << " "
                 << std::setw(6) << onOff(r.Public) << " " << std::setw(3) << r.Bot << " " << std::setw(3) << r.Eot
                 << " " << r.Call;
            os << line.str() << "\n";
        }
    });
}

using Fields = std::vector<std::pair<const char*, long>>;

void printFields(std::ostream& os, const Fields& fields) {
    int column = 0;
    for (const auto& [name, value] : fields) {
        std::ostringstream cell;
        cell << name << "=" << value;
        os << (column == 0 ? "  " : " ") << std::left << std::setw(24) << cell.str();
        if (++column == 4) {
            os << "\n";
            column = 0;
        }
    }
    if (column != 0) os << "\n";
}

#define MV52_FIELD(rec, name) {#name, static_cast<long>(rec.name)}

void printOptions(std::ostream& os, const Document& doc) {
    const OptionRecord& o = doc.options();
    const FurtherOptions& f = doc.further();
    os << "\nOptions\n";
    printFields(os, {MV52_FIELD(o, bandNibble),     MV52_FIELD(o, workMode),      MV52_FIELD(o, currentCbGroup),
                     MV52_FIELD(o, currentHamGroup), MV52_FIELD(o, voxFunction),  MV52_FIELD(o, channelMode),
                     MV52_FIELD(o, memMenu),        MV52_FIELD(o, publicBot),     MV52_FIELD(o, publicEot),
                     MV52_FIELD(o, publicCall),     MV52_FIELD(o, rxClarifier),   MV52_FIELD(o, txClarifier),
                     MV52_FIELD(o, publicHiCut),    MV52_FIELD(o, publicNbAnl),   MV52_FIELD(o, publicEcho),
                     MV52_FIELD(o, publicAdd10k),   MV52_FIELD(o, publicBusy),    MV52_FIELD(o, publicRoger),
                     MV52_FIELD(o, beep),           MV52_FIELD(o, indic),         MV52_FIELD(o, micGain),
                     MV52_FIELD(o, nog),            MV52_FIELD(o, tot),           MV52_FIELD(o, swrProtect),
                     MV52_FIELD(o, batteryProtect), MV52_FIELD(o, scanMode),      MV52_FIELD(o, fin),
                     MV52_FIELD(o, backlightColor), MV52_FIELD(o, menuPage),      MV52_FIELD(o, batteryMin),
                     MV52_FIELD(o, batteryMax),     MV52_FIELD(o, swrMax),        MV52_FIELD(o, publicMode),
                     MV52_FIELD(o, fmEnable),       MV52_FIELD(o, amEnable),      MV52_FIELD(o, usbEnable),
                     MV52_FIELD(o, lsbEnable),      MV52_FIELD(o, cwEnable),      MV52_FIELD(o, paEnable),
                     MV52_FIELD(o, fmDeviation),    MV52_FIELD(o, ssbTone),       MV52_FIELD(o, pfKey),
                     MV52_FIELD(o, longKey)});
    printFields(os, {MV52_FIELD(f, txOffset),  MV52_FIELD(f, freqCh),     MV52_FIELD(f, asqLevel),
                     MV52_FIELD(f, micType),   MV52_FIELD(f, voxLevel),   MV52_FIELD(f, voxDelay),
                     MV52_FIELD(f, rxNr),      MV52_FIELD(f, txNr),       MV52_FIELD(f, keyLock),
                     MV52_FIELD(f, volPath),   MV52_FIELD(f, echoVol),    MV52_FIELD(f, echoTime),
                     MV52_FIELD(f, emg),       MV52_FIELD(f, vox),        MV52_FIELD(f, vfoStep),
                     MV52_FIELD(f, amNpc),     MV52_FIELD(f, vfo),        MV52_FIELD(f, hfDwBand),
                     MV52_FIELD(f, hfDwChan),  MV52_FIELD(f, hfDwMode),   MV52_FIELD(f, hamDwBand),
                     MV52_FIELD(f, hamDwChan), MV52_FIELD(f, hamDwMode),  MV52_FIELD(f, volDisplay),
                     MV52_FIELD(f, sqlDisplay), MV52_FIELD(f, powDisplay), MV52_FIELD(f, rfgDisplay),
                     MV52_FIELD(f, finRange),  MV52_FIELD(f, hfPublic),   MV52_FIELD(f, hamPublic),
                     MV52_FIELD(f, cwFreq),    MV52_FIELD(f, cwBeep),     MV52_FIELD(f, dim),
                     MV52_FIELD(f, asq),       MV52_FIELD(f, voxSpk),     MV52_FIELD(f, agc),
                     MV52_FIELD(f, comChanRb)});
    os << "  rssiTable=";
    for (std::size_t i = 0; i < f.rssiTable.size(); ++i) os << (i ? "," : "") << f.rssiTable[i];
    os << "\n\nPer-group options (enabled name emg1 emg2 mem emgMode1 emgMode2 spare)\n";
    forEachGroup([&](int m, int g) {
        os << "  " << std::left << std::setw(4) << (m == 0 ? "CB" : "HAM") << std::setw(4) << groupLetter(m, g)
           << o.groupEnabled.at(m, g) << " \"" << o.groupName.at(m, g).upToNul() << "\" " << o.emgChannel1.at(m, g)
           << " " << o.emgChannel2.at(m, g) << " " << o.memChannel.at(m, g) << " " << o.emgMode1.at(m, g) << " "
           << o.emgMode2.at(m, g) << " " << o.groupSpare.at(m, g) << "\n";
    });
}

#undef MV52_FIELD

void printRogerBeep(std::ostream& os, const Document& doc) {
    os << "\nRoger beep\n";
    const RogerBeepTable& t = doc.header.rogerBeep;
    for (int n = 1; n <= kRogerEntryCount; ++n) {
        const RogerBeepEntry& e = t[static_cast<std::size_t>(n - 1)];
        os << "  RB " << n << ": recycle " << e.recycleTimes() << ", inter " << e.interTime() * 10 << " ms, "
           << (validRogerEntry(t, n) ? "valid" : "not valid") << ";";
        for (int i = 1; i <= kRogerTonesPerEntry; ++i) {
            if (e.toneFreq(i) == 0 && e.toneLength(i) == 0) continue;
            os << " " << i << ":" << (e.toneFreq(i) == 0 ? std::string("pause") : std::to_string(e.toneFreq(i) * 10) + "Hz")
               << "/" << e.toneLength(i) * 10 << "ms";
        }
        os << "\n";
    }
}

void printDtmf(std::ostream& os, const Document& doc) {
    const DtmfSettings& d = doc.options().dtmf;
    os << "\nDTMF\n"
       << "  send time " << d.dtmfSendTime * 10 << " ms, first digit time " << d.firstDigitTime * 100
       << " ms, first digit delay " << d.firstDigitDelay * 100 << " ms, * and # tone " << d.starHashTone * 100
       << " ms, D code assignment " << (d.dCodeAssignment == 0 ? std::string("D Code") : std::to_string(d.dCodeAssignment) + "s")
       << ", display " << onOff(d.dtmfDisplay) << "\n";
    for (int n = 1; n <= kDtmfMemoryCount; ++n)
        os << "  memory " << std::setw(2) << std::right << n << ": " << doc.options().dtmfMemory[static_cast<std::size_t>(n - 1)].clean()
           << std::left << "\n";
}

}  // namespace

int runShow(const Args& args, Context& ctx) {
    if (args.size() != 1) return kExitUsage;
    auto ws = Workspace::create();
    if (!loadPairOrReport(*ws, args[0], ctx)) return kExitFailed;
    std::ostringstream text;
    printHeader(text, *ws, args[0]);
    printChannels(text, *ws);
    text << "\nOptional features\n";
    printOptionLines(text, ws->current);
    printOptions(text, ws->current);
    printRogerBeep(text, ws->current);
    printDtmf(text, ws->current);
    ctx.out << text.str();
    return kExitOk;
}

}  // namespace mv52::cli
