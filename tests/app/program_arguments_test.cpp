#include <gtest/gtest.h>

#include <vector>

#include "app/program_arguments.h"

namespace mv52 {
namespace {

TEST(ProgramArguments, AFileToOpenHelpOrAUsageError) {
    using K = ProgramArguments::Kind;
    struct Case {
        std::vector<std::string_view> arguments;
        K kind;
        std::optional<std::string> file;
    };
    const Case cases[] = {
        {{}, K::Run, std::nullopt},
        {{"a.dat"}, K::Run, "a.dat"},
        {{"/home/x/radio one.dat"}, K::Run, "/home/x/radio one.dat"},
        {{"--help"}, K::Help, std::nullopt},
        {{"a.dat", "-h"}, K::Help, std::nullopt},
        {{"a.dat", "b.dat"}, K::UsageError, std::nullopt},
        {{"--frobnicate"}, K::UsageError, std::nullopt},
        {{""}, K::UsageError, std::nullopt},
    };
    for (const Case& c : cases) {
        const ProgramArguments parsed = parseProgramArguments(c.arguments);
        EXPECT_EQ(parsed.kind, c.kind) << c.arguments.size();
        EXPECT_EQ(parsed.dataFile, c.file);
    }
}

}  // namespace
}  // namespace mv52
