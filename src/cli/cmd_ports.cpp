#include <ostream>

#include "app/port_settings.h"
#include "app/settings.h"
#include "cli/cli.h"
#include "platform/ini_profile_file.h"
#include "platform/qt_port_list.h"

namespace mv52::cli {

int runPorts(const Args& args, Context& ctx) {
    if (!args.empty()) return kExitUsage;
    IniProfileFile profiles;
    QtPortList list(profiles, ctx.settingsFile());
    for (const PortEntry& e : list.ports()) ctx.out << portLine(e, e.comPort == ctx.comPort, ctx.language) << "\n";
    return kExitOk;
}

}  // namespace mv52::cli
