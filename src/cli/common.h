#pragma once
// Steps several commands share.

#include <memory>
#include <string>

#include "cli/cli.h"
#include "document/workspace.h"

namespace mv52::cli {

// The document the desktop program starts with, from this installation's initial data file.
std::unique_ptr<Workspace> startupWorkspace(const Context& ctx);

// Loads a data file pair with every check; prints the refusal's message and returns false.
bool loadPairOrReport(Workspace& ws, const std::string& path, Context& ctx);

// Saves the pair; prints "file error." and returns false when it cannot be written.
bool savePairOrReport(Workspace& ws, const std::string& path, Context& ctx);

}  // namespace mv52::cli
