#pragma once
// The start-up sequence that runs before any window exists. Its result is the state every
// front end works with.

#include <memory>
#include <string>

#include "app/decimal_symbol.h"
#include "app/file_places.h"
#include "app/settings.h"
#include "document/workspace.h"
#include "lang/messages.h"
#include "version/version_table.h"

namespace mv52 {

class ProfileFile;
class LocaleSystem;
class Clock;

struct StartupServices {
    ProfileFile& profiles;
    LocaleSystem& locale;
    const Clock& clock;
    std::string programFolder;
    // The user's own folders, used when the installation tree is shared (app/file_places);
    // without them the settings and logs stay in the tree.
    const UserFolders* userFolders = nullptr;
    FolderCheck writable = folderWritable;
};

struct AppState {
    std::string programFolder;
    std::string settingsPath;   // the settings file in use: the tree's or the user's own
    std::string logFolder;      // where the daily logs go
    bool perUserFiles = false;  // settings and logs in the user's folders, not the tree
    std::string versionIniPath;
    VersionTable versions;
    RememberedDecimalSymbol decimalSymbol;
    Settings settings;
    std::unique_ptr<Workspace> workspace = Workspace::create();
    PendingMessages pending;

    LanguageIndex language() const { return settings.language.current; }
    // Version.ini was missing or incomplete: the front end warns once it can show messages.
    bool warnAboutVersionTable() const { return versions.incomplete; }
};

// In order: the version table, the decimal-symbol fix, the settings, the start-up document
// (ending with the new-document initial data file). The bilingual tables are constant data.
// The front end then creates its main window.
std::unique_ptr<AppState> runStartup(StartupServices& services);

// The date of `clock` as YYYYMMDD in local time.
std::string dateStamp(const Clock& clock);

}  // namespace mv52
