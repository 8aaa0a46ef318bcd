#include <ostream>

#include "channels/channel_editing.h"
#include "channels/channel_lists.h"
#include "channels/channel_table_model.h"
#include "cli/cli.h"
#include "cli/common.h"
#include "cli/exchange_files.h"
#include "data/groups.h"
#include "data/value_helpers.h"
#include "data/numeric.h"

namespace mv52::cli {
namespace {

constexpr auto kEnglish = LanguageIndex::English;

// Takes "NAME VALUE" out of `args`; empty when absent.
std::string takeOption(Args& args, const char* name) {
    for (std::size_t i = 0; i + 1 < args.size(); ++i)
        if (args[i] == name) {
            std::string value = args[i + 1];
            args.erase(args.begin() + static_cast<std::ptrdiff_t>(i), args.begin() + static_cast<std::ptrdiff_t>(i) + 2);
            return value;
        }
    return {};
}

std::string groupName(const GroupChoice& g) {
    return std::string(g.workMode == kWorkModeCb ? "CB " : "HAM ") + groupLetter(g.workMode, g.group);
}

std::string offered(const ChannelTableModel& table, TableColumn column) {
    if (column == TableColumn::Frequency) return "a frequency in MHz, or nothing to delete the channel";
    std::string out;
    for (const std::string& item : table.columnItems(column)) out += (out.empty() ? "" : ", ") + item;
    return out;
}

const char* why(CellOutcome outcome) {
    switch (outcome) {
        case CellOutcome::Locked: return "a Public channel takes it from the public channel";
        case CellOutcome::NotOffered: return "not offered for this channel";
        case CellOutcome::OutOfBand: return "outside the group's band";
        case CellOutcome::Refused: return "the work mode's last channel stays";
        case CellOutcome::NoChannel: return "the row holds no channel";
        default: return "refused";
    }
}

struct Target {
    GroupChoice group;
    std::vector<int> rows;
};

// The group and rows of the command, or nullopt after a message.
std::optional<Target> takeTarget(Args& args, Context& ctx) {
    const std::string channels = takeOption(args, "--channels");
    const std::optional<GroupChoice> group = takeGroupOptions(args, ctx);
    if (!group) return std::nullopt;
    const std::optional<std::vector<int>> rows = parseRowList(channels, group->workMode, group->group);
    if (!rows) {
        ctx.err << "mv52ctl: --channels takes rows of group " << groupName(*group) << " such as 1-10,12 (1-"
                << groupCapacity(group->workMode, group->group) << ")\n";
        return std::nullopt;
    }
    return Target{*group, *rows};
}

}  // namespace

int runSetChannels(const Args& allArgs, Context& ctx) {
    Args args = allArgs;
    const std::optional<Target> target = takeTarget(args, ctx);
    if (!target || args.size() < 2) return kExitUsage;
    const auto lock = lockPairOrReport(args[0], ctx);  // from the load to the save
    if (!lock) return kExitFailed;
    auto ws = Workspace::create();
    if (!loadPairOrReport(*ws, args[0], ctx)) return kExitFailed;
    ChannelTableModel table;
    const GroupChoice& g = target->group;
    std::vector<std::string> refusals;
    {
        const ShownGroupScope shown(*ws, g.workMode, g.group);
        table.refresh(ws->current, kEnglish);
        // Every label and item first: a wrong word changes nothing.
        std::vector<std::pair<TableColumn, std::string>> assignments;
        for (std::size_t i = 1; i < args.size(); ++i) {
            const std::size_t eq = args[i].find('=');
            const std::optional<TableColumn> column =
                eq == std::string::npos ? std::nullopt : tableColumnByLabel(args[i].substr(0, eq));
            if (!column || *column == TableColumn::Name) {
                ctx.err << "mv52ctl: '" << args[i] << "' is not LABEL=ITEM of a table column; the labels are: "
                        << writableColumnLabels() << "\n";
                return kExitUsage;
            }
            const std::string item = args[i].substr(eq + 1);
            if (!table.offers(*column, item)) {
                ctx.err << "mv52ctl: " << tableColumnLabel(*column, kEnglish) << " does not offer '" << item
                        << "' in group " << groupName(g) << "; it offers: " << offered(table, *column) << "\n";
                return kExitUsage;
            }
            assignments.emplace_back(*column, item);
        }
        // Each assignment over the rows, in order, as a commit in the table's column would.
        for (const auto& assignment : assignments) {
            // Named copies: a lambda cannot capture a structured binding in every compiler.
            const TableColumn column = assignment.first;
            const std::string& item = assignment.second;
            const ApplyResult result = table.apply(*ws, target->rows, column, item);
            const auto refuse = [&](int row, CellOutcome outcome) {
                refusals.push_back("CH " + gridRowName(g.workMode, g.group, row) + ": " +
                                   tableColumnLabel(column, kEnglish) + "=" + item + " refused (" + why(outcome) +
                                   (outcome == CellOutcome::OutOfBand ? ", " + ws->bandText : "") + ")");
            };
            for (std::size_t k = 0; k < result.skipped.size(); ++k) refuse(result.skipped[k], result.skippedWhy[k]);
            for (const int row : result.outOfBand) refuse(row, CellOutcome::OutOfBand);
            table.refresh(ws->current, kEnglish);
        }
    }
    if (!refusals.empty()) {
        for (const std::string& r : refusals) ctx.err << "mv52ctl: " << r << "\n";
        ctx.err << "mv52ctl: nothing was written\n";
        return kExitFailed;
    }
    return savePairOrReport(*ws, args[0], ctx) ? kExitOk : kExitFailed;
}

int runFill(const Args& allArgs, Context& ctx) {
    Args args = allArgs;
    const std::string start = takeOption(args, "--start");
    const std::string step = takeOption(args, "--step");
    const std::optional<Target> target = takeTarget(args, ctx);
    if (!target || args.size() != 1) return kExitUsage;
    const std::optional<double> startMHz = isNumeric(start) ? parseNumber(start) : std::nullopt;
    const std::optional<double> stepKHz = parseNumber(step);
    if (!startMHz || !stepKHz) {
        ctx.err << "mv52ctl: --start takes a frequency in MHz and --step a step in kHz, such as --start 26.965 "
                   "--step 10\n";
        return kExitUsage;
    }
    const auto lock = lockPairOrReport(args[0], ctx);
    if (!lock) return kExitFailed;
    auto ws = Workspace::create();
    if (!loadPairOrReport(*ws, args[0], ctx)) return kExitFailed;
    const GroupChoice& g = target->group;
    FillResult result;
    std::string band;
    {
        const ShownGroupScope shown(*ws, g.workMode, g.group);
        result = fillFrequencies(*ws, target->rows, *startMHz, *stepKHz);
        band = ws->bandText;
    }
    if (!result.outOfBand.empty()) {
        ctx.err << "mv52ctl: outside the band of group " << groupName(g) << " (" << band
                << "), not filled: CH " << tableRowsName(g.workMode, g.group, result.outOfBand)
                << "\nmv52ctl: nothing was written\n";
        return kExitFailed;
    }
    return savePairOrReport(*ws, args[0], ctx) ? kExitOk : kExitFailed;
}

}  // namespace mv52::cli
