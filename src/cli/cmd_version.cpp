#include <ostream>

#include "cli/cli.h"
#include "version/package_version.h"

namespace mv52::cli {

int runVersion(const Args& args, Context& ctx) {
    if (!args.empty()) {
        ctx.err << "mv52ctl: --version takes no arguments\n";
        return kExitUsage;
    }
    // The first line is the one tools such as help2man read.
    ctx.out << "mv52ctl " << kPackageVersion << "\n"
            << "Program version " << displayVersion(kProgramVersion) << "\n"
            << "Settings file: " << ctx.settingsFile() << "\n"
            << "Daily logs: " << ctx.logFolderPath() << "\n";
    return kExitOk;
}

}  // namespace mv52::cli
