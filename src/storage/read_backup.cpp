#include "storage/read_backup.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "data/local_time.h"
#include "data/native_files.h"
#include "storage/data_file.h"
#include "lang/messages.h"
#include "system/clock.h"

namespace mv52 {
namespace {

namespace fs = std::filesystem;

constexpr int kMaxSameSecond = 1000;

bool taken(const fs::path& path) {
    std::error_code ec;
    return fs::exists(fs::symlink_status(path, ec));
}

// Creates the data file empty, failing if it exists, so that two reads in the same second,
// even in two processes, never pick the same name.
bool claim(const fs::path& path) {
    const int fd = native::createExclusive(native::fromPath(path));
    if (fd < 0) return false;
    native::closeFile(fd);
    return true;
}

}  // namespace

BackupResult saveReadBackup(const Workspace& ws, const std::string& folder, const Clock& clock,
                            LanguageIndex language) {
    BackupResult result{false, folder, {}};
    if (folder.empty()) {
        result.reason = std::make_error_code(std::errc::no_such_file_or_directory).message();
        return result;
    }
    std::error_code ec;
    fs::create_directories(native::toPath(folder), ec);
    if (ec) {
        result.reason = ec.message();
        return result;
    }
    const std::string stamp = formatLocalTime(clock.now(), "%Y%m%d-%H%M%S");
    for (int n = 1; n <= kMaxSameSecond; ++n) {
        const std::string name = stamp + (n == 1 ? "" : "-" + std::to_string(n));
        const fs::path data = native::toPath(folder) / (name + ".dat");
        const std::string path = native::fromPath(data);
        if (taken(native::toPath(channelFilePath(path))) || taken(data)) continue;
        if (!claim(data)) {
            if (taken(data)) continue;  // taken in the meantime
            result.reason = std::error_code(errno, std::generic_category()).message();
            return result;
        }
        if (!saveDataFileCopy(ws, path)) {
            fs::remove(data, ec);
            result.reason = messageText(MessageKey::MsgFileError, language);
            return result;
        }
        return {true, path, {}};
    }
    result.reason = std::make_error_code(std::errc::file_exists).message();
    return result;
}

}  // namespace mv52
