// Why a transfer failed and what to try: the explanation's text for each cause, and the
// session naming the cause of a refused port, a silent radio and damaged replies; stopping a
// transfer by the user's hand.

#include <gtest/gtest.h>

#include <algorithm>

#include "link/fakes.h"
#include "link/link_trouble.h"

namespace mv52 {
namespace {

using linktest::LinkBench;

class FixedInspector final : public PortInspector {
public:
    PortCircumstances inspect(const std::string& device) override {
        inspected.push_back(device);
        return circumstances;
    }
    PortCircumstances circumstances;
    std::vector<std::string> inspected;
};

PortCircumstances linuxPort(std::string group, bool listed, bool inEffect, std::vector<std::string> grabbers = {}) {
    PortCircumstances c;
    c.deviceGroup = std::move(group);
    c.userInGroup = listed;
    c.groupInEffect = inEffect;
    c.unixLike = true;
    c.grabbers = std::move(grabbers);
    return c;
}

TEST(TroubleExplanation, NamesThePortTheCauseItsCodeAndWhatToTry) {
    struct Case {
        const char* name;
        Trouble trouble;
        LanguageIndex language;
        std::string expected;
    };
    const Case cases[] = {
        {"not in the device's group",
         {TroubleCode::PortPermission, "COM34", "/dev/ttyUSB1", "Permission denied", -1,
          linuxPort("dialout", false, false)},
         LanguageIndex::English,
         "COM34 (/dev/ttyUSB1): permission denied [E-PORT-PERM]\r\n"
         "The system says: Permission denied\r\n"
         "What to try:\r\n"
         "- You are not in the group \"dialout\" that owns /dev/ttyUSB1. Add yourself with \"sudo usermod -aG "
         "dialout $USER\", then log out and back in."},
        {"added to the group but not logged in again; the group named is the device's own",
         {TroubleCode::PortPermission, "COM65", "/dev/ttyACM0", "", -1, linuxPort("uucp", true, false)},
         LanguageIndex::English,
         "COM65 (/dev/ttyACM0): permission denied [E-PORT-PERM]\r\n"
         "What to try:\r\n"
         "- You are in the group \"uucp\", but this login began before you were added: log out and back in."},
        {"a busy port with both grabbers running",
         {TroubleCode::PortBusy, "COM33", "/dev/ttyUSB0", "", -1,
          linuxPort("dialout", true, true, {"ModemManager", "brltty"})},
         LanguageIndex::English,
         "COM33 (/dev/ttyUSB0): the port is in use by another program [E-PORT-BUSY]\r\n"
         "What to try:\r\n"
         "- Close any other program that uses the port (another programming tool, a terminal program).\r\n"
         "- ModemManager is running and may take USB serial ports: stop it while programming (\"sudo systemctl "
         "stop ModemManager\").\r\n"
         "- brltty is running and may take USB serial ports: stop it while programming (\"sudo systemctl stop "
         "brltty brltty-udev\")."},
        {"a silent radio",
         {TroubleCode::RadioSilent, "COM99", "/dev/pts/4", "", -1, {}},
         LanguageIndex::English,
         "COM99 (/dev/pts/4): no reply to the handshake [E-RADIO-SILENT]\r\n"
         "What to try:\r\n"
         "- Check that the radio is switched on and the cable is fully seated at both ends.\r\n"
         "- Check that this is the cable's port: Find Radio in the port dialog, or \"mv52ctl find\"."},
        {"a port without a device, in Chinese",
         {TroubleCode::PortNone, "COM7", "", "", -1, {}},
         LanguageIndex::Chinese,
         "COM7: 此端口没有对应的设备 [E-PORT-NONE]\r\n"
         "可以尝试：\r\n"
         "- 在“设置 > 通信端口”中选择编程线所在的端口（“mv52ctl ports”可列出所有端口）。\r\n"
         "- 检查编程线是否已插好：USB 编程线插在另一个插口时端口名称会改变。"},
        {"damaged replies at a block",
         {TroubleCode::RadioChecksum, "COM3", "/dev/ttyS2", "", 16400, {}},
         LanguageIndex::English,
         "COM3 (/dev/ttyS2): a reply with a bad checksum [E-RADIO-CHECKSUM]\r\n"
         "What to try:\r\n"
         "- Replies arrive damaged: seat the plugs fully, keep the cable away from the antenna lead, try another "
         "USB socket or cable."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(troubleExplanation(c.trouble, c.language), c.expected);
    }
}

TEST(TroubleExplanation, ARefusedReplyIsDamagedOrForeignAndSilenceDependsOnTheStep) {
    LinkBytes block{'W', 0x40, 0x10, 16};
    for (int i = 0; i < 16; ++i) block.push_back(static_cast<std::uint8_t>(i));
    block.push_back(blockChecksum(block));
    block.push_back(kAck);
    LinkBytes damaged = block;
    damaged[20] = static_cast<std::uint8_t>(damaged[20] + 1);
    struct Case {
        std::optional<LinkBytes> refused;
        bool awaitingBlock;
        TroubleCode code;
    };
    const Case cases[] = {
        {std::nullopt, false, TroubleCode::RadioSilent},
        {std::nullopt, true, TroubleCode::RadioStopped},
        {damaged, true, TroubleCode::RadioChecksum},
        {block, true, TroubleCode::RadioGarbage},  // a sound block for another address
        {LinkBytes{'A', 'T', '\r'}, false, TroubleCode::RadioGarbage},
    };
    for (const Case& c : cases) EXPECT_EQ(troubleForReply(c.refused, c.awaitingBlock), c.code);
}

TEST(LinkTrouble, APortRefusedForPermissionSaysSoBelowTheMessage) {
    LinkBench b;
    FixedInspector inspector;
    inspector.circumstances = linuxPort("dialout", false, false, {"ModemManager"});
    b.session->setPortInspector(&inspector);
    b.link.failOpenWith = "Permission denied";
    b.link.failOpenAs = PortFailure::Permission;
    b.link.deviceName = "/dev/ttyUSB0";
    b.prompter.answers = {PromptAnswer::Ok};
    EXPECT_EQ(b.session->startRead(), LinkStartResult::PortFailed);
    ASSERT_EQ(b.prompter.asked.size(), 1u);
    EXPECT_EQ(b.prompter.asked[0].text, "Cannot Open Communication Port.");
    const std::string& detail = b.prompter.asked[0].detail;
    EXPECT_EQ(detail.substr(0, detail.find('\r')), "COM3 (/dev/ttyUSB0): permission denied [E-PORT-PERM]");
    EXPECT_NE(detail.find("\"sudo usermod -aG dialout $USER\""), std::string::npos) << detail;
    EXPECT_NE(detail.find("ModemManager is running"), std::string::npos) << detail;
    EXPECT_EQ(inspector.inspected, std::vector<std::string>{"/dev/ttyUSB0"});
    ASSERT_TRUE(b.session->lastTrouble());
    EXPECT_EQ(b.session->lastTrouble()->code, TroubleCode::PortPermission);
}

TEST(LinkTrouble, TheConnectionPromptSaysWhyTheRadioDidNotAnswer) {
    struct Case {
        const char* name;
        std::function<std::optional<LinkBytes>(const LinkBytes&, std::optional<LinkBytes>)> fault;
        std::string firstLine;
        MessageButtons buttons;
    };
    const Case cases[] = {
        {"silence after the handshake",
         [](const LinkBytes& sent, std::optional<LinkBytes> reply) -> std::optional<LinkBytes> {
             return sent == handshakeRequest().bytes ? std::nullopt : reply;
         },
         "COM3 (/dev/ttyUSB1): no reply to the handshake [E-RADIO-SILENT]", MessageButtons::RetryCancel},
        {"garbage for the handshake",
         [](const LinkBytes& sent, std::optional<LinkBytes> reply) -> std::optional<LinkBytes> {
             return sent == handshakeRequest().bytes ? std::optional<LinkBytes>(LinkBytes{'O', 'K', '\r'}) : reply;
         },
         "COM3 (/dev/ttyUSB1): a reply that is not the radio's [E-RADIO-GARBAGE]", MessageButtons::RetryCancel},
        {"a damaged block",
         [](const LinkBytes& sent, std::optional<LinkBytes> reply) -> std::optional<LinkBytes> {
             if (reply && sent == readRequest(16400).bytes) (*reply)[20] ^= 0x01;
             return reply;
         },
         "COM3 (/dev/ttyUSB1): a reply with a bad checksum [E-RADIO-CHECKSUM]", MessageButtons::OkCancel},
        {"a radio that stops answering",
         [](const LinkBytes& sent, std::optional<LinkBytes> reply) -> std::optional<LinkBytes> {
             return sent == readRequest(800).bytes ? std::nullopt : reply;
         },
         "COM3 (/dev/ttyUSB1): the radio stopped answering at address 800 [E-RADIO-STOPPED]",
         MessageButtons::OkCancel},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LinkBench b;
        b.link.deviceName = "/dev/ttyUSB1";
        b.radio.fault = c.fault;
        b.prompter.answers = {PromptAnswer::Ok, PromptAnswer::Cancel};
        b.session->startRead();
        b.run();
        ASSERT_EQ(b.prompter.asked.size(), 2u);
        EXPECT_EQ(b.prompter.asked[1].text, "Check Connection. Retry or Cancel?");
        EXPECT_EQ(b.prompter.asked[1].buttons, c.buttons);
        const std::string& detail = b.prompter.asked[1].detail;
        EXPECT_EQ(detail.substr(0, detail.find('\r')), c.firstLine);
        EXPECT_EQ(b.view.port, "COM3 (/dev/ttyUSB1)");
    }
}

TEST(LinkStop, AStoppedReadEndsTheRadiosProgrammingModeAndChangesNothing) {
    LinkBench b;
    b.ws->current.appendChannel(0, 3, 5, "27.105");
    const DocumentHeader header = b.ws->current.header;
    const ChannelRecord channel = b.ws->current.channels.slot(0, 3, 1);
    b.prompter.answers = {PromptAnswer::Ok};
    b.session->startRead();
    b.runUntilSent(readRequest(4000).bytes);
    b.session->stop();
    EXPECT_EQ(b.link.written.back().bytes, endRequest().bytes) << "the radio leaves its programming mode";
    EXPECT_EQ(b.log.lines.back().text, "45 4E 44");
    EXPECT_TRUE(b.session->stoppedByUser());
    EXPECT_FALSE(b.session->lastSucceeded());
    EXPECT_TRUE(b.ws->current.header == header);
    EXPECT_TRUE(b.ws->current.channels.slot(0, 3, 1) == channel);
    EXPECT_TRUE(b.hooks.events.empty()) << "nothing decoded";
    EXPECT_EQ(b.prompter.asked.size(), 1u) << "no further box";
    EXPECT_FALSE(b.session->running());
    EXPECT_FALSE(b.link.isOpen());
    EXPECT_FALSE(b.timer.active());
}

TEST(LinkStop, AStoppedWriteKnowsHowManyBlocksTheRadioHolds) {
    LinkBench b;
    std::fill(b.radio.memory.begin(), b.radio.memory.end(), std::uint8_t{0xA5});
    b.prompter.answers = {PromptAnswer::Ok};
    b.session->startWrite();
    b.runUntilSent(dataFrame(b.ws->image, 8000).bytes);
    b.link.inbox.clear();  // the frame at 8000 is out, not yet acknowledged
    b.session->stop();
    EXPECT_EQ(b.link.written.back().bytes, endRequest().bytes);
    EXPECT_EQ(b.session->blocksWritten(), 500);
    EXPECT_TRUE(std::equal(b.radio.memory.begin(), b.radio.memory.begin() + 8000, b.ws->image.bytes().begin()));
    EXPECT_TRUE(std::all_of(b.radio.memory.begin() + 8016, b.radio.memory.end(), [](std::uint8_t v) { return v == 0xA5; }));
    EXPECT_TRUE(b.session->stoppedByUser());
    EXPECT_FALSE(b.session->running());

    // A stop before the radio has answered the handshake sends nothing more.
    LinkBench early;
    early.view.loadAtOnce = false;
    early.prompter.answers = {PromptAnswer::Ok};
    early.session->startRead();
    early.view.pendingLoad();
    early.link.inbox.clear();
    early.session->stop();
    EXPECT_EQ(early.link.framesWritten(), std::vector<LinkBytes>{handshakeRequest().bytes});
    EXPECT_TRUE(early.session->stoppedByUser());
}

}  // namespace
}  // namespace mv52
