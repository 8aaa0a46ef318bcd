#pragma once

#include <string>

namespace mv52 {

// Where the backup of every read goes: "MV52/backups" in the per-user data folder
// (~/.local/share/MV52/backups on Linux, or below $XDG_DATA_HOME when set). Empty when the
// system names no such folder.
std::string readBackupFolder();

}  // namespace mv52
