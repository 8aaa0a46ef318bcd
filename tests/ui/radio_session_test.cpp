// The desktop program against the simulated radio on a pseudo-terminal: a whole read and a
// whole write through the menu, as a user runs them.

#include <gtest/gtest.h>

#include <QLabel>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <algorithm>
#include <filesystem>
#include <fstream>

#include "storage/codec.h"
#include "storage/data_file.h"
#include "storage/default_document.h"
#include "document/workspace.h"
#include "ui/progress_window.h"
#include "platform/port_names.h"
#include "ui/ui_support.h"

namespace mv52::test {
namespace {

constexpr std::uint32_t kTransferred = RadioImage::kTransferSize;

// The simulator, started with `arguments`; its first output line names its device.
class SimulatedRadio {
public:
    explicit SimulatedRadio(const QStringList& arguments) {
        process_.setProgram(QStringLiteral(MV52_RADIO_SIM));
        process_.setArguments(arguments);
        process_.setProcessChannelMode(QProcess::SeparateChannels);
        process_.start();
        if (!process_.waitForStarted(10000)) return;
        QElapsedTimer clock;
        clock.start();
        while (!process_.canReadLine() && clock.elapsed() < 10000) process_.waitForReadyRead(200);
        device_ = QString::fromLocal8Bit(process_.readLine()).trimmed().toStdString();
    }
    ~SimulatedRadio() {
        process_.terminate();
        if (!process_.waitForFinished(3000)) {
            process_.kill();
            process_.waitForFinished(3000);
        }
    }
    const std::string& device() const { return device_; }
    QString errors() { return QString::fromLocal8Bit(process_.readAllStandardError()); }

private:
    QProcess process_;
    std::string device_;
};

// The document the radio holds: the start-up document with a few recognisable changes.
std::unique_ptr<Workspace> radioDocument(const std::string& programFolder) {
    auto ws = Workspace::create();
    buildStartupDocument(*ws, "20240131", programFolder);
    ws->current.options().beep = static_cast<std::int16_t>(ws->current.options().beep == 0 ? 1 : 0);
    ws->image.preTransferFill();
    encodeDocument(*ws);
    return ws;
}

std::vector<std::uint8_t> transferredBytes(const RadioImage& image) {
    const auto bytes = image.bytes();
    return {bytes.begin(), bytes.begin() + kTransferred};
}

struct RadioRig {
    RadioRig() : rig() {}

    // Gives the simulator's device the port number 99 in this installation and chooses it.
    void usePort(const std::string& device) {
        rig.profiles.write(rig.app->settingsPath, kPortsSection, "COM99", device);
        rig.app->settings.comPort = 99;
    }

    // Ends a transfer that hangs, so the test fails instead of waiting forever.
    void watchdog(int ms = 120000) {
        QTimer::singleShot(ms, rig.main.get(), [this] {
            if (rig.main->linkSession().running()) {
                ADD_FAILURE() << "the transfer did not end";
                rig.main->linkSession().cancel();
            }
        });
    }

    WindowRig rig;
};

int count(const std::vector<std::string>& texts, const std::string& text) {
    return static_cast<int>(std::count(texts.begin(), texts.end(), text));
}

TEST(DesktopRadio, ReadsTheWholeRadioIntoANewUntitledDocument) {
    RadioRig r;
    WindowRig& rig = r.rig;
    MainWindow& w = rig.window();
    int editorsMade = 0;
    rig.defineTestWindow(kChannelEditorWindow, &editorsMade);

    // A titled document first, so that the read visibly goes back to "new.dat".
    const std::string saved = rig.install.file("before.dat");
    rig.files.answers = {saved};
    rig.find("mnuSaveAs")->trigger();
    ASSERT_FALSE(rig.app->workspace->untitled);
    editorsMade = 0;

    const auto radio = radioDocument(rig.app->programFolder);
    const std::string imagePath = rig.install.file("radio.img");
    writeBytes(imagePath, transferredBytes(radio->image));
    SimulatedRadio sim({QStringLiteral("--image"), QString::fromStdString(imagePath)});
    ASSERT_FALSE(sim.device().empty()) << sim.errors().toStdString();
    r.usePort(sim.device());
    r.watchdog();

    const auto before = Workspace::create();
    *before = *rig.app->workspace;
    rig.prompter.asked.clear();
    rig.find("mnuReadFromRadio")->trigger();  // the progress window is modal: this returns at the end

    const std::vector<std::string> texts = rig.prompter.texts();
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts.front(), "Read data from radio.\r\nDo you wish continue?");
    EXPECT_EQ(count(texts, "Read Data Completed."), 1) << sim.errors().toStdString();
    EXPECT_EQ(texts.size(), 2u);
    EXPECT_TRUE(w.linkSession().lastSucceeded());
    EXPECT_FALSE(w.linkSession().running());
    EXPECT_FALSE(w.progressWindow()->visible());

