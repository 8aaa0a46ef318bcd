// mv52ctl export-csv, import-csv, export, import and diff on saved pairs.

#include <gtest/gtest.h>

#include <fstream>

#include "cli/saved_pair_fixture.h"

namespace mv52 {
namespace {

using cli::Args;
using test::readBytes;

class ExchangeCommand : public test::SavedPairTest {
protected:
    std::string write(const std::string& name, const std::string& text) {
        const std::string path = dir.file(name);
        std::ofstream(path, std::ios::binary) << text;
        return path;
    }
    std::string read(const std::string& path) {
        const auto bytes = readBytes(path);
        return {bytes.begin(), bytes.end()};
    }
};

TEST_F(ExchangeCommand, ExportThenImportGivesTheSamePairAfterSetAndCsvChanges) {
    ASSERT_EQ(run({"set", dat, "TOT=90s", "Memory 3=12A*"}), 0) << err.str();
    const std::string csv = write("in.csv", "Location,Frequency,Mode,Comment,BUSY\r\n4,28.7,AM,,On\r\n5,28.8,FM,PA,Off\r\n");
    ASSERT_EQ(run({"import-csv", dat, "--mode", "HAM", "--group", "C", csv}), 0) << err.str();
    const std::string yaml = dir.file("radio.yaml");
    ASSERT_EQ(run({"export", dat, yaml}), 0) << err.str();
    const std::string copy = dir.file("copy.dat");
    ASSERT_EQ(run({"import", yaml, copy}), 0) << err.str();
    EXPECT_EQ(readBytes(dat), readBytes(copy));
    EXPECT_EQ(readBytes(dir.file("radio.fre")), readBytes(dir.file("copy.fre")));
    EXPECT_EQ(run({"diff", dat, yaml}), 0) << out.str() << err.str();
    EXPECT_EQ(out.str(), "");
}

TEST_F(ExchangeCommand, ExportCsvWritesTheGroupAndImportCsvRefusesWithoutWriting) {
    const std::string csv = dir.file("a.csv");
    ASSERT_EQ(run({"export-csv", dat, "--mode", "CB", "--group", "B", csv}), 0) << err.str();
    EXPECT_EQ(read(csv).substr(read(csv).find("\r\n") + 2, 22), "1,,28.145000,,0.000000");
    const auto before = readBytes(dat);
    const std::string bad = write("bad.csv", "Location,Frequency\n1,28.2\n2,40.0\n");
    EXPECT_EQ(run({"import-csv", dat, "--mode", "CB", "--group", "B", bad}), 1);
    EXPECT_EQ(err.str(), bad + ":3: frequency '40.0' is outside the band of group CB B (24.7150 - 30.1050 MHz)\n"
                               "mv52ctl: nothing was imported (1 refusal)\n");
    EXPECT_EQ(readBytes(dat), before);
}

TEST_F(ExchangeCommand, OptionsNamingNoGroupAreUsage) {
    const std::string csv = dir.file("a.csv");
    for (const Args& args : std::vector<Args>{Args{"export-csv", dat, "--mode", "FM", "--group", "A", csv},
                      Args{"export-csv", dat, "--mode", "HAM", "--group", "O", csv},
                      Args{"import-csv", dat, "--mode", "CB", csv}, Args{"export", dat},
                      Args{"import", dat, dir.file("x.dat")}}) {
        out.str("");
        err.str("");
        EXPECT_EQ(cli::runCommandLine(args, ctx), 2) << args[0];
    }
}

TEST_F(ExchangeCommand, DiffExitsAsDiffDoesAndNamesEachDifferenceByLabel) {
    // Both pairs saved once after loading, so both carry the band code a load derives.
    const std::string other = dir.file("other.dat");
    ASSERT_EQ(run({"new", other}), 0);
    ASSERT_EQ(run({"set", dat, "TOT=Off"}), 0);
    ASSERT_EQ(run({"set", other, "TOT=Off"}), 0);
    EXPECT_EQ(run({"diff", dat, other}), 0);
    ASSERT_EQ(run({"set", other, "TOT=90s"}), 0);
    const std::string csv = write("mode.csv", "Location,Frequency,Mode\n1,28.015000,AM\n");
    ASSERT_EQ(run({"import-csv", other, "--mode", "CB", "--group", "A", csv}), 0) << err.str();
    EXPECT_EQ(run({"diff", dat, other}), 1);
    EXPECT_EQ(out.str(), "TOT: Off -> 90s\nCB A CH 1 Mode: FM -> AM\n");
    EXPECT_EQ(run({"diff", dat, dir.file("missing.dat")}), 2);
    EXPECT_EQ(err.str().find("Usage:"), std::string::npos) << err.str();
    EXPECT_EQ(run({"diff", dat, write("bad.yaml", "Options:\n  TOT: \"7s\"\n")}), 2);
    EXPECT_NE(err.str().find("bad.yaml:2: TOT: '7s' is not offered"), std::string::npos) << err.str();
}

TEST_F(ExchangeCommand, CsvRefusalsFollowTheLanguage) {
    const std::string bad = write("bad.csv", "# a comment\nLocation,Frequency,Skip\n1,27.185009,\n2,28.2,X\n");
    EXPECT_EQ(run({"--lang", "zh", "import-csv", dat, "--mode", "CB", "--group", "B", bad}), 1);
    EXPECT_EQ(err.str(), bad + ":3: 频率 '27.185009' 比电台的 10 Hz 步进更精细\n" + bad +
                             ":4: 不提供 Skip 'X'（空或 P：扫描，S：跳过）\n"
                             "mv52ctl: 没有导入任何内容（2 处被拒绝）\n");
}

}  // namespace
}  // namespace mv52
