#include "cli/exchange_files.h"

#include <ostream>

#include "cli/common.h"
#include "data/durable_files.h"
#include "data/file_io.h"
#include "data/groups.h"
#include "data/value_helpers.h"
#include "exchange/config_yaml.h"
#include "lang/messages.h"

namespace mv52::cli {

std::optional<GroupChoice> takeGroupOptions(Args& args, Context& ctx) {
    std::string mode, group;
    Args rest;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if ((args[i] == "--mode" || args[i] == "--group") && i + 1 < args.size()) {
            (args[i] == "--mode" ? mode : group) = args[i + 1];
            ++i;
        } else {
            rest.push_back(args[i]);
        }
    }
    args = rest;
    if (mode != "CB" && mode != "HAM") {
        ctx.err << "mv52ctl: --mode takes CB or HAM\n";
        return std::nullopt;
    }
    GroupChoice choice{mode == "CB" ? kWorkModeCb : kWorkModeHam, 0};
    choice.group = groupFromLetter(choice.workMode, group);
    if (choice.group == 0) {
        ctx.err << "mv52ctl: --group takes " << groupLetter(choice.workMode, 1) << " to "
                << groupLetter(choice.workMode, memGroup(choice.workMode) - 1) << ", MEM or VFO\n";
        return std::nullopt;
    }
    return choice;
}

std::optional<std::string> readTextFile(const std::string& path, std::size_t limit, Context& ctx) {
    const auto bytes = readFilePrefix(path, limit + 1);
    if (!bytes) {
        ctx.err << "mv52ctl: cannot read " << path << "\n";
        return std::nullopt;
    }
    if (bytes->size() > limit) {
        ctx.err << "mv52ctl: " << path << " is larger than " << limit / 1024 << " KB, far more than the file can hold\n";
        return std::nullopt;
    }
    return std::string(bytes->begin(), bytes->end());
}

bool writeTextFile(const std::string& path, const std::string& text, Context& ctx) {
    if (path == "-") {
        ctx.out << text;
        ctx.out.flush();
        return static_cast<bool>(ctx.out);
    }
    FileFailure failure;
    if (replaceFile({path, std::vector<std::uint8_t>(text.begin(), text.end())}, {}, &failure)) return true;
    reportFileFailure(failure, ctx);
    return false;
}

void reportRefusals(const std::string& path, const ImportResult& result, Context& ctx) {
    for (const ImportRefusal& r : result.refusals)
        ctx.err << path << ":" << (r.line > 0 ? std::to_string(r.line) + ":" : std::string()) << " " << r.reason << "\n";
    if (ctx.language == LanguageIndex::Chinese)
        ctx.err << "mv52ctl: 没有导入任何内容（" << result.refusals.size() << " 处被拒绝）\n";
    else
        ctx.err << "mv52ctl: nothing was imported (" << result.refusals.size()
                << (result.refusals.size() == 1 ? " refusal)" : " refusals)") << "\n";
}

bool isYamlPath(const std::string& path) {
    for (const char* ext : {".yaml", ".yml", ".YAML", ".YML"}) {
        const std::string e = ext;
        if (path.size() > e.size() && path.compare(path.size() - e.size(), e.size(), e) == 0) return true;
    }
    return false;
}

std::unique_ptr<Workspace> loadConfiguration(const std::string& path, Context& ctx) {
    auto ws = Workspace::create();
    if (!isYamlPath(path)) return loadPairOrReport(*ws, path, ctx) ? std::move(ws) : nullptr;
    const std::optional<std::string> text = readTextFile(path, kConfigMaxBytes, ctx);
    if (!text) return nullptr;
    const ImportResult result = importConfigYaml(ws->current, *text);
    if (!result.ok()) {
        reportRefusals(path, result, ctx);
        return nullptr;
    }
    ws->setBandFromWorkMode();
    return ws;
}

}  // namespace mv52::cli