    const Workspace& ws = *rig.app->workspace;
    EXPECT_EQ(transferredBytes(ws.image), transferredBytes(radio->image));
    // The document is what the core's decoder makes of the radio's memory.
    const auto decoded = Workspace::create();
    *decoded = *before;
    decoded->image = radio->image;
    decodeImage(*decoded);
    EXPECT_EQ(ws.current.header.options, decoded->current.header.options);
    EXPECT_EQ(ws.current.header.rogerBeep, decoded->current.header.rogerBeep);
    for (int p = 1; p <= 40; ++p) EXPECT_EQ(ws.current.channels.slot(0, 1, p), decoded->current.channels.slot(0, 1, p)) << p;
    EXPECT_EQ(ws.current.options().beep, radio->current.options().beep);
    EXPECT_TRUE(ws.untitled);
    EXPECT_EQ(ws.fileName, "new.dat");
    // A read is not saved yet: the title marks it.
    EXPECT_TRUE(w.windowTitle().endsWith(QStringLiteral("[File Name:new.dat*]")));
    // The channel editor was reopened on the new document.
    EXPECT_EQ(editorsMade, 1);
    EXPECT_EQ(w.childWindows().openNames(), std::vector<std::string>{kChannelEditorWindow});
    // Every frame went to the daily log, the handshake first.
    std::ifstream log(DailyLog(rig.app->programFolder, rig.clock).pathForToday(), std::ios::binary);
    const std::string logText((std::istreambuf_iterator<char>(log)), std::istreambuf_iterator<char>());
    EXPECT_NE(logText.find(std::string(kLogTitleSent) + ": 50 52 4F 47 52 41 4D"), std::string::npos);

