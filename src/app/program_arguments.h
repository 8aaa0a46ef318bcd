#pragma once
// The desktop program's command line: `mv52 [FILE.dat]`, or `mv52 --help`.

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace mv52 {

inline constexpr std::string_view kProgramUsage =
    "Usage: mv52 [FILE.dat]\n"
    "The MV52 programming tool. With FILE.dat (its channel file FILE.fre beside it), the program\n"
    "starts as usual and then opens the file as File > Open does; a file it refuses leaves the\n"
    "new document open. Qt's own options (-platform offscreen, ...) are accepted as well.\n";

struct ProgramArguments {
    enum class Kind { Run, Help, UsageError };
    Kind kind = Kind::Run;
    std::optional<std::string> dataFile;
};

// The arguments after the program's name. "--help" or "-h" anywhere asks for help; any other
// option, or a second file, is a usage error.
ProgramArguments parseProgramArguments(std::span<const std::string_view> arguments);

}  // namespace mv52
