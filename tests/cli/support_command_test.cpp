// mv52ctl support: the bundle's files, read back with the archive library.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/cli.h"
#include "platform/zip_archive.h"
#include "support/temp_dir.h"

namespace mv52 {
namespace {

namespace fs = std::filesystem;

TEST(SupportCommand, BundlesTheLastSevenLogsTheSettingsVersionsPortsAndAskedForData) {
    test::TempDir dir;
    std::ostringstream out, err;
    cli::Context ctx{dir.file("ZU_418"), out, err, LanguageIndex::English, {}};
    fs::create_directories(dir.file("ZU_418"));
    fs::create_directories(dir.file("language"));
    std::ofstream(dir.file("Version.ini")) << "[Version]\nSoftVersionCount=1\nFirmVersionCount=1\n[Firm]\nFirm0=V200V200\n";
    std::ofstream(dir.file("language/mysetup.ini")) << "[language]\r\ncomPort=99\r\n[ports]\r\nCOM99=/dev/zero\r\n";
    for (int day = 1; day <= 9; ++day)
        std::ofstream(dir.file("ZU_418/log2026120" + std::to_string(day) + ".txt")) << "day " << day << "\r\n";
    std::ofstream(dir.file("ZU_418/logbook.txt")) << "not a daily log";
    cli::loadInstallation(ctx);
    ASSERT_EQ(cli::runCommandLine({"new", dir.file("mine.dat")}, ctx), 0) << err.str();
    out.str("");

    const std::string zip = dir.file("support.zip");
    ASSERT_EQ(cli::runCommandLine({"support", zip}, ctx), 0) << err.str();
    auto files = readZipArchive(zip);
    ASSERT_TRUE(files);
    std::vector<std::string> names;
    for (const BundleFile& f : *files) names.push_back(f.name);
    const std::vector<std::string> expected{"about.txt",
                                            "ports.txt",
                                            "language/mysetup.ini",
                                            "Version.ini",
                                            "logs/log20261203.txt",
                                            "logs/log20261204.txt",
                                            "logs/log20261205.txt",
                                            "logs/log20261206.txt",
                                            "logs/log20261207.txt",
                                            "logs/log20261208.txt",
                                            "logs/log20261209.txt"};
    EXPECT_EQ(names, expected);
    std::string printed;
    for (const std::string& n : expected) printed += n + "\n";
    EXPECT_EQ(out.str(), printed);
    const auto text = [&](const std::string& name) {
        for (const BundleFile& f : *files)
            if (f.name == name) return f.bytes;
        return std::string("(absent)");
    };
    EXPECT_EQ(text("logs/log20261209.txt"), "day 9\r\n");
    EXPECT_EQ(text("language/mysetup.ini"), "[language]\r\ncomPort=99\r\n[ports]\r\nCOM99=/dev/zero\r\n");
    const std::string about = text("about.txt");
    EXPECT_TRUE(about.starts_with("Program version: V200\nToolkit: Qt 6.")) << about;
    EXPECT_NE(about.find("\nSystem: "), std::string::npos) << about;
    EXPECT_NE(text("ports.txt").find("COM99 (configured)  /dev/zero\n"), std::string::npos) << text("ports.txt");

    // The data file pair only when asked for.
    out.str("");
    ASSERT_EQ(cli::runCommandLine({"support", zip, "--data", dir.file("mine.dat")}, ctx), 0) << err.str();
    files = readZipArchive(zip);
    ASSERT_TRUE(files);
    std::ifstream dat(dir.file("mine.dat"), std::ios::binary);
    const std::string datBytes((std::istreambuf_iterator<char>(dat)), std::istreambuf_iterator<char>());
    EXPECT_EQ(text("data/mine.dat"), datBytes);
    EXPECT_NE(text("data/mine.fre"), "(absent)");
    EXPECT_EQ(files->size(), expected.size() + 2);

    EXPECT_EQ(cli::runCommandLine({"support", dir.file("no-such-folder/s.zip")}, ctx), 1);
    EXPECT_NE(err.str().find("no-such-folder/s.zip: "), std::string::npos) << err.str();
}

}  // namespace
}  // namespace mv52