    // The read left a backup, named in the status bar, equal to what Save writes now.
    std::vector<std::filesystem::path> backups;
    for (const auto& e : std::filesystem::directory_iterator(rig.backupFolder())) backups.push_back(e.path());
    std::sort(backups.begin(), backups.end());
    ASSERT_EQ(backups.size(), 2u);
    EXPECT_EQ(backups[0].extension(), ".dat");
    EXPECT_EQ(rig.find<QLabel>("Panel1")->text().toStdString(), "Backup of the read: " + backups[0].string());
    EXPECT_TRUE(ws.untitled) << "the backup does not name the document";
    rig.files.answers = {rig.install.file("after.dat")};
    rig.find("mnuSaveAs")->trigger();
    EXPECT_EQ(readBytes(backups[0].string()), readBytes(rig.install.file("after.dat")));
    EXPECT_EQ(readBytes(backups[1].string()), readBytes(rig.install.file("after.fre")));
}

TEST(DesktopRadio, ABackupThatFailsIsReportedAndTheReadStands) {
    RadioRig r;
    WindowRig& rig = r.rig;
    MainWindow& w = rig.window();
    rig.defineTestWindow(kChannelEditorWindow);
    writeBytes(rig.backupFolder(), {0});  // a file where the folder should be
    SimulatedRadio sim({});
    ASSERT_FALSE(sim.device().empty()) << sim.errors().toStdString();
    r.usePort(sim.device());
    r.watchdog();

    rig.prompter.asked.clear();
    rig.find("mnuReadFromRadio")->trigger();
    const std::vector<std::string> texts = rig.prompter.texts();
    ASSERT_EQ(texts.size(), 3u);
    const std::string failed = "The read could not be backed up in " + rig.backupFolder() + ": ";
    EXPECT_EQ(texts[1].substr(0, failed.size()), failed);
    EXPECT_EQ(rig.prompter.asked[1].icon, MessageIcon::Warning);
    EXPECT_EQ(texts[2], "Read Data Completed.");
    EXPECT_TRUE(w.linkSession().lastSucceeded());
    EXPECT_EQ(rig.find<QLabel>("Panel1")->text().toStdString(), texts[1]);
}

TEST(DesktopRadio, WritesTheDocumentIntoTheRadio) {
    RadioRig r;
    WindowRig& rig = r.rig;
    MainWindow& w = rig.window();
    Workspace& ws = *rig.app->workspace;
    ws.current.channels.slot(0, 1, 3).Mode = 3;  // LSB, so the image differs from a fresh one

    const std::string savedMemory = rig.install.file("radio-after-write.img");
    SimulatedRadio sim({QStringLiteral("--save"), QString::fromStdString(savedMemory)});
    ASSERT_FALSE(sim.device().empty()) << sim.errors().toStdString();
    r.usePort(sim.device());
    r.watchdog();

    rig.find("mnuWriteToRadio")->trigger();  // the write starts from its 20 ms timer
    ASSERT_TRUE(waitUntil([&] { return rig.prompter.wasAsked("Write Data Completed."); }, 120000))
        << sim.errors().toStdString();
    EXPECT_EQ(rig.prompter.texts(), (std::vector<std::string>{"Write data to radio.\r\nDo you wish continue?",
                                                              "Write Data Completed."}));
    EXPECT_TRUE(w.linkSession().lastSucceeded());

    // The radio now holds exactly the encoded document.
    const auto expected = Workspace::create();
    *expected = ws;
    expected->image.preTransferFill();
    encodeDocument(*expected);
    ASSERT_TRUE(waitUntil([&] { return std::filesystem::exists(savedMemory); }, 5000));
    const std::vector<std::uint8_t> memory = readBytes(savedMemory);
    ASSERT_GE(memory.size(), static_cast<std::size_t>(kTransferred));
    EXPECT_EQ(std::vector<std::uint8_t>(memory.begin(), memory.begin() + kTransferred),
              transferredBytes(expected->image));
    EXPECT_EQ(transferredBytes(ws.image), transferredBytes(expected->image));
    // A write leaves the document and its name as they were.
    EXPECT_EQ(ws.fileName, "new.dat");
    EXPECT_EQ(ws.current.channels.slot(0, 1, 3).Mode, 3);
}

// Cancel during a write: the window asks, naming the risk; the radio is sent the end request
// and keeps the blocks written so far, and the program says how many and offers to write again.
TEST(DesktopRadio, ACancelledWriteSaysHowFarItGotAndOffersToWriteAgain) {
    RadioRig r;
    WindowRig& rig = r.rig;
    MainWindow& w = rig.window();
    const std::string zero = rig.install.file("zero.img");
    const std::string memory = rig.install.file("memory.bin");
    writeBytes(zero, std::vector<std::uint8_t>(kTransferred, 0));
    SimulatedRadio sim({QStringLiteral("--image"), QString::fromStdString(zero), QStringLiteral("--baud"),
                        QStringLiteral("9600"), QStringLiteral("--save"), QString::fromStdString(memory)});
    ASSERT_FALSE(sim.device().empty()) << sim.errors().toStdString();
    r.usePort(sim.device());
    r.watchdog();
    rig.prompter.answers = {PromptAnswer::Ok, PromptAnswer::Yes, PromptAnswer::No};

    QTimer poll;
    QString heading;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        ProgressWindow* p = w.progressWindow();
        if (!p->visible() || p->findChild<QProgressBar*>(QStringLiteral("ProgressBar1"))->value() < 5) return;
        poll.stop();
        heading = p->findChild<QLabel*>(QStringLiteral("PortLabel"))->text();
        p->findChild<QPushButton*>(QStringLiteral("CommandCancel"))->click();
    });
    poll.start(20);
    rig.find("mnuWriteToRadio")->trigger();
    ASSERT_TRUE(waitUntil([&] { return rig.prompter.asked.size() >= 3 && !w.linkSession().running(); }, 120000))
        << sim.errors().toStdString();
    EXPECT_EQ(heading.toStdString(), "Writing to COM99 (" + sim.device() + ")");
    const std::vector<std::string> texts = rig.prompter.texts();
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[1].substr(0, 38), "The radio will be left partly written:");
    const int written = w.linkSession().blocksWritten();
    ASSERT_GT(written, 0);
    EXPECT_LT(written, 1484);
    EXPECT_EQ(texts[2], "The write was stopped. The radio holds the first " + std::to_string(written) +
                            " of 1484 blocks written; the rest keep their old contents.\r\n"
                            "Write to the radio again now?");
    EXPECT_EQ(rig.prompter.asked[2].buttons, MessageButtons::YesNo);
    EXPECT_TRUE(w.linkSession().stoppedByUser());
    // The end request reached the radio, which then kept its memory: the blocks written so far
    // hold the document, the rest their old zeros.
    ASSERT_TRUE(waitUntil([&] { return std::filesystem::exists(memory); }, 5000)) << sim.errors().toStdString();
    const std::vector<std::uint8_t> held = readBytes(memory);
    ASSERT_EQ(held.size(), std::size_t{kTransferred});
    const auto image = rig.app->workspace->image.bytes();
    const auto split = static_cast<std::ptrdiff_t>(written) * 16;
    EXPECT_TRUE(std::equal(held.begin(), held.begin() + split, image.begin()));
    EXPECT_TRUE(std::all_of(held.begin() + split + 16, held.end(), [](std::uint8_t b) { return b == 0; }));
}

