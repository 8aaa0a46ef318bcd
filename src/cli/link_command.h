#pragma once
// What `read` and `write` share: the options, the port, and one session run in an event
// loop until it ends.

#include <cstdint>
#include <optional>
#include <string>

#include "cli/cli.h"
#include "document/workspace.h"

namespace mv52::cli {

struct LinkOptions {
    std::string port;  // a device path or COMn; empty: comPort of the settings file
    int retries = 0;   // how often a connection prompt is answered Retry or OK
    std::string file;  // the data file to save or to write
    bool verify = false;  // write: read the radio back and compare
    bool backup = true;   // read: leave a backup in the per-user backup folder
    bool allowMissingChannels = false;  // write: even when the channel file lacks channels
};

// Parses "[--port PORT] [--retry N] FILE.dat", for a read "--no-backup" and for a write
// "--verify" and "--allow-missing-channels"; nullopt for a usage error.
std::optional<LinkOptions> parseLinkOptions(const Args& args, Context& ctx, CommOperation operation);

// Runs a read or a write with the session the desktop program uses; true when the transfer
// completed (and a write asked to verify read back as written). Every frame goes to the daily
// log of the program folder.
bool runLinkSession(Workspace& ws, CommOperation operation, const LinkOptions& options, Context& ctx);

}  // namespace mv52::cli
