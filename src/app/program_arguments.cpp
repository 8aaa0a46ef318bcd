#include "app/program_arguments.h"

namespace mv52 {

ProgramArguments parseProgramArguments(std::span<const std::string_view> arguments) {
    ProgramArguments parsed;
    for (const std::string_view a : arguments)
        if (a == "--help" || a == "-h") return {ProgramArguments::Kind::Help, {}};
    for (const std::string_view a : arguments) {
        if (a.empty() || a.front() == '-' || parsed.dataFile) return {ProgramArguments::Kind::UsageError, {}};
        parsed.dataFile = std::string(a);
    }
    return parsed;
}

}  // namespace mv52
