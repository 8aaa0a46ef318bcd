#pragma once

#include "app/file_places.h"

namespace mv52 {

// This user's folders for the settings file and the daily logs. Linux: $XDG_CONFIG_HOME/MV52
// (~/.config/MV52) and $XDG_STATE_HOME/MV52/logs (~/.local/state/MV52/logs); elsewhere the
// generic configuration and data locations Qt names, each with an "MV52" folder. Generic
// locations, not the application ones, so that mv52 and mv52ctl (which sets no application
// name) agree.
UserFolders userFolders();

}  // namespace mv52
