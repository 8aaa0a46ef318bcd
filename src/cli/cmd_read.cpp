#include <ostream>

#include "cli/common.h"
#include "cli/link_command.h"
#include "storage/read_backup.h"
#include "lang/messages.h"
#include "platform/backup_folder.h"
#include "system/clock.h"

namespace mv52::cli {

int runRead(const Args& args, Context& ctx) {
    const auto options = parseLinkOptions(args, ctx, CommOperation::Read);
    if (!options) return kExitUsage;
    auto ws = startupWorkspace(ctx);
    // Only a completed read is decoded and saved.
    if (!runLinkSession(*ws, CommOperation::Read, *options, ctx)) return kExitFailed;
    // The backup comes first: it is there even when OUT.dat cannot be written. Its failure is
    // reported and does not fail the read.
    if (options->backup) {
        const BackupResult backup = saveReadBackup(*ws, readBackupFolder(), SystemClock(), ctx.language);
        ctx.err << backupText(backup.saved, backup.path, backup.reason, ctx.language) << "\n";
    }
    return savePairOrReport(*ws, options->file, ctx) ? kExitOk : kExitFailed;
}

}  // namespace mv52::cli
