#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include <fcntl.h>
#include <grp.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "data/local_time.h"
#include "support/sim_process.h"
#include "support/temp_dir.h"

namespace mv52 {
namespace {

// mv52ctl read and write against the simulated radio on a pseudo-terminal.
class LinkCommandTest : public ::testing::Test {
protected:
    test::TempDir dir;
    std::string output;
    // The per-user data folder of every mv52ctl run: backups go below it, never into the
    // home folder of whoever runs the tests.
    std::string dataHome = dir.file("data-home");

    int ctl(const std::string& args) {
        const std::string log = dir.file("ctl.txt");
        const int raw = std::system(("XDG_DATA_HOME='" + dataHome + "' " + std::string(MV52_MV52CTL) + " " + args +
                                     " > " + log + " 2>&1")
                                        .c_str());
        std::ifstream in(log);
        std::ostringstream s;
        s << in.rdbuf();
        output = s.str();
        return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    }
    std::string backupFolder() const { return dataHome + "/MV52/backups"; }
    std::vector<std::string> backups() const {
        std::vector<std::string> names;
        std::error_code ec;
        for (const auto& e : std::filesystem::directory_iterator(backupFolder(), ec))
            names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    std::vector<std::uint8_t> bytes(const std::string& path, std::size_t limit = SIZE_MAX) {
        std::ifstream in(path, std::ios::binary);
        std::vector<std::uint8_t> b((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        if (b.size() > limit) b.resize(limit);
        return b;
    }
};

TEST_F(LinkCommandTest, CompleteReadSavesTheRadiosMemory) {
    // The radio holds a document of our own: write its image as the radio's memory.
    ASSERT_EQ(ctl("new " + dir.file("src.dat")), 0);
    ASSERT_EQ(ctl("encode " + dir.file("src.dat") + " " + dir.file("src.img")), 0);
    test::SimProcess sim({"--image", dir.file("src.img")});
    ASSERT_FALSE(sim.path().empty());
    ASSERT_EQ(ctl("read --port " + sim.path() + " " + dir.file("read.dat")), 0) << output;
    EXPECT_NE(output.find("Read Data Completed."), std::string::npos);
    const std::string readOutput = output;
    ASSERT_EQ(ctl("encode " + dir.file("read.dat") + " " + dir.file("read.img")), 0);
    // Decoding then encoding again only adds the VFO channels' presence bits.
    std::vector<std::uint8_t> a = bytes(dir.file("src.img")), b = bytes(dir.file("read.img"));
    ASSERT_EQ(a.size(), b.size());
    int differences = 0;
    for (std::size_t i = 0; i < a.size(); ++i) differences += a[i] != b[i];
    EXPECT_EQ(differences, 2);
    EXPECT_EQ(sim.stop(), 0);

    // The read left a backup equal to the pair it saved, and named it.
    const std::vector<std::string> names = backups();
    ASSERT_EQ(names.size(), 2u) << output;
    const std::string backup = backupFolder() + "/" + names[0];
    EXPECT_NE(readOutput.find("Backup of the read: " + backup + "\n"), std::string::npos) << readOutput;
    EXPECT_EQ(bytes(backup), bytes(dir.file("read.dat")));
    EXPECT_EQ(bytes(backup.substr(0, backup.size() - 3) + "fre"), bytes(dir.file("read.fre")));
}

TEST_F(LinkCommandTest, ReadsInTheSameSecondNeverOverwriteABackup) {
    // Backups of reads in the same second as this one's, for every second it might end in.
    std::filesystem::create_directories(backupFolder());
    const auto now = std::chrono::system_clock::now();
    for (int s = 0; s < 300; ++s) {
        const std::string stamp = formatLocalTime(now + std::chrono::seconds(s), "%Y%m%d-%H%M%S");
        test::writeBytes(backupFolder() + "/" + stamp + ".dat", {'e', 'a', 'r', 'l', 'i', 'e', 'r'});
    }
    const std::size_t earlier = backups().size();
    test::SimProcess sim({});
    for (const char* out : {"a.dat", "b.dat"}) ASSERT_EQ(ctl("read --port " + sim.path() + " " + dir.file(out)), 0) << output;

    const std::vector<std::uint8_t> sentinel{'e', 'a', 'r', 'l', 'i', 'e', 'r'};
    std::vector<std::string> added;
    for (const std::string& name : backups())
        if (bytes(backupFolder() + "/" + name) != sentinel) added.push_back(name);
    ASSERT_EQ(added.size(), 4u) << "two pairs, and every earlier backup as it was";
    EXPECT_EQ(backups().size(), earlier + 4);
    // Each took the next free name of its second: "20261210-142501-2.dat" and on.
    for (const std::string& name : added) EXPECT_EQ(std::count(name.begin(), name.end(), '-'), 2) << name;
}

TEST_F(LinkCommandTest, BackupThatCannotBeWrittenIsReportedAndTheReadStillSucceeds) {
    test::writeBytes(dataHome, {0});  // a file where the data folder should be
    test::SimProcess sim({});
    EXPECT_EQ(ctl("read --port " + sim.path() + " " + dir.file("r.dat")), 0) << output;
    EXPECT_NE(output.find("The read could not be backed up in " + backupFolder() + ": "), std::string::npos) << output;
    EXPECT_NE(output.find("Read Data Completed."), std::string::npos);
    EXPECT_TRUE(std::filesystem::exists(dir.file("r.dat")));
}

TEST_F(LinkCommandTest, NoBackupSkipsIt) {
    test::SimProcess sim({});
    EXPECT_EQ(ctl("read --no-backup --port " + sim.path() + " " + dir.file("r.dat")), 0) << output;
    EXPECT_FALSE(std::filesystem::exists(dataHome));
    EXPECT_EQ(output.find("Backup"), std::string::npos) << output;
    EXPECT_EQ(ctl("write --no-backup --port " + sim.path() + " " + dir.file("r.dat")), 2);
}

TEST_F(LinkCommandTest, CompleteWriteLeavesTheEncodedDocumentInTheRadio) {
    test::SimProcess sim({"--save", dir.file("memory.bin")});
    ASSERT_EQ(ctl("new " + dir.file("w.dat")), 0);
    ASSERT_EQ(ctl("encode " + dir.file("w.dat") + " " + dir.file("w.img")), 0);
    ASSERT_EQ(ctl("write --port " + sim.path() + " " + dir.file("w.dat")), 0) << output;
    EXPECT_NE(output.find("Write Data Completed."), std::string::npos);
    EXPECT_EQ(bytes(dir.file("memory.bin")), bytes(dir.file("w.img"), 23744));
}

TEST_F(LinkCommandTest, VerifiedWriteReadsTheRadioBackAndComparesEveryByte) {
    test::SimProcess sim({"--save", dir.file("memory.bin")});
    ASSERT_EQ(ctl("new " + dir.file("w.dat")), 0);
    ASSERT_EQ(ctl("write --verify --port " + sim.path() + " " + dir.file("w.dat")), 0) << output;
    EXPECT_NE(output.find("Write completed and verified."), std::string::npos) << output;
    EXPECT_EQ(ctl("read --verify --port " + sim.path() + " " + dir.file("r.dat")), 2) << "a read has nothing to verify";
}

TEST_F(LinkCommandTest, VerifyNamesTheBlockThatKeptItsOldBytes) {
    // The radio's memory is all zero; the block at 16400 takes no writes but acknowledges them.
    test::writeBytes(dir.file("zero.img"), std::vector<std::uint8_t>(23744, 0));
    ASSERT_EQ(ctl("new " + dir.file("w.dat")), 0);
    ASSERT_EQ(ctl("encode " + dir.file("w.dat") + " " + dir.file("w.img")), 0);
    const std::vector<std::uint8_t> image = bytes(dir.file("w.img"));
    ASSERT_TRUE(std::any_of(image.begin() + 16400, image.begin() + 16416, [](std::uint8_t b) { return b != 0; }));

    test::SimProcess sim({"--image", dir.file("zero.img"), "--drop-writes", "16400"});
    EXPECT_EQ(ctl("write --verify --port " + sim.path() + " " + dir.file("w.dat")), 1) << output;
    EXPECT_NE(output.find("Write Data Completed."), std::string::npos) << output;
    EXPECT_NE(output.find("Verify failed: 1 of 1484 blocks read back from the radio differ from what was written. "
                          "Addresses: 16400 (0x4010)"),
              std::string::npos)
        << output;
    EXPECT_EQ(output.find("Write completed and verified."), std::string::npos) << output;
    // Without --verify the same write is trusted, as it always was.
    EXPECT_EQ(ctl("write --port " + sim.path() + " " + dir.file("w.dat")), 0) << output;
}

struct FaultCase {
    const char* name;
    std::vector<std::string> simOptions;
    const char* ctlOptions;
    int status;
    const char* expected;  // in the output
};

class LinkFaultTest : public LinkCommandTest, public ::testing::WithParamInterface<FaultCase> {};

TEST_P(LinkFaultTest, EndsAsTheSessionRulesSay) {
    const FaultCase& c = GetParam();
    test::SimProcess sim(c.simOptions);
    ASSERT_FALSE(sim.path().empty());
    EXPECT_EQ(ctl(std::string("read ") + c.ctlOptions + " --port " + sim.path() + " " + dir.file("r.dat")),
              c.status)
        << output;
    EXPECT_NE(output.find(c.expected), std::string::npos) << output;
    EXPECT_EQ(std::filesystem::exists(dir.file("r.dat")), c.status == 0);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, LinkFaultTest,
    ::testing::Values(
        FaultCase{"one missed handshake", {"--ignore-handshakes", "1"}, "", 0, "Read Data Completed."},
        FaultCase{"two missed handshakes", {"--ignore-handshakes", "2"}, "", 1, "Check Connection. Retry or Cancel? [Cancel]"},
        FaultCase{"two missed, one retry", {"--ignore-handshakes", "2"}, "--retry 1", 0, "[Retry]"},
        FaultCase{"bad checksum, block prompt OK", {"--bad-checksum", "16400"}, "--retry 1", 0, "[OK]"},
        FaultCase{"wrong model", {"--model", "LB2424Q"}, "", 1, "Model type is wrong."},
        FaultCase{"incompatible firmware", {"--firmware", "V201"}, "", 1, "Firmware version is V2.01"},
        FaultCase{"no end acknowledgement", {"--no-end-ack"}, "", 0, "Read Data Completed."}),
    [](const ::testing::TestParamInfo<FaultCase>& param) {
        std::string name = param.param.name;
        for (char& ch : name)
            if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
        return name;
    });

TEST_F(LinkCommandTest, RadioThatVanishesMidReadEndsThroughThePrompt) {
    test::SimProcess sim({"--baud", "9600"});
    ASSERT_FALSE(sim.path().empty());
    std::thread unplug([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(1500));
        sim.stop();
    });
    const int status = ctl("read --port " + sim.path() + " " + dir.file("r.dat"));
    unplug.join();
    EXPECT_EQ(status, 1) << output;
    EXPECT_NE(output.find("Check Connection. Retry or Cancel? [Cancel]"), std::string::npos) << output;
    EXPECT_FALSE(std::filesystem::exists(dir.file("r.dat")));
}

TEST_F(LinkCommandTest, PortThatCannotBeOpened) {
    EXPECT_EQ(ctl("read --port /dev/nonexistent-mv52 " + dir.file("r.dat")), 1);
    EXPECT_NE(output.find("Cannot Open Communication Port."), std::string::npos) << output;
    EXPECT_NE(output.find("/dev/nonexistent-mv52: no such device [E-PORT-MISSING]"), std::string::npos) << output;
    EXPECT_EQ(ctl("write --port /dev/nonexistent-mv52 " + dir.file("missing.dat")), 1);
    EXPECT_NE(output.find("file error."), std::string::npos) << output;
    EXPECT_EQ(ctl("read --retry x " + dir.file("r.dat")), 2);
    EXPECT_EQ(ctl("read --port"), 2);
}

// Ctrl+C stops a read as the progress window's Cancel does: the radio is sent the end
// request, the port is closed and nothing is saved.
TEST_F(LinkCommandTest, InterruptedReadLeavesNoFile) {
    test::SimProcess sim({"--baud", "9600", "--verbose"}, dir.file("sim.txt"));
    ASSERT_FALSE(sim.path().empty());
    const std::string log = dir.file("ctl.txt");
    const pid_t child = ::fork();
    if (child == 0) {
        const int fd = ::open(log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        ::dup2(fd, STDOUT_FILENO);
        ::dup2(fd, STDERR_FILENO);
        ::setenv("XDG_DATA_HOME", dataHome.c_str(), 1);
        const std::string out = dir.file("r.dat");
        ::execl(MV52_MV52CTL, MV52_MV52CTL, "read", "--port", sim.path().c_str(), out.c_str(), nullptr);
        ::_exit(127);
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(1500));
    ::kill(child, SIGINT);
    int raw = 0;
    ::waitpid(child, &raw, 0);
    std::ifstream in(log);
    std::ostringstream text;
    text << in.rdbuf();
    ASSERT_TRUE(WIFEXITED(raw)) << text.str();
    EXPECT_EQ(WEXITSTATUS(raw), 1) << text.str();
    EXPECT_NE(text.str().find("The read was stopped; nothing was changed."), std::string::npos) << text.str();
    EXPECT_FALSE(std::filesystem::exists(dir.file("r.dat")));
    EXPECT_FALSE(std::filesystem::exists(dir.file("r.fre")));
    EXPECT_TRUE(backups().empty());
    sim.stop();
    std::ifstream frames(dir.file("sim.txt"));
    std::string line, last;
    while (std::getline(frames, line))
        if (line.find("<- ") != std::string::npos) last = line;
    EXPECT_NE(last.find("<- end"), std::string::npos) << "the radio's last frame: " << last;
}

// A device the user may not open gives the permission code and the group that owns it. As
// root the pseudo-terminal is given to group dialout and the program runs as nobody, who is
// in no group; otherwise the device is made unreadable for everyone.
TEST_F(LinkCommandTest, PermissionDeniedNamesTheGroupAndTheCommand) {
    test::SimProcess sim({});
    ASSERT_FALSE(sim.path().empty());
    const bool root = ::geteuid() == 0;
    std::string runAs;
    if (root) {
        const group* dialout = ::getgrnam("dialout");
        ASSERT_NE(dialout, nullptr);
        ASSERT_EQ(::chown(sim.path().c_str(), 0, dialout->gr_gid), 0);
        ASSERT_EQ(::chmod(sim.path().c_str(), 0660), 0);
        runAs = "setpriv --reuid=65534 --regid=65534 --clear-groups ";
    } else {
        ASSERT_EQ(::chmod(sim.path().c_str(), 0), 0);
    }

    const std::string log = dir.file("ctl.txt");
    const int raw = std::system((runAs + MV52_MV52CTL + " read --port " + sim.path() + " " + dir.file("r.dat") +
                                 " > " + log + " 2>&1")
                                    .c_str());
    std::ifstream in(log);
    std::ostringstream text;
    text << in.rdbuf();
    ASSERT_TRUE(WIFEXITED(raw));
    EXPECT_EQ(WEXITSTATUS(raw), 1) << text.str();
    EXPECT_NE(text.str().find("Cannot Open Communication Port.\n" + sim.path() +
                              ": permission denied [E-PORT-PERM]\nThe system says: "),
              std::string::npos)
        << text.str();
    EXPECT_NE(text.str().find("What to try:\n- "), std::string::npos) << text.str();
    if (root) {
        EXPECT_NE(text.str().find("- You are not in the group \"dialout\" that owns " + sim.path() +
                                  ". Add yourself with \"sudo usermod -aG dialout $USER\", then log out and back in."),
                  std::string::npos)
            << text.str();
    }
    EXPECT_FALSE(std::filesystem::exists(dir.file("r.dat")));
}

}  // namespace
}  // namespace mv52
