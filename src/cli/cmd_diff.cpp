#include <ostream>

#include "cli/cli.h"
#include "cli/exchange_files.h"
#include "exchange/config_diff.h"

namespace mv52::cli {

// As diff(1): 0 equal, 1 different, 2 trouble (a file that cannot be read is trouble too).
int runDiff(const Args& given, Context& ctx) {
    Args args;
    DiffScope scope = DiffScope::Radio;
    for (const std::string& a : given) {
        if (a == "--all")
            scope = DiffScope::All;
        else if (a.size() > 1 && a[0] == '-')
            return kExitUsage;
        else
            args.push_back(a);
    }
    if (args.size() != 2) return kExitUsage;
    const auto a = loadConfiguration(args[0], ctx);
    if (!a) return kExitUsage;
    const auto b = loadConfiguration(args[1], ctx);
    if (!b) return kExitUsage;
    const std::vector<std::string> lines = configDifferences(a->current, b->current, scope);
    for (const std::string& line : lines) ctx.out << line << "\n";
    return lines.empty() ? kExitOk : kExitFailed;
}

}  // namespace mv52::cli
