#include "storage/default_document.h"

#include <array>
#include <chrono>

#include "storage/data_file.h"
#include "data/local_time.h"
#include "document/workspace.h"
#include "options/option_defaults.h"
#include "tones/roger_beep.h"

namespace mv52 {

void applyDefaultDocument(Workspace& ws, const std::string& dateStamp) {
    ws.untitled = true;
    ws.fileName = "new.dat";
    ws.commOperation = CommOperation::None;

    DocumentHeader& h = ws.current.header;
    h.version.set(kDocumentVersion);
    h.currentWorkMode = 0;
    h.currentGroup = {1, 1};
    for (int g = 1; g <= 17; ++g) h.currentRow.at(0, g) = 1;
    for (int g = 1; g <= 13; ++g) h.currentRow.at(1, g) = 1;

    static constexpr std::array<const char*, 6> kMemoryChannels = {
        "28.015000", "28.145000", "28.115000", "28.085000", "28.055000", "28.025000"};
    static constexpr std::array<const char*, 10> kFirstChannels = {
        "28.015000", "28.145000", "28.115000", "28.085000", "28.055000",
        "28.025000", "28.015000", "28.145000", "28.115000", "28.085000"};
    for (int m = 0; m < kWorkModeCount; ++m) {
        for (int g = 1; g <= 13; ++g) {
            ws.current.count(m, g) = 0;
            for (int i = 0; i < 6; ++i)
                ws.current.appendChannel(m, g, 41 + i, kMemoryChannels[static_cast<std::size_t>(i)]);
        }
        for (int g = 1; g <= 10; ++g)
            ws.current.appendChannel(m, g, 1, kFirstChannels[static_cast<std::size_t>(g - 1)]);
    }

    resetOptionDefaults(h.options, h.further);
    RadioInfoRecord& ri = h.radioInfo;
    ri.modelType.set(ws.secondModel);
    ri.radioTypeCode = kRadioTypeCode;
    ri.bandCode = static_cast<std::int16_t>(bandCode(ws.bandText));
    ri.dateStamp.set(dateStamp);
    ri.versionText.set("V2.00");
    ri.shortModelType.set(ws.secondModel.substr(0, 6));
    ri.bandCode2 = ri.bandCode;
    ri.finalValue = kRadioInfoFinalValue;
    resetRogerBeepDefaults(h.rogerBeep);
}

void buildStartupDocument(Workspace& ws, const std::string& dateStamp, const std::string& programFolder) {
    applyDefaultDocument(ws, dateStamp);
    loadInitialDataFile(ws, programFolder, InitialKind::New);
    takeSavedCopy(ws);
}

std::string dateStampOf(std::chrono::system_clock::time_point time) { return formatLocalTime(time, "%Y%m%d"); }

std::string todayDateStamp() { return dateStampOf(std::chrono::system_clock::now()); }

}  // namespace mv52