// With "Verify after Write" checked, a write reads the radio back in the same progress window
// and says what it found.
TEST(DesktopRadio, VerifyAfterWriteReadsTheRadioBack) {
    struct Case {
        const char* name;
        QStringList simOptions;
        const char* verdictStart;
        bool succeeded;
    };
    const Case cases[] = {
        {"a radio that takes every write", {}, "Write completed and verified.", true},
        {"a block that keeps its old bytes",
         {QStringLiteral("--drop-writes"), QStringLiteral("0x4010")},
         "Write Data Completed.\r\nVerify failed: 1 of 1484 blocks read back from the radio differ from what was written. Addresses: 16400 "
         "(0x4010)",
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RadioRig r;
        WindowRig& rig = r.rig;
        MainWindow& w = rig.window();
        rig.find("mnuVerifyAfterWrite")->trigger();
        // A radio whose memory is all zero, so that a block that keeps its old bytes differs.
        const std::string zero = rig.install.file("zero.img");
        writeBytes(zero, std::vector<std::uint8_t>(kTransferred, 0));
        SimulatedRadio sim(QStringList{QStringLiteral("--image"), QString::fromStdString(zero)} + c.simOptions);
        ASSERT_FALSE(sim.device().empty()) << sim.errors().toStdString();
        r.usePort(sim.device());
        r.watchdog();

        std::vector<QString> captions;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            const QString title = w.progressWindow()->windowTitle();
            if (w.progressWindow()->visible() && (captions.empty() || captions.back() != title)) captions.push_back(title);
        });
        poll.start(5);
        rig.find("mnuWriteToRadio")->trigger();
        ASSERT_TRUE(waitUntil([&] { return rig.prompter.asked.size() >= 2 && !w.linkSession().running(); }, 120000))
            << sim.errors().toStdString();
        poll.stop();
        const std::vector<std::string> texts = rig.prompter.texts();
        ASSERT_EQ(texts.size(), 2u) << "one message for the write and its check";
        EXPECT_EQ(texts[1].substr(0, std::string(c.verdictStart).size()), c.verdictStart);
        EXPECT_EQ(w.linkSession().lastSucceeded(), c.succeeded);
        EXPECT_EQ(captions, (std::vector<QString>{QStringLiteral("Write data to radio"), QStringLiteral("Verify data in radio")}));
    }
}

}  // namespace
}  // namespace mv52::test
