#pragma once
// The backup every completed read leaves: the configuration just read from a radio, saved as
// a data file pair in the per-user backup folder, before anything else can happen to it.

#include <string>

#include "lang/language.h"

namespace mv52 {

class Clock;
struct Workspace;

struct BackupResult {
    bool saved = false;
    std::string path;    // the backup's data file; when not saved, the folder it was meant for
    std::string reason;  // why it was not saved: the system's reason, or "file error."
};

// Saves the document as Save would right after the read, without touching the workspace, as
// a new pair in `folder` (created when missing) named by the local date and time,
// "20261210-142501.dat" with its "20261210-142501.fre". A name already taken by either file
// gets "-2", "-3", ...: an earlier backup is never overwritten.
BackupResult saveReadBackup(const Workspace& ws, const std::string& folder, const Clock& clock,
                            LanguageIndex language);

}  // namespace mv52
