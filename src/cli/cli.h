#pragma once
// mv52ctl: one function per command, driven by main.cpp. Each returns the exit status:
// 0 success, 1 the operation failed (message on standard error, nothing written), 2 usage.

#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

#include "lang/language.h"
#include "version/version_table.h"

namespace mv52::cli {

constexpr int kExitOk = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;

struct Context {
    std::string programFolder;  // the folder of the executable
    std::ostream& out;
    std::ostream& err;
    LanguageIndex language = LanguageIndex::English;
    VersionTable versions;
    std::uint16_t comPort = 1;  // from the settings file
    // The settings file and the daily log folder in use (app/file_places); empty: the
    // installation tree's own.
    std::string settingsPath = {};
    std::string logFolder = {};

    std::string settingsFile() const;
    std::string logFolderPath() const;
};

using Args = std::vector<std::string>;

// Reads the version table and the stored language of the installation above the program
// folder. The settings file is only read: the command line never rewrites it.
void loadInstallation(Context& ctx);

int runNew(const Args& args, Context& ctx);
int runShow(const Args& args, Context& ctx);
int runEncode(const Args& args, Context& ctx);
int runDecode(const Args& args, Context& ctx);
int runRead(const Args& args, Context& ctx);
int runWrite(const Args& args, Context& ctx);
int runGet(const Args& args, Context& ctx);
int runSet(const Args& args, Context& ctx);
int runSetChannels(const Args& args, Context& ctx);
int runFill(const Args& args, Context& ctx);
int runRoger(const Args& args, Context& ctx);
int runExportCsv(const Args& args, Context& ctx);
int runImportCsv(const Args& args, Context& ctx);
int runExport(const Args& args, Context& ctx);
int runImport(const Args& args, Context& ctx);
int runDiff(const Args& args, Context& ctx);
int runPorts(const Args& args, Context& ctx);
int runFind(const Args& args, Context& ctx);
int runSupport(const Args& args, Context& ctx);
// Needs a QGuiApplication: the sheet is drawn with Qt's fonts.
int runPrint(const Args& args, Context& ctx);
// "mv52ctl --version": the release, then the settings file and the daily log folder in use.
int runVersion(const Args& args, Context& ctx);

// Dispatches "mv52ctl COMMAND ARGS..."; args excludes the program name.
int runCommandLine(const Args& args, Context& ctx);

// True (and prints the command's help) when args ask for help.
bool wantsHelp(const Args& args);

}  // namespace mv52::cli
