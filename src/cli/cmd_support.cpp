#include <ostream>

#include "app/port_settings.h"
#include "app/settings.h"
#include "app/support_bundle.h"
#include "cli/cli.h"
#include "platform/ini_profile_file.h"
#include "platform/qt_port_list.h"
#include "platform/support_facts.h"
#include "platform/zip_archive.h"

namespace mv52::cli {

int runSupport(const Args& args, Context& ctx) {
    std::string out;
    std::optional<std::string> data;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--data" && i + 1 < args.size())
            data = args[++i];
        else if (args[i].size() > 1 && args[i][0] == '-')
            return kExitUsage;
        else if (out.empty())
            out = args[i];
        else
            return kExitUsage;
    }
    if (out.empty()) return kExitUsage;
    IniProfileFile profiles;
    QtPortList list(profiles, ctx.settingsFile());
    const std::vector<BundleFile> files =
        supportBundleFiles(ctx.programFolder, ctx.logFolderPath(), ctx.settingsFile(), versionFilePath(ctx.programFolder),
                           systemSupportFacts(list, ctx.comPort, ctx.language), data);
    std::string error;
    if (!writeZipArchive(out, files, error)) {
        ctx.err << "mv52ctl: " << out << ": " << error << "\n";
        return kExitFailed;
    }
    for (const BundleFile& f : files) ctx.out << f.name << "\n";
    return kExitOk;
}

}  // namespace mv52::cli
