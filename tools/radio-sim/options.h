#pragma once
// The simulator's command line.

#include <span>
#include <string>
#include <string_view>

#include "radio_protocol.h"

namespace mv52::sim {

struct Options {
    std::string linkPath;   // --link: a symbolic link to the device, for a stable port name
    std::string imagePath;  // --image: the memory to start from
    std::string savePath;   // --save: where the memory goes after each completed write
    Identity identity;
    Faults faults;
    unsigned baud = 0;      // 0: answer at once
    unsigned delayMs = 0;
    bool verbose = false;
    bool turnaround = false;  // --turnaround: time the other side's turnaround, report at exit
};

struct ParsedOptions {
    enum class Action { Run, Help, Error };
    Action action = Action::Run;
    Options options;
    std::string error;  // for Action::Error: what was wrong, one line
};

// `args` without the program name.
ParsedOptions parseOptions(std::span<const std::string_view> args);

std::string usageText();

}  // namespace mv52::sim
