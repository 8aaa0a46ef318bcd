#pragma once
// Steps the exchange commands share: the --mode/--group options, text files, and a
// configuration from either a data file pair or a YAML file.

#include <memory>
#include <optional>
#include <string>

#include "cli/cli.h"
#include "document/workspace.h"
#include "exchange/import_result.h"

namespace mv52::cli {

struct GroupChoice {
    int workMode = 0;
    int group = 0;
};

// Takes "--mode CB|HAM" and "--group A|...|MEM|VFO" out of `args`, leaving the rest; nullopt
// (with a message) when either is missing or names nothing.
std::optional<GroupChoice> takeGroupOptions(Args& args, Context& ctx);

// The whole text of a file no larger than `limit`; nullopt with a message otherwise.
std::optional<std::string> readTextFile(const std::string& path, std::size_t limit, Context& ctx);
// "-" is standard output.
bool writeTextFile(const std::string& path, const std::string& text, Context& ctx);

// "FILE:LINE: reason" for each refusal of an import.
void reportRefusals(const std::string& path, const ImportResult& result, Context& ctx);

bool isYamlPath(const std::string& path);

// A data file pair loaded with every check, or a YAML file imported onto the defaults.
std::unique_ptr<Workspace> loadConfiguration(const std::string& path, Context& ctx);

}  // namespace mv52::cli
