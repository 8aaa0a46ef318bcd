#include "cli/common.h"

#include <ostream>

#include "exchange/radio_view.h"
#include "lang/exchange_texts.h"
#include "app/settings.h"
#include "storage/data_file.h"
#include "storage/default_document.h"
#include "storage/file_messages.h"
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

std::unique_ptr<PairLock> lockPairOrReport(const std::string& path, Context& ctx) {
    auto lock = std::make_unique<PairLock>(path);
    if (!lock->busy()) return lock;
    ctx.err << "mv52ctl: " << fileFailureText({path, kFailBusy}, ctx.language) << "\n";
    return nullptr;
}

bool loadPairOrReport(Workspace& ws, const std::string& path, Context& ctx, int* missingChannels) {
    const LoadResult result = loadDataFile(ws, path, ctx.versions);
    if (missingChannels != nullptr) *missingChannels = result.missingChannels;
    if (!result.ok()) {
        ctx.err << loadResultMessage(result, ctx.language) << "\n";
        if (const std::string detail = loadResultDetail(result, ctx.language); !detail.empty())
            ctx.err << "mv52ctl: " << detail << "\n";
        return false;
    }
    if (const std::string warnings = loadWarnings(result, ctx.language); !warnings.empty())
        ctx.err << "mv52ctl: " << warnings << "\n";
    // What every view shows is what the radio gets (as the desktop program's Open does).
    const std::vector<std::string> aligned = alignWithRadio(ws);
    if (!aligned.empty()) {
        ctx.err << "mv52ctl: " << path << ": " << aligned.size() << " "
                << text(ExchangeText::AlignedWithRadio, ctx.language) << "\n";
        for (const std::string& line : aligned) ctx.err << "  " << line << "\n";
    }
    return true;
}

void reportFileFailure(const FileFailure& failure, Context& ctx) {
    ctx.err << messageText(MessageKey::MsgFileError, ctx.language) << "\n";
    if (!failure.path.empty()) ctx.err << "mv52ctl: " << fileFailureText(failure, ctx.language) << "\n";
}

bool savePairOrReport(Workspace& ws, const std::string& path, Context& ctx) {
    FileFailure failure;
    if (saveDataFile(ws, path, {}, &failure)) return true;
    reportFileFailure(failure, ctx);
    return false;
}

}  // namespace mv52::cli
