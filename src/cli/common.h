#pragma once
// Steps several commands share.

#include <memory>
#include <string>

#include "cli/cli.h"
#include "data/durable_files.h"
#include "data/pair_lock.h"
#include "document/workspace.h"

namespace mv52::cli {

// The document the desktop program starts with, from this installation's initial data file.
std::unique_ptr<Workspace> startupWorkspace(const Context& ctx);

// Takes the pair's lock for a command that loads, changes and saves it, so that no other
// program saves the pair in between; nullptr, with the message printed, when another program
// holds it for the whole wait.
std::unique_ptr<PairLock> lockPairOrReport(const std::string& path, Context& ctx);

// Loads a data file pair with every check; prints the refusal's message (and the file and
// cause) and returns false. A successful load's warnings (a missing or short channel file, a
// leftover set aside) go to standard error. `missingChannels`, when given, receives how many
// channel records the channel file lacked.
bool loadPairOrReport(Workspace& ws, const std::string& path, Context& ctx, int* missingChannels = nullptr);

// Saves the pair; prints "file error." with the file and cause and returns false when it
// cannot be written.
bool savePairOrReport(Workspace& ws, const std::string& path, Context& ctx);

// Prints "file error." and the file and cause of a failed write.
void reportFileFailure(const FileFailure& failure, Context& ctx);

}  // namespace mv52::cli
