#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "app/file_places.h"
#include "cli/cli.h"
#include "data/radio_image.h"
#include "version/package_version.h"
#include "support/temp_dir.h"

namespace mv52 {
namespace {

namespace fs = std::filesystem;
using test::readBytes;
using test::writeBytes;

// An installation in a temporary folder: <dir>/Version.ini and the program folder <dir>/ZU_418.
class CliTest : public ::testing::Test {
protected:
    test::TempDir dir;
    std::ostringstream out, err;
    cli::Context ctx{dir.file("ZU_418"), out, err, LanguageIndex::English, {}};

    void SetUp() override {
        fs::create_directories(dir.file("ZU_418"));
        writeVersionIni("Firm0=V200V200\n");
    }
    void writeVersionIni(const std::string& firm) {
        std::ofstream(dir.file("Version.ini")) << "[Version]\nSoftVersionCount=1\nFirmVersionCount=1\n[Firm]\n" << firm;
        cli::loadInstallation(ctx);
    }
    int run(std::initializer_list<std::string> args) {
        out.str("");
        err.str("");
        return cli::runCommandLine(cli::Args(args), ctx);
    }
};

TEST_F(CliTest, UsageErrorsAndHelp) {
    EXPECT_EQ(run({}), 2);
    EXPECT_EQ(run({"frobnicate"}), 2);
    EXPECT_NE(err.str().find("unknown command"), std::string::npos);
    EXPECT_EQ(run({"new"}), 2);
    EXPECT_NE(err.str().find("Usage: mv52ctl new OUT.dat"), std::string::npos);
    EXPECT_EQ(run({"decode", "a", "b", "c"}), 2);
    EXPECT_EQ(run({"show", "--bogus", "x.dat"}), 2);
    EXPECT_EQ(run({"--help"}), 0);
    EXPECT_NE(out.str().find("mv52ctl encode FILE.dat IMAGE"), std::string::npos);
    for (const char* command : {"new", "show", "encode", "decode"}) {
        EXPECT_EQ(run({command, "--help"}), 0) << command;
        EXPECT_NE(out.str().find(std::string("Usage: mv52ctl ") + command), std::string::npos);
    }
}

TEST_F(CliTest, NewThenShow) {
    const std::string dat = dir.file("x.dat");
    ASSERT_EQ(run({"new", dat}), 0) << err.str();
    EXPECT_EQ(fs::file_size(dat), 1694u);
    EXPECT_TRUE(fs::exists(dir.file("x.fre")));
    ASSERT_EQ(run({"show", dat}), 0) << err.str();
    const std::string text = out.str();
    for (const char* expected : {"Version: V200", "CB group A: 7 channels", "HAM group MEM: 6 channels", "CB group M: 6 channels",
                                 "  M1   28.01500", "  1    28.14500", "micGain=30", "RB 1: recycle 1",
                                 "1:2100Hz/100ms", "send time 10 ms"})
        EXPECT_NE(text.find(expected), std::string::npos) << expected;
    EXPECT_EQ(text.find("group N:"), std::string::npos);
}

TEST_F(CliTest, ShowReportsRefusedFiles) {
    const std::string dat = dir.file("x.dat");
    ASSERT_EQ(run({"new", dat}), 0);
    writeVersionIni("Firm0=V210V210\n");
    EXPECT_EQ(run({"show", dat}), 1);
    EXPECT_NE(err.str().find("DataFile version is V2.00\r\nprogramming software is V2.00"), std::string::npos);
    EXPECT_TRUE(out.str().empty());
    EXPECT_EQ(run({"show", dir.file("missing.dat")}), 1);
    EXPECT_EQ(err.str(), "file error.\nmv52ctl: " + dir.file("missing.dat") + ": no such file or folder\n");
    EXPECT_EQ(run({"--lang", "zh", "show", dir.file("missing.dat")}), 1);
    EXPECT_EQ(err.str(), "文件错误。\nmv52ctl: " + dir.file("missing.dat") + ": 文件或文件夹不存在\n");
    EXPECT_EQ(run({"show", dir.file("missing.dat"), "--lang", "fr"}), 2);
    ctx.language = LanguageIndex::English;
    writeBytes(dir.file("bad.dat"), {'X', '2', '0', '0'});
    EXPECT_EQ(run({"show", dir.file("bad.dat")}), 1);
    EXPECT_EQ(err.str(), "Unknown version Of DataFile!\n");
}

TEST_F(CliTest, MessagesFollowTheStoredLanguage) {
    fs::create_directories(dir.file("language"));
    std::ofstream(dir.file("language/mysetup.ini")) << "[language]\nIsFirstRun=0\nCurrentLanguage=2\n";
    cli::loadInstallation(ctx);
    EXPECT_EQ(ctx.language, LanguageIndex::Chinese);
    EXPECT_EQ(run({"show", dir.file("missing.dat")}), 1);
    EXPECT_EQ(err.str().rfind("文件错误。\n", 0), 0u);
}

TEST_F(CliTest, EncodeAndDecodeImages) {
    const std::string dat = dir.file("x.dat");
    const std::string img = dir.file("x.img");
    ASSERT_EQ(run({"new", dat}), 0);
    ASSERT_EQ(run({"encode", dat, img}), 0) << err.str();
    std::vector<std::uint8_t> image = readBytes(img);
    ASSERT_EQ(image.size(), RadioImage::kSize);
    EXPECT_EQ(image[0x5CC0], 0xFF);
    EXPECT_EQ(image[0x4600], 0x01);  // CB group A holds channel 1

    image.pop_back();  // the 23,744 bytes a read transfers
    writeBytes(img, image);
    ASSERT_EQ(run({"decode", img, dir.file("y.dat")}), 0) << err.str();
    ASSERT_EQ(run({"show", dir.file("y.dat")}), 0);
    EXPECT_NE(out.str().find("CB group A: 1 channel\n"), std::string::npos);
    EXPECT_NE(out.str().find("CB group VFO: 1 channel\n"), std::string::npos);

    writeBytes(dir.file("short.img"), std::vector<std::uint8_t>(100, 0));
    EXPECT_EQ(run({"decode", dir.file("short.img"), dir.file("z.dat")}), 1);
    EXPECT_NE(err.str().find("23744 or 23745 bytes"), std::string::npos);
    EXPECT_FALSE(fs::exists(dir.file("z.dat")));
    EXPECT_EQ(run({"decode", dir.file("none.img"), dir.file("z.dat")}), 1);
    EXPECT_EQ(run({"encode", dat, dir.file("no/such/folder/x.img")}), 1);
    EXPECT_EQ(run({"encode", dir.file("missing.dat"), dir.file("m.img")}), 1);
    EXPECT_FALSE(fs::exists(dir.file("m.img")));
}

TEST_F(CliTest, VersionNamesTheReleaseAndTheFilesInUse) {
    ASSERT_EQ(run({"--version"}), 0);
    EXPECT_EQ(out.str(), "mv52ctl " + std::string(kPackageVersion) + "\nProgram version V2.00\nSettings file: " +
                             dir.file("language") + "/mysetup.ini\nDaily logs: " + dir.file("ZU_418") + "\n");
    EXPECT_EQ(run({"--version", "x"}), 2);
}

// Every file below `root` with its content.
std::map<std::string, std::string> snapshot(const fs::path& root) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        std::string& seen = files[entry.path().string()];
        if (!entry.is_regular_file()) seen = "<folder>";
        else if (entry.file_size() > (1u << 20)) seen = std::to_string(entry.file_size()) + " bytes";  // the program
        else seen = std::string((std::istreambuf_iterator<char>(std::ifstream(entry.path(), std::ios::binary).rdbuf())),
                                std::istreambuf_iterator<char>());
    }
    return files;
}

