#include "cli/common.h"

#include <ostream>

#include "exchange/radio_view.h"
#include "lang/exchange_texts.h"
#include "app/settings.h"
#include "storage/data_file.h"
#include "storage/default_document.h"
#include "lang/messages.h"

namespace mv52::cli {

std::string Context::settingsFile() const {
    return settingsPath.empty() ? settingsFilePath(programFolder) : settingsPath;
}

std::string Context::logFolderPath() const { return logFolder.empty() ? programFolder : logFolder; }

std::unique_ptr<Workspace> startupWorkspace(const Context& ctx) {
    auto ws = Workspace::create();
    buildStartupDocument(*ws, todayDateStamp(), ctx.programFolder);
    return ws;
}

bool loadPairOrReport(Workspace& ws, const std::string& path, Context& ctx) {
    const LoadResult result = loadDataFile(ws, path, ctx.versions);
    if (result.ok()) {
        // What every view shows is what the radio gets (as the desktop program's Open does).
        const std::vector<std::string> aligned = alignWithRadio(ws);
        if (!aligned.empty()) {
            ctx.err << "mv52ctl: " << path << ": " << aligned.size() << " "
                    << text(ExchangeText::AlignedWithRadio, ctx.language) << "\n";
            for (const std::string& line : aligned) ctx.err << "  " << line << "\n";
        }
        return true;
    }
    ctx.err << loadResultMessage(result, ctx.language) << "\n";
    return false;
}

bool savePairOrReport(Workspace& ws, const std::string& path, Context& ctx) {
    if (saveDataFile(ws, path)) return true;
    ctx.err << messageText(MessageKey::MsgFileError, ctx.language) << "\n";
    return false;
}

}  // namespace mv52::cli
