#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "options.h"

namespace mv52::sim {
namespace {

ParsedOptions parse(std::vector<std::string_view> args) { return parseOptions(args); }

TEST(RadioSimOptions, DefaultsAnswerAsTheRadio) {
    const ParsedOptions p = parse({});
    ASSERT_EQ(p.action, ParsedOptions::Action::Run);
    EXPECT_EQ(p.options.identity.model, "LB2424P");
    EXPECT_EQ(p.options.identity.firmware, "V200");
    EXPECT_EQ(p.options.baud, 0u);
    EXPECT_EQ(p.options.delayMs, 0u);
    EXPECT_EQ(p.options.faults, Faults{});
    EXPECT_TRUE(p.options.linkPath.empty());
    EXPECT_TRUE(p.options.imagePath.empty());
    EXPECT_TRUE(p.options.savePath.empty());
    EXPECT_FALSE(p.options.verbose);
    EXPECT_FALSE(p.options.turnaround);
}

TEST(RadioSimOptions, EveryOptionIsRead) {
    const ParsedOptions p = parse({"--link", "/tmp/radio", "--image=in.bin", "--save", "out.bin", "--model", "LB2424X",
                                   "--firmware", "V201", "--baud", "9600", "--delay", "120", "--ignore-handshakes", "2",
                                   "--ignore-idents=3", "--bad-checksum", "16400", "--bad-checksum", "0x20:4", "--silent-at",
                                   "8000:2", "--silent-at", "8000", "--no-end-ack", "--verbose", "--turnaround", "--drop-writes", "16400",
                                   "--drop-writes=0x20"});
    ASSERT_EQ(p.action, ParsedOptions::Action::Run) << p.error;
    const Options& o = p.options;
    EXPECT_EQ(o.linkPath, "/tmp/radio");
    EXPECT_EQ(o.imagePath, "in.bin");
    EXPECT_EQ(o.savePath, "out.bin");
    EXPECT_EQ(o.identity.model, "LB2424X");
    EXPECT_EQ(o.identity.firmware, "V201");
    EXPECT_EQ(o.baud, 9600u);
    EXPECT_EQ(o.delayMs, 120u);
    EXPECT_EQ(o.faults.ignoreHandshakes, 2u);
    EXPECT_EQ(o.faults.ignoreIdents, 3u);
    EXPECT_EQ(o.faults.badChecksum, (std::map<std::uint16_t, unsigned>{{16400, 1}, {32, 4}}));
    EXPECT_EQ(o.faults.silentAt, (std::map<std::uint16_t, unsigned>{{8000, 3}}));  // 2 + 1
    EXPECT_TRUE(o.faults.noEndAck);
    EXPECT_EQ(o.faults.dropWrites, (std::set<std::uint16_t>{32, 16400}));
    EXPECT_TRUE(o.verbose);
    EXPECT_TRUE(o.turnaround);
}

TEST(RadioSimOptions, HelpEndsTheParsing) {
    EXPECT_EQ(parse({"--help"}).action, ParsedOptions::Action::Help);
    EXPECT_EQ(parse({"--verbose", "--help", "--bogus"}).action, ParsedOptions::Action::Help);
    EXPECT_NE(usageText().find("--silent-at ADDR[:N]"), std::string::npos);
}

TEST(RadioSimOptions, BadCommandLinesAreErrors) {
    const std::vector<std::vector<std::string_view>> cases = {
        {"--bogus"},
        {"image.bin"},
        {"--link"},
        {"--image", ""},
        {"--model", "LB2424PX"},
        {"--model", "LB\xC3\xA4"},
        {"--firmware", "V2000"},
        {"--baud", "0"},
        {"--baud", "fast"},
        {"--baud", "-9600"},
        {"--delay", "1.5"},
        {"--delay"},
        {"--ignore-handshakes", "x"},
        {"--bad-checksum", "23729"},
        {"--bad-checksum", "0x5CB1"},
        {"--bad-checksum", "16:"},
        {"--bad-checksum", ":2"},
        {"--silent-at", "16:two"},
        {"--silent-at", "-16"},
        {"--drop-writes", "23744"},
        {"--drop-writes", "8"},
        {"--drop-writes", "16:2"},
        {"--drop-writes"},
        {"--verbose=yes"},
        {"--no-end-ack=1"},
        {"--turnaround=1"},
    };
    for (const auto& args : cases) {
        const ParsedOptions p = parse(args);
        EXPECT_EQ(p.action, ParsedOptions::Action::Error) << args[0] << (args.size() > 1 ? std::string(" ") + std::string(args[1]) : "");
        EXPECT_FALSE(p.error.empty());
    }
}

TEST(RadioSimOptions, AddressesMayBeHexOrDecimal) {
    const ParsedOptions p = parse({"--silent-at", "0x5CB0", "--bad-checksum", "23728:0"});
    ASSERT_EQ(p.action, ParsedOptions::Action::Run) << p.error;
    EXPECT_EQ(p.options.faults.silentAt, (std::map<std::uint16_t, unsigned>{{23728, 1}}));
    EXPECT_EQ(p.options.faults.badChecksum, (std::map<std::uint16_t, unsigned>{{23728, 0}}));
}

}  // namespace
}  // namespace mv52::sim