// A shared installation (here marked so, as the package marks its tree): mv52ctl reads the
// user's own settings, seeded from the tree's, names them and its log folder, and writes
// nothing into the tree.
TEST(CliInstalled, ASharedTreeUsesTheUsersFolders) {
    test::TempDir dir;
    const fs::path tree = dir.path() / "opt";
    fs::create_directories(tree / "ZU_418");
    fs::create_directories(tree / "language");
    std::ofstream(tree / "language" / "mysetup.ini") << "[language]\nIsFirstRun=0\ncomPort=7\nCurrentLanguage=1\n";
    std::ofstream(tree / "Version.ini") << "[Version]\nSoftVersionCount=1\nFirmVersionCount=1\n[Firm]\nFirm0=V200V200\n";
    std::ofstream(tree / kSharedTreeMarker) << "shared\n";
    // The program finds its tree from its own path, so it runs from a link inside the tree.
    const fs::path ctl = tree / "ZU_418" / "mv52ctl";
    std::error_code ec;
    fs::create_hard_link(MV52_MV52CTL, ctl, ec);
    if (ec) fs::copy_file(MV52_MV52CTL, ctl);
    const auto before = snapshot(tree);
    const std::string home = dir.file("home");
    const std::string env = "HOME='" + home + "' XDG_CONFIG_HOME='" + home + "/cfg' XDG_STATE_HOME='" + home +
                            "/state' XDG_DATA_HOME='" + home + "/data' ";
    const std::string outFile = dir.file("out.txt");
    ASSERT_EQ(std::system((env + ctl.string() + " --version > " + outFile + " 2>&1").c_str()), 0);
    const std::string text = [&] {
        std::ifstream in(outFile);
        return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    }();
    EXPECT_NE(text.find("Settings file: " + home + "/cfg/MV52/mysetup.ini\n"), std::string::npos) << text;
    EXPECT_NE(text.find("Daily logs: " + home + "/state/MV52/logs\n"), std::string::npos) << text;
    std::ifstream seeded(home + "/cfg/MV52/mysetup.ini");
    const std::string settings((std::istreambuf_iterator<char>(seeded)), std::istreambuf_iterator<char>());
    EXPECT_NE(settings.find("comPort=7"), std::string::npos);
    EXPECT_TRUE(fs::is_directory(home + "/state/MV52/logs"));

    // The port comes from the user's file: a change there, not in the tree, is what counts.
    const std::string userPort = dir.file("user-tty");
    std::ofstream(home + "/cfg/MV52/mysetup.ini") << "[language]\nIsFirstRun=0\ncomPort=99\n[ports]\nCOM99=" << userPort
                                                  << "\n";
    EXPECT_NE(std::system((env + ctl.string() + " read " + dir.file("r.dat") + " > " + outFile + " 2>&1").c_str()), 0);
    std::ifstream readOut(outFile);
    const std::string readText((std::istreambuf_iterator<char>(readOut)), std::istreambuf_iterator<char>());
    EXPECT_NE(readText.find("COM99 (" + userPort + "): no such device"), std::string::npos) << readText;

    EXPECT_EQ(snapshot(tree), before);
}

