#include <algorithm>
#include <chrono>

#include "cli/cli.h"
#include "cli/common.h"
#include "cli/exchange_files.h"
#include "data/local_time.h"
#include "exchange/print_sheet.h"
#include "platform/sheet_painter.h"

namespace mv52::cli {

int runPrint(const Args& given, Context& ctx) {
    Args args;
    SheetRequest request;
    request.language = ctx.language;
    for (std::size_t i = 0; i < given.size(); ++i) {
        if (given[i] != "--groups") {
            args.push_back(given[i]);
            continue;
        }
        std::string error;
        if (i + 1 >= given.size() || !parseSheetGroups(given[++i], request.groups, error)) {
            ctx.err << "mv52ctl: --groups " << (error.empty() ? "takes a list such as CB:A,HAM:B" : error) << "\n";
            return kExitUsage;
        }
    }
    if (args.size() != 2 || std::any_of(args.begin(), args.end(), [](const std::string& a) { return a.size() > 1 && a[0] == '-'; }))
        return kExitUsage;
    auto ws = Workspace::create();
    if (!loadPairOrReport(*ws, args[0], ctx)) return kExitFailed;
    request.fileName = args[0];
    request.printedAt = formatLocalTime(std::chrono::system_clock::now(), "%Y-%m-%d %H:%M");
    const std::vector<std::uint8_t> pdf = sheetPdf(describeSheet(ws->current, request), defaultSheetPageSize());
    if (pdf.empty()) {
        ctx.err << "mv52ctl: the sheet could not be drawn\n";
        return kExitFailed;
    }
    return writeTextFile(args[1], std::string(pdf.begin(), pdf.end()), ctx) ? kExitOk : kExitFailed;
}

}  // namespace mv52::cli