// The installed program, end to end: the image carries every channel but the memory channels
// 41-46 of the 40-channel groups, and the two VFO channels come back from the fill.
TEST(CliInstalled, NewEncodeDecodeKeepsTheCarriedChannels) {
    test::TempDir dir;
    const std::string ctl = MV52_MV52CTL;
    auto sh = [&](const std::string& args, const std::string& output) {
        return std::system((ctl + " " + args + " > " + dir.file(output) + " 2>&1").c_str());
    };
    ASSERT_EQ(sh("new " + dir.file("x.dat"), "new.txt"), 0);
    ASSERT_EQ(sh("encode " + dir.file("x.dat") + " " + dir.file("x.img"), "enc.txt"), 0);
    ASSERT_EQ(sh("decode " + dir.file("x.img") + " " + dir.file("y.dat"), "dec.txt"), 0);
    ASSERT_EQ(sh("show " + dir.file("x.dat"), "x.txt"), 0);
    ASSERT_EQ(sh("show " + dir.file("y.dat"), "y.txt"), 0);

    // The channel lines of each listing, without the memory channels and the VFO groups.
    auto channels = [&](const std::string& file) {
        std::ifstream in(dir.file(file));
        std::string line, group, result;
        while (std::getline(in, line)) {
            if (line.find(" group ") != std::string::npos) group = line.substr(0, line.find(':'));
            const bool channel = line.rfind("  ", 0) == 0 && line.size() > 2 && std::isdigit(static_cast<unsigned char>(line[2]));
            if (channel && group.find("VFO") == std::string::npos) result += group + " |" + line + "\n";
        }
        return result;
    };
    const std::string x = channels("x.txt");
    EXPECT_FALSE(x.empty());
    EXPECT_EQ(x, channels("y.txt"));
    std::ifstream y(dir.file("y.txt"));
    const std::string text((std::istreambuf_iterator<char>(y)), std::istreambuf_iterator<char>());
    EXPECT_NE(text.find("CB group VFO: 1 channel"), std::string::npos);
    EXPECT_NE(text.find("HAM group VFO: 1 channel"), std::string::npos);
    EXPECT_EQ(text.find("  M1 "), std::string::npos);
}

}  // namespace
}  // namespace mv52
