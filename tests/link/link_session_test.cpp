#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <numeric>
#include <sstream>
#include <string>
#include <vector>

#include "storage/codec.h"
#include "support/fakes.h"
#include "support/temp_dir.h"
#include "system/daily_log.h"
#include "link/fakes.h"
#include "link/read_back.h"

namespace mv52 {
namespace {

using linktest::bytesOf;
using linktest::LinkBench;
using linktest::ScriptedPrompter;

constexpr const char* kConfirmRead = "Read data from radio.\r\nDo you wish continue?";
constexpr const char* kConfirmWrite = "Write data to radio.\r\nDo you wish continue?";
constexpr const char* kCheckConnection = "Check Connection. Retry or Cancel?";
constexpr const char* kReadCompleted = "Read Data Completed.";
constexpr const char* kWriteCompleted = "Write Data Completed.";

std::vector<int> oneTo(int last) {
    std::vector<int> v(static_cast<std::size_t>(last));
    std::iota(v.begin(), v.end(), 1);
    return v;
}

std::vector<int> concat(std::vector<int> a, const std::vector<int>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// The frames of an undisturbed transfer after the handshake and identification.
std::vector<LinkBytes> blockFrames(const RadioImage* image) {
    std::vector<LinkBytes> frames;
    for (int a = 0; a < 23744; a += 16) {
        const auto address = static_cast<std::uint16_t>(a);
        frames.push_back(image ? dataFrame(*image, address).bytes : readRequest(address).bytes);
    }
    return frames;
}

std::vector<LinkBytes> wholeExchange(const RadioImage* image) {
    std::vector<LinkBytes> frames{handshakeRequest().bytes, identificationRequest().bytes};
    const std::vector<LinkBytes> blocks = blockFrames(image);
    frames.insert(frames.end(), blocks.begin(), blocks.end());
    frames.push_back(endRequest().bytes);
    return frames;
}

// A radio holding a configuration that differs from the program's start-up document.
void loadRadioWithDocument(LinkBench& b) {
    auto source = Workspace::create();
    buildStartupDocument(*source, "20261210", "/nonexistent");
    source->current.appendChannel(0, 16, 99, "28.2");
    source->current.appendChannel(1, 13, 1, "29.1");
    source->image.preTransferFill();
    encodeDocument(*source);
    std::copy_n(source->image.bytes().begin(), RadioImage::kTransferSize, b.radio.memory.begin());
}

void loadRadioWithPattern(LinkBench& b) {
    for (std::size_t i = 0; i < b.radio.memory.size(); ++i)
        b.radio.memory[i] = static_cast<std::uint8_t>((i * 31 + i / 256 + 7) & 0xFF);
}

bool imageMatchesRadio(const LinkBench& b) {
    return std::equal(b.radio.memory.begin(), b.radio.memory.end(), b.ws->image.bytes().begin());
}

// The reply to `frame` is swallowed the first `times` times the frame is sent.
void dropReplies(LinkBench& b, LinkBytes frame, int times) {
    auto left = std::make_shared<int>(times);
    b.radio.fault = [frame, left](const LinkBytes& sent, std::optional<LinkBytes> reply) -> std::optional<LinkBytes> {
        if (sent == frame && *left > 0) {
            --*left;
            return std::nullopt;
        }
        return reply;
    };
}

int countFrames(const LinkBench& b, const LinkBytes& frame) {
    const std::vector<LinkBytes> frames = b.link.framesWritten();
    return static_cast<int>(std::count(frames.begin(), frames.end(), frame));
}

void expectIdle(const LinkBench& b) {
    EXPECT_FALSE(b.session->running());
    EXPECT_EQ(b.ws->commOperation, CommOperation::None);
    EXPECT_EQ(b.session->readStep(), 0);
    EXPECT_EQ(b.session->writeStep(), 0);
    EXPECT_FALSE(b.link.isOpen());
    EXPECT_FALSE(b.timer.active());
    EXPECT_TRUE(b.pending.empty());
}

TEST(LinkRead, WholeReadFromAnAnsweringRadio) {
    LinkBench b;
    loadRadioWithDocument(b);
    b.ws->fileName = "mine.dat";
    b.ws->untitled = false;
    ASSERT_EQ(b.ws->current.findChannel(0, 16, 99), 0);
    // The state each message box finds: progress view, port, reply timer.
    std::vector<std::vector<bool>> stateAtPrompt;
    b.prompter.whileOpen = [&](const ScriptedPrompter::Asked&) {
        stateAtPrompt.push_back({b.view.visible(), b.link.isOpen(), b.timer.active()});
    };
    b.prompter.answers = {PromptAnswer::Ok, PromptAnswer::Ok};

    EXPECT_EQ(b.session->startRead(), LinkStartResult::Started);
    EXPECT_EQ(b.session->readStep(), 1);
    EXPECT_EQ(b.session->writeStep(), 0);
    b.run();

    EXPECT_EQ(b.link.framesWritten(), wholeExchange(nullptr));
    EXPECT_EQ(b.link.openedPorts, std::vector<std::uint16_t>{3});
    for (std::size_t i = 0; i < b.link.written.size(); ++i) {
        const auto& w = b.link.written[i];
        const std::size_t expectedReply = i == 0 ? 3 : i == 1 ? 16 : i + 1 == b.link.written.size() ? 1 : 22;
        ASSERT_EQ(w.threshold, expectedReply) << i;
        ASSERT_EQ(w.clearsBefore, static_cast<int>(i) + 1) << i;
        ASSERT_TRUE(w.armed) << i;
    }
    EXPECT_EQ(b.timer.intervals.size(), b.link.written.size());
    for (auto interval : b.timer.intervals) ASSERT_EQ(interval, std::chrono::milliseconds(300));

    EXPECT_TRUE(imageMatchesRadio(b));
    EXPECT_EQ(b.view.opened, std::vector<CommOperation>{CommOperation::Read});
    EXPECT_EQ(b.view.values, oneTo(100));
    EXPECT_EQ(b.view.label, "100%");
    EXPECT_EQ(b.view.closes, 1);

    ASSERT_EQ(b.prompter.texts(), (std::vector<std::string>{kConfirmRead, kReadCompleted}));
    EXPECT_EQ(b.prompter.asked[0].buttons, MessageButtons::OkCancel);
    EXPECT_EQ(b.prompter.asked[0].icon, MessageIcon::Question);
    EXPECT_EQ(b.prompter.asked[1].buttons, MessageButtons::Ok);
    EXPECT_EQ(b.prompter.asked[1].icon, MessageIcon::None);
    EXPECT_EQ(stateAtPrompt[1], (std::vector<bool>{false, false, false}));

    EXPECT_EQ(b.hooks.events, (std::vector<std::string>{"beforeReadDecode", "afterRead"}));
    EXPECT_EQ(b.ws->fileName, "new.dat");
    EXPECT_TRUE(b.ws->untitled);
    EXPECT_TRUE(b.session->lastSucceeded());
    EXPECT_EQ(b.session->radioModel(), "LB2424P");
    expectIdle(b);

    // The document is the decode of what the radio holds.
    auto reference = Workspace::create();
    buildStartupDocument(*reference, "20261210", "/nonexistent");
    reference->image = b.ws->image;
    decodeImage(*reference);
    EXPECT_NE(b.ws->current.findChannel(0, 16, 99), 0);
    EXPECT_NE(b.ws->current.findChannel(1, 13, 1), 0);
    EXPECT_TRUE(b.ws->current.header == reference->current.header);
    forEachGroup([&](int m, int g) {
        for (int p = 1; p <= 99; ++p)
            ASSERT_TRUE(b.ws->current.channels.slot(m, g, p) == reference->current.channels.slot(m, g, p))
                << m << "/" << g << "/" << p;
    });
}

TEST(LinkRead, OneMissedHandshakeIsResentSilently) {
    LinkBench b;
    dropReplies(b, handshakeRequest().bytes, 1);
    b.prompter.answers = {PromptAnswer::Ok, PromptAnswer::Ok};
    b.session->startRead();
    b.run();
    const std::vector<LinkBytes> frames = b.link.framesWritten();
    ASSERT_GE(frames.size(), 3u);
    EXPECT_EQ(frames[0], handshakeRequest().bytes);
    EXPECT_EQ(frames[1], handshakeRequest().bytes);
    EXPECT_EQ(frames[2], identificationRequest().bytes);
    EXPECT_EQ(b.prompter.texts(), (std::vector<std::string>{kConfirmRead, kReadCompleted}));
    EXPECT_TRUE(b.session->lastSucceeded());
}

TEST(LinkRead, TwoMissedHandshakesAskToRetryAndRetrySendsItAgain) {
    LinkBench b;
    dropReplies(b, handshakeRequest().bytes, 2);
    b.prompter.answers = {PromptAnswer::Ok, PromptAnswer::Retry, PromptAnswer::Ok};
    b.session->startRead();
    b.run();
    ASSERT_EQ(b.prompter.texts(), (std::vector<std::string>{kConfirmRead, kCheckConnection, kReadCompleted}));
    EXPECT_EQ(b.prompter.asked[1].buttons, MessageButtons::RetryCancel);
    EXPECT_EQ(b.prompter.asked[1].icon, MessageIcon::None);
    const std::vector<LinkBytes> frames = b.link.framesWritten();
    ASSERT_GE(frames.size(), 4u);
    EXPECT_EQ(std::vector<LinkBytes>(frames.begin(), frames.begin() + 4),
              (std::vector<LinkBytes>{handshakeRequest().bytes, handshakeRequest().bytes, handshakeRequest().bytes,
                                      identificationRequest().bytes}));
    EXPECT_TRUE(b.session->lastSucceeded());
}

TEST(LinkRead, CancelAtTheRetryPromptEndsWithoutDecoding) {
    LinkBench b;
    loadRadioWithDocument(b);
    b.ws->fileName = "mine.dat";
    b.ws->untitled = false;
    dropReplies(b, handshakeRequest().bytes, 2);
    b.prompter.answers = {PromptAnswer::Ok, PromptAnswer::Cancel};
    b.session->startRead();
    b.run();
    EXPECT_EQ(b.link.framesWritten(), (std::vector<LinkBytes>{handshakeRequest().bytes, handshakeRequest().bytes}));
    EXPECT_EQ(b.prompter.texts(), (std::vector<std::string>{kConfirmRead, kCheckConnection}));
    EXPECT_TRUE(b.hooks.events.empty());
    EXPECT_EQ(b.ws->fileName, "mine.dat");
    EXPECT_FALSE(b.ws->untitled);
    EXPECT_EQ(b.ws->current.findChannel(0, 16, 99), 0);
    EXPECT_EQ(b.view.closes, 1);
    EXPECT_FALSE(b.session->lastSucceeded());
    expectIdle(b);
}

TEST(LinkRead, BadChecksumAt16400AsksAndOkRestartsFromAddressZero) {
    LinkBench b;
    loadRadioWithPattern(b);
    auto corrupted = std::make_shared<bool>(false);
    b.radio.fault = [corrupted](const LinkBytes& sent, std::optional<LinkBytes> reply) -> std::optional<LinkBytes> {
        if (sent == readRequest(16400).bytes && !*corrupted) {
            *corrupted = true;
            (*reply)[20] = static_cast<std::uint8_t>((*reply)[20] + 1);
        }
        return reply;
    };
    std::vector<std::uint8_t> blockAtPrompt;
    int addressAtPrompt = 0;
    b.prompter.whileOpen = [&](const ScriptedPrompter::Asked& asked) {
        if (asked.text != kCheckConnection) return;
        addressAtPrompt = b.session->currentAddress();
        for (std::uint32_t i = 16400; i < 16416; ++i) blockAtPrompt.push_back(b.ws->image.at(i));
    };
    b.prompter.answers = {PromptAnswer::Ok, PromptAnswer::Ok, PromptAnswer::Ok};
    b.session->startRead();
    b.run();

    ASSERT_EQ(b.prompter.texts(), (std::vector<std::string>{kConfirmRead, kCheckConnection, kReadCompleted}));
    EXPECT_EQ(b.prompter.asked[1].buttons, MessageButtons::OkCancel);
    EXPECT_EQ(b.prompter.asked[1].icon, MessageIcon::Question);
    EXPECT_EQ(addressAtPrompt, 16400);
    EXPECT_EQ(blockAtPrompt, std::vector<std::uint8_t>(16, 0xFF));  // the rejected block was not stored

    // Blocks 0..16400, then the whole exchange again.
    std::vector<LinkBytes> expected{handshakeRequest().bytes, identificationRequest().bytes};
    const std::vector<LinkBytes> blocks = blockFrames(nullptr);
    expected.insert(expected.end(), blocks.begin(), blocks.begin() + 16400 / 16 + 1);
    const std::vector<LinkBytes> again = wholeExchange(nullptr);
    expected.insert(expected.end(), again.begin(), again.end());
    EXPECT_EQ(b.link.framesWritten(), expected);

    // 16384 is the last block stored before the prompt: 69.0%. The prompt's OK resets to 0.
    EXPECT_EQ(b.view.values, concat(concat(oneTo(69), {0}), oneTo(100)));
    EXPECT_TRUE(imageMatchesRadio(b));
    EXPECT_TRUE(b.session->lastSucceeded());
}

TEST(LinkRead, CancelAtTheBlockPromptKeepsTheBlocksReadAndTheDocument) {
    LinkBench b;
    loadRadioWithPattern(b);
    b.ws->fileName = "mine.dat";
    dropReplies(b, readRequest(160).bytes, 1);
    b.prompter.answers = {PromptAnswer::Ok, PromptAnswer::Cancel};
    b.session->startRead();
    b.run();
    EXPECT_EQ(b.prompter.texts(), (std::vector<std::string>{kConfirmRead, kCheckConnection}));
    EXPECT_TRUE(std::equal(b.radio.memory.begin(), b.radio.memory.begin() + 160, b.ws->image.bytes().begin()));
    EXPECT_EQ(b.ws->image.at(160), 0xFF);
    EXPECT_TRUE(b.hooks.events.empty());
    EXPECT_EQ(b.ws->fileName, "mine.dat");
    expectIdle(b);
}

TEST(LinkRead, WrongModelSendsTheEndRequestThenReportsOnce) {
    struct Case {
        LanguageIndex language;
        const char* radioModel;
        bool endAcknowledged;
        const char* message;
    };
    const Case cases[] = {
        {LanguageIndex::English, "LB2424Q", true, "Model type is wrong."},
        {LanguageIndex::English, "LB2424", false, "Model type is wrong."},
        {LanguageIndex::Chinese, "LB2424Q", true, "机型类型错误。"},
    };
    for (const Case& c : cases) {
        LinkBench b;
        b.language = c.language;
        b.radio.model = c.radioModel;
        if (!c.endAcknowledged) dropReplies(b, endRequest().bytes, 1);
        std::vector<bool> stateAtMessage;
        b.prompter.whileOpen = [&](const ScriptedPrompter::Asked& asked) {
            if (asked.text == c.message) stateAtMessage = {b.view.visible(), b.link.isOpen()};
        };
        b.prompter.answers = {PromptAnswer::Ok, PromptAnswer::Ok};
        b.session->startRead();
        b.run();
        EXPECT_EQ(b.link.framesWritten(),
                  (std::vector<LinkBytes>{handshakeRequest().bytes, identificationRequest().bytes, endRequest().bytes}))
            << c.radioModel;
        ASSERT_EQ(b.prompter.asked.size(), 2u) << c.radioModel;
        EXPECT_EQ(b.prompter.asked[1].text, c.message);
        EXPECT_EQ(b.prompter.asked[1].buttons, MessageButtons::Ok);
        EXPECT_EQ(stateAtMessage, (std::vector<bool>{false, false})) << "shown after the session ended";
        EXPECT_TRUE(b.hooks.events.empty());
        RadioImage filled;
        filled.preTransferFill();
        EXPECT_TRUE(b.ws->image == filled) << "nothing read";
        EXPECT_FALSE(b.session->lastSucceeded());
        expectIdle(b);
    }
}

TEST(LinkRead, IncompatibleFirmwareAsksForTheOtherVersion) {
    struct Case {
        std::vector<VersionPair> pairs;
        PromptAnswer answer;
        bool asked;
        std::vector<std::string> hookEvents;
        bool succeeded;
    };
    const Case cases[] = {
        {{{"V200", "V200"}}, PromptAnswer::Yes, true, {"handOver V201"}, false},
        {{{"V200", "V200"}}, PromptAnswer::No, true, {}, false},
        {{{"V200", "V200"}, {"V200", "V201"}}, PromptAnswer::Ok, false, {"beforeReadDecode", "afterRead"}, true},
    };
    for (const Case& c : cases) {
        LinkBench b;
        b.versions.pairs = c.pairs;
        b.radio.firmware = "V201";
        // The question's answer, or the completion's OK when no question comes.
        b.prompter.answers = {PromptAnswer::Ok, c.answer};
        b.session->startRead();
        b.run();
        EXPECT_EQ(b.ws->firmwareVersion, "V201");
        EXPECT_EQ(b.hooks.events, c.hookEvents);
        EXPECT_EQ(b.session->lastSucceeded(), c.succeeded);
        expectIdle(b);
        if (!c.asked) continue;
        const std::string question =
            composeVersionQuestion("V200", "V201", VersionKind::Firmware, LanguageIndex::English);
        EXPECT_NE(question.find("V2.01"), std::string::npos);
        EXPECT_EQ(b.prompter.texts(), (std::vector<std::string>{kConfirmRead, question}));
        EXPECT_EQ(b.prompter.asked[1].buttons, MessageButtons::YesNo);
        EXPECT_EQ(b.link.framesWritten(),
                  (std::vector<LinkBytes>{handshakeRequest().bytes, identificationRequest().bytes, endRequest().bytes}));
    }
}

TEST(LinkRead, MissingAcknowledgementOfTheFinalEndStillCompletes) {
    LinkBench b;
    loadRadioWithPattern(b);
    dropReplies(b, endRequest().bytes, 1);
    b.prompter.answers = {PromptAnswer::Ok, PromptAnswer::Ok};
    b.session->startRead();
    b.runUntilSent(endRequest().bytes);
    ASSERT_EQ(b.session->readStep(), 69);
    ASSERT_TRUE(b.timer.active());
    b.timer.fire();
    EXPECT_EQ(b.prompter.count(kReadCompleted), 1);
    EXPECT_TRUE(b.session->lastSucceeded());
    EXPECT_EQ(b.hooks.events, (std::vector<std::string>{"beforeReadDecode", "afterRead"}));
    expectIdle(b);
}

TEST(LinkRead, HiddenProgressViewIsNotUpdated) {
    LinkBench b;
    b.prompter.answers = {PromptAnswer::Ok, PromptAnswer::Ok};
    b.session->startRead();
    b.runUntilSent(readRequest(4000).bytes);
    const std::vector<int> shown = b.view.values;
    ASSERT_FALSE(shown.empty());
    b.view.hide();
    b.run();
    EXPECT_EQ(b.view.values, shown);
    EXPECT_TRUE(b.session->lastSucceeded());
}

TEST(LinkRead, AnyAcceptedReplyAdvancesWhateverWasAsked) {
    LinkBench b;
    b.link.onWrite = nullptr;  // the test answers by hand
    b.prompter.answers = {PromptAnswer::Ok};
    b.session->startRead();
    b.link.deliver({0x06});  // an acknowledgement answers the handshake
    EXPECT_EQ(b.link.written.back().bytes, identificationRequest().bytes);
    LinkBytes id(16, 0);
    id[0] = 'I';
    for (std::size_t i = 0; i < 7; ++i) id[1 + i] = static_cast<std::uint8_t>("LB2424P"[i]);
    for (std::size_t i = 0; i < 4; ++i) id[9 + i] = static_cast<std::uint8_t>("V200"[i]);
    b.link.deliver(id);
    EXPECT_EQ(b.link.written.back().bytes, readRequest(0).bytes);
    b.link.deliver({0x4C, 0x42, 0x06});  // advances past block 0 without storing it
    EXPECT_EQ(b.link.written.back().bytes, readRequest(16).bytes);
    EXPECT_EQ(b.ws->image.at(0), 0xFF);
    b.session->cancel();
}

TEST(LinkRead, RejectedRepliesAreDroppedAndTheWaitGoesOn) {
    LinkBench b;
    loadRadioWithPattern(b);
    b.link.onWrite = nullptr;
    b.prompter.answers = {PromptAnswer::Ok};
    b.session->startRead();
    b.link.deliver({0x4C, 0x42, 0x06});
    LinkBytes id(16, 0);
    id[0] = 'I';
    for (std::size_t i = 0; i < 7; ++i) id[1 + i] = static_cast<std::uint8_t>("LB2424P"[i]);
    for (std::size_t i = 0; i < 4; ++i) id[9 + i] = static_cast<std::uint8_t>("V200"[i]);
    b.link.deliver(id);
    ASSERT_EQ(b.session->readStep(), 5);
    ASSERT_EQ(b.session->currentAddress(), 0);

    const LinkBytes good = *b.radio.answer(readRequest(0).bytes);
    LinkBytes badSum = good;
    badSum[20] = static_cast<std::uint8_t>(badSum[20] + 1);
    LinkBytes otherAddress = *b.radio.answer(readRequest(16).bytes);
    LinkBytes badTrailer = good;
    badTrailer[21] = 0x00;
    const std::vector<LinkBytes> rejected{badSum, otherAddress, badTrailer, {0x4C, 0x42}, {}, bytesOf("END")};
    const std::size_t framesBefore = b.link.written.size();
    for (const LinkBytes& reply : rejected) {
        b.link.deliver(reply);
        EXPECT_EQ(b.link.written.size(), framesBefore) << hexText(reply);
        EXPECT_EQ(b.session->readStep(), 5);
        EXPECT_TRUE(b.timer.active());
        EXPECT_EQ(b.ws->image.at(0), 0xFF);
    }
    EXPECT_EQ(b.prompter.asked.size(), 1u) << "no message for a rejected reply";
    b.link.deliver(good);
    EXPECT_EQ(b.link.written.back().bytes, readRequest(16).bytes);
    EXPECT_EQ(b.ws->image.at(0), b.radio.memory[0]);
    b.session->cancel();
}

TEST(LinkSession, IdentificationTimeOutWaitsForTheResentRequest) {
    for (CommOperation op : {CommOperation::Read, CommOperation::Write}) {
        LinkBench b;
        dropReplies(b, identificationRequest().bytes, 1);
        b.prompter.answers = {PromptAnswer::Ok, PromptAnswer::Ok};
        op == CommOperation::Read ? b.session->startRead() : b.session->startWrite();
        b.run();
        const std::vector<LinkBytes> frames = b.link.framesWritten();
        ASSERT_GE(frames.size(), 4u);
        EXPECT_EQ(frames[1], identificationRequest().bytes);
        EXPECT_EQ(frames[2], identificationRequest().bytes);
        EXPECT_EQ(frames[3], op == CommOperation::Read ? readRequest(0).bytes : dataFrame(b.ws->image, 0).bytes);
        EXPECT_EQ(b.prompter.asked.size(), 2u) << "no prompt";
        EXPECT_TRUE(b.session->lastSucceeded());
    }
}

TEST(LinkSession, TwoIdentificationTimeOutsAskToRetry) {
    for (CommOperation op : {CommOperation::Read, CommOperation::Write}) {
        LinkBench b;
        dropReplies(b, identificationRequest().bytes, 2);
        b.prompter.answers = {PromptAnswer::Ok, PromptAnswer::Retry, PromptAnswer::Ok};
        op == CommOperation::Read ? b.session->startRead() : b.session->startWrite();
        b.run();
        const std::vector<LinkBytes> frames = b.link.framesWritten();
        ASSERT_GE(frames.size(), 5u);
        EXPECT_EQ(std::vector<LinkBytes>(frames.begin(), frames.begin() + 5),
                  (std::vector<LinkBytes>{handshakeRequest().bytes, identificationRequest().bytes,
                                          identificationRequest().bytes, handshakeRequest().bytes,
                                          identificationRequest().bytes}));
        EXPECT_EQ(b.prompter.count(kCheckConnection), 1);
        EXPECT_EQ(b.prompter.asked[1].buttons, MessageButtons::RetryCancel);
        EXPECT_EQ(countFrames(b, endRequest().bytes), 1);
        EXPECT_TRUE(b.session->lastSucceeded());
    }
}

TEST(LinkSession, CancelAtTheConfirmationLeavesEverythingAsItWas) {
    for (CommOperation op : {CommOperation::Read, CommOperation::Write}) {
        LinkBench b;
        for (std::uint32_t i = 0; i < RadioImage::kSize; ++i) b.ws->image.set(i, 0x33);
        const RadioImage before = b.ws->image;
        b.prompter.answers = {PromptAnswer::Cancel};
        const LinkStartResult result =
            op == CommOperation::Read ? b.session->startRead() : b.session->startWrite();
        EXPECT_EQ(result, LinkStartResult::Cancelled);
        ASSERT_EQ(b.prompter.asked.size(), 1u);
        EXPECT_EQ(b.prompter.asked[0].text, op == CommOperation::Read ? kConfirmRead : kConfirmWrite);
        EXPECT_EQ(b.link.openedPorts, std::vector<std::uint16_t>{3});
        EXPECT_GE(b.link.closes, 1);
        EXPECT_TRUE(b.link.written.empty());
        EXPECT_TRUE(b.ws->image == before) << "neither filled nor encoded";
        EXPECT_TRUE(b.view.opened.empty());
        expectIdle(b);
    }
}

TEST(LinkSession, ConfirmationAndCompletionTextsInBothLanguages) {
    struct Case {
        CommOperation op;
        LanguageIndex language;
        const char* confirm;
        const char* completed;
    };
    const Case cases[] = {
        {CommOperation::Read, LanguageIndex::English, kConfirmRead, kReadCompleted},
        {CommOperation::Read, LanguageIndex::Chinese, "从对讲机读取数据。\r\n是否继续？", "读取数据完成。"},
        {CommOperation::Write, LanguageIndex::English, kConfirmWrite, kWriteCompleted},
        {CommOperation::Write, LanguageIndex::Chinese, "向对讲机写入数据。\r\n是否继续？", "写入数据完成。"},
    };
    for (const Case& c : cases) {
        LinkBench b;
        b.language = c.language;
        b.prompter.answers = {PromptAnswer::Ok, PromptAnswer::Ok};
        c.op == CommOperation::Read ? b.session->startRead() : b.session->startWrite();
        b.run();
        EXPECT_EQ(b.prompter.texts(), (std::vector<std::string>{c.confirm, c.completed}));
        EXPECT_EQ(b.view.opened, std::vector<CommOperation>{c.op});
    }
}

TEST(LinkSession, PortThatCannotBeOpened) {
    for (CommOperation op : {CommOperation::Read, CommOperation::Write}) {
        LinkBench b;
        b.link.failOpenWith = "Permission denied";
        b.prompter.answers = {PromptAnswer::Ok};
        const LinkStartResult result =
            op == CommOperation::Read ? b.session->startRead() : b.session->startWrite();
        EXPECT_EQ(result, LinkStartResult::PortFailed);
        ASSERT_EQ(b.prompter.asked.size(), 1u);
        EXPECT_EQ(b.prompter.asked[0].text, "Cannot Open Communication Port.");
        EXPECT_EQ(b.prompter.asked[0].buttons, MessageButtons::Ok);
        EXPECT_EQ(b.prompter.asked[0].icon, MessageIcon::Error);
        EXPECT_EQ(b.session->openFailureReason(), "Permission denied");
        EXPECT_TRUE(b.link.written.empty());
        EXPECT_TRUE(b.view.opened.empty());
        expectIdle(b);
    }
}

TEST(LinkSession, PortErrorDuringABlockEndsTheWaitLikeATimeOut) {
    LinkBench b;
    loadRadioWithPattern(b);
    int promptsDuringBlockPrompt = 0;
    b.prompter.whileOpen = [&](const ScriptedPrompter::Asked& asked) {
        if (asked.text != kCheckConnection) return;
        // A second error while the box is open must not stack another prompt.
        const std::size_t before = b.prompter.asked.size();
        b.link.failPort("device vanished again");
        promptsDuringBlockPrompt = static_cast<int>(b.prompter.asked.size() - before);
    };
    b.prompter.answers = {PromptAnswer::Ok, PromptAnswer::Ok, PromptAnswer::Ok};
    b.session->startRead();
    b.runUntilSent(readRequest(8000).bytes);
    b.link.inbox.clear();  // the device vanished before it answered
    b.link.failPort("device vanished");
    ASSERT_EQ(b.prompter.texts(), (std::vector<std::string>{kConfirmRead, kCheckConnection}));
    EXPECT_EQ(b.prompter.asked[1].buttons, MessageButtons::OkCancel);
    EXPECT_EQ(promptsDuringBlockPrompt, 0);
    EXPECT_EQ(b.session->lastPortError(), "device vanished again");
    // OK restarted the read at the handshake.
    EXPECT_EQ(b.link.written.back().bytes, handshakeRequest().bytes);
    b.run();
    EXPECT_TRUE(b.session->lastSucceeded());
    EXPECT_TRUE(imageMatchesRadio(b));
}

TEST(LinkSession, PortErrorDuringTheHandshakeIsResentOnceThenAsks) {
    LinkBench b;
    b.link.onWrite = nullptr;
    b.prompter.answers = {PromptAnswer::Ok, PromptAnswer::Cancel};
    b.session->startRead();
    b.link.failPort("input/output error");
    EXPECT_EQ(b.link.framesWritten(), (std::vector<LinkBytes>{handshakeRequest().bytes, handshakeRequest().bytes}));
    EXPECT_EQ(b.prompter.asked.size(), 1u);
    b.link.failPort("input/output error");
    EXPECT_EQ(b.prompter.texts(), (std::vector<std::string>{kConfirmRead, kCheckConnection}));
    expectIdle(b);
    b.link.failPort("after the end");  // nothing is waiting: ignored
    EXPECT_EQ(b.prompter.asked.size(), 2u);
}

TEST(LinkSession, ReplyArrivingWhilePromptIsOpenIsIgnored) {
    LinkBench b;
    loadRadioWithPattern(b);
    dropReplies(b, readRequest(320).bytes, 1);
    b.prompter.whileOpen = [&](const ScriptedPrompter::Asked& asked) {
        if (asked.text != kCheckConnection) return;
        EXPECT_FALSE(b.timer.active());
        b.link.deliver(*b.radio.answer(readRequest(320).bytes));  // the late reply
    };
    b.prompter.answers = {PromptAnswer::Ok, PromptAnswer::Cancel};
    b.session->startRead();
    b.run();
    EXPECT_EQ(b.prompter.texts(), (std::vector<std::string>{kConfirmRead, kCheckConnection}));
    EXPECT_EQ(b.ws->image.at(320), 0xFF) << "not stored";
    EXPECT_EQ(b.link.written.back().bytes, readRequest(320).bytes) << "nothing sent after it";
    // Logged all the same.
    EXPECT_EQ(b.log.lines.back().title, kLogTitleReceived);
    expectIdle(b);
}

TEST(LinkSession, CancelEndsARunningTransferWithoutCompletion) {
    LinkBench b;
    b.prompter.answers = {PromptAnswer::Ok};
    b.session->startRead();
    b.runUntilSent(readRequest(800).bytes);
    const std::size_t frames = b.link.written.size();
    b.session->cancel();
    EXPECT_EQ(b.view.closes, 1);
    EXPECT_TRUE(b.hooks.events.empty());
    EXPECT_FALSE(b.session->lastSucceeded());
    expectIdle(b);
    ASSERT_TRUE(b.link.hasReply());
    b.link.deliverNext();  // the radio's answer comes in after the end
    EXPECT_EQ(b.link.written.size(), frames);
    EXPECT_EQ(b.prompter.asked.size(), 1u);
    b.session->cancel();  // nothing running: nothing happens
    EXPECT_EQ(b.view.closes, 1);
}

TEST(LinkSession, CancelWhileAPromptIsOpenStopsWhatTheAnswerWouldDo) {
    LinkBench b;
    dropReplies(b, handshakeRequest().bytes, 2);
    b.prompter.whileOpen = [&](const ScriptedPrompter::Asked& asked) {
        if (asked.text == kCheckConnection) b.session->cancel();
    };
    b.prompter.answers = {PromptAnswer::Ok, PromptAnswer::Retry};
    b.session->startRead();
    b.run();
    EXPECT_EQ(countFrames(b, handshakeRequest().bytes), 2) << "Retry came after the cancel";
    expectIdle(b);
}

TEST(LinkSession, CancelDuringTheConfirmationStartsNothing) {
    LinkBench b;
    for (std::uint32_t i = 0; i < RadioImage::kSize; ++i) b.ws->image.set(i, 0x33);
    b.prompter.whileOpen = [&](const ScriptedPrompter::Asked&) { b.session->cancel(); };
    b.prompter.answers = {PromptAnswer::Ok};
    EXPECT_EQ(b.session->startWrite(), LinkStartResult::Cancelled);
    EXPECT_EQ(b.ws->image.at(0), 0x33);
    EXPECT_TRUE(b.view.opened.empty());
    EXPECT_TRUE(b.link.written.empty());
    expectIdle(b);
}

TEST(LinkSession, BlockPromptOkClearsTheTimeOutCounts) {
    // One handshake is missed before the block fails and one after the restart: with the
    // counts cleared by the prompt's OK, the second miss is resent silently as well.
    LinkBench b;
    auto handshakes = std::make_shared<int>(0);
    auto blockDropped = std::make_shared<bool>(false);
    b.radio.fault = [handshakes, blockDropped](const LinkBytes& sent,
                                               std::optional<LinkBytes> reply) -> std::optional<LinkBytes> {
        if (sent == handshakeRequest().bytes && (++*handshakes == 1 || *handshakes == 3)) return std::nullopt;
        if (sent == readRequest(480).bytes && !*blockDropped) {
            *blockDropped = true;
            return std::nullopt;
        }
        return reply;
    };
    b.prompter.answers = {PromptAnswer::Ok, PromptAnswer::Ok, PromptAnswer::Ok};
    b.session->startRead();
    b.run();
    EXPECT_EQ(*handshakes, 4);
    EXPECT_EQ(b.prompter.texts(), (std::vector<std::string>{kConfirmRead, kCheckConnection, kReadCompleted}));
    EXPECT_EQ(b.prompter.asked[1].buttons, MessageButtons::OkCancel) << "the block prompt, no retry prompt";
    EXPECT_TRUE(b.session->lastSucceeded());
}

TEST(LinkSession, DataReplyPastTheLastBlockIsDropped) {
    LinkBench b;
    b.prompter.answers = {PromptAnswer::Ok, PromptAnswer::Ok};
    b.session->startRead();
    b.runUntilSent(endRequest().bytes);
    ASSERT_EQ(b.session->currentAddress(), 23744);
    // A well-formed block for the address just past the transferred range.
    LinkBytes past{0x57, 0x5C, 0xC0, 0x10};
    past.insert(past.end(), 16, 0x11);
    past.push_back(blockChecksum(past));
    past.push_back(0x06);
    b.link.deliver(past);
    EXPECT_EQ(b.session->readStep(), 69);
    EXPECT_TRUE(b.timer.active());
    b.run();
    EXPECT_TRUE(b.session->lastSucceeded());
}

TEST(LinkSession, HandshakeWaitsForTheViewToLoad) {
    LinkBench b;
    b.view.loadAtOnce = false;
    b.prompter.answers = {PromptAnswer::Ok, PromptAnswer::Ok};
    EXPECT_EQ(b.session->startRead(), LinkStartResult::Started);
    EXPECT_TRUE(b.session->running());
    EXPECT_EQ(b.session->readStep(), 0);
    EXPECT_TRUE(b.link.written.empty());
    EXPECT_EQ(b.session->startWrite(), LinkStartResult::Busy);
    b.view.pendingLoad();
    EXPECT_EQ(b.link.framesWritten(), std::vector<LinkBytes>{handshakeRequest().bytes});
    b.run();
    EXPECT_TRUE(b.session->lastSucceeded());

    LinkBench cancelled;
    cancelled.view.loadAtOnce = false;
    cancelled.prompter.answers = {PromptAnswer::Ok};
    cancelled.session->startRead();
    cancelled.session->cancel();
    cancelled.view.pendingLoad();  // a load after the end starts nothing
    EXPECT_TRUE(cancelled.link.written.empty());
    expectIdle(cancelled);
}

TEST(LinkWrite, WholeWriteSendsTheEncodedDocumentOverTheFill) {
    LinkBench b;
    b.ws->current.appendChannel(0, 3, 5, "27.105");
    b.ws->fileName = "mine.dat";
    b.ws->untitled = false;
    for (std::uint32_t i = 0; i < RadioImage::kSize; ++i) b.ws->image.set(i, 0x33);
    auto expected = std::make_unique<Workspace>(*b.ws);
    expected->image.preTransferFill();
    encodeDocument(*expected);
    b.prompter.answers = {PromptAnswer::Ok, PromptAnswer::Ok};

    EXPECT_EQ(b.session->startWrite(), LinkStartResult::Started);
    EXPECT_EQ(b.session->writeStep(), 1);
    EXPECT_EQ(b.session->readStep(), 0);
    b.run();

    EXPECT_EQ(b.link.framesWritten(), wholeExchange(&expected->image));
    EXPECT_TRUE(std::equal(b.radio.memory.begin(), b.radio.memory.end(), expected->image.bytes().begin()));
    int dataFrames = 0;
    for (const auto& w : b.link.written) {
        if (w.bytes[0] != 'W') continue;
        ++dataFrames;
        ASSERT_EQ(w.bytes.size(), 22u);
        const unsigned sum = std::accumulate(w.bytes.begin() + 1, w.bytes.begin() + 20, 0u);
        ASSERT_EQ(w.bytes[20], sum % 256);
        ASSERT_EQ(w.bytes[21], 0x06);
        ASSERT_EQ(w.threshold, 1u);
        ASSERT_TRUE(w.armed);
    }
    EXPECT_EQ(dataFrames, 1484);
    EXPECT_EQ(b.view.opened, std::vector<CommOperation>{CommOperation::Write});
    EXPECT_EQ(b.view.values, oneTo(100));
    EXPECT_EQ(b.prompter.texts(), (std::vector<std::string>{kConfirmWrite, kWriteCompleted}));
    EXPECT_TRUE(b.hooks.events.empty()) << "a write decodes nothing";
    EXPECT_EQ(b.ws->fileName, "mine.dat");
    EXPECT_FALSE(b.ws->untitled);
    EXPECT_TRUE(b.session->lastSucceeded());
    expectIdle(b);
}

TEST(LinkWrite, MissingAcknowledgementAt8000AsksAndOkWritesAgainWithoutReencoding) {
    LinkBench b;
    b.prompter.whileOpen = [&](const ScriptedPrompter::Asked& asked) {
        if (asked.text == kCheckConnection) b.ws->image.set(100, 0xAB);
    };
    auto dropped = std::make_shared<bool>(false);
    b.radio.fault = [dropped](const LinkBytes& sent, std::optional<LinkBytes> reply) -> std::optional<LinkBytes> {
        if (sent.size() == 22 && sent[1] * 256 + sent[2] == 8000 && !*dropped) {
            *dropped = true;
            return std::nullopt;
        }
        return reply;
    };
    b.prompter.answers = {PromptAnswer::Ok, PromptAnswer::Ok, PromptAnswer::Ok};
    b.session->startWrite();
    b.run();

    ASSERT_EQ(b.prompter.texts(), (std::vector<std::string>{kConfirmWrite, kCheckConnection, kWriteCompleted}));
    EXPECT_EQ(b.prompter.asked[1].icon, MessageIcon::Question);
    const std::vector<LinkBytes> frames = b.link.framesWritten();
    const std::size_t at8000 = 2 + 8000 / 16;
    ASSERT_GT(frames.size(), at8000 + 3);
    EXPECT_EQ(frames[at8000 + 1], handshakeRequest().bytes);
    EXPECT_EQ(frames[at8000 + 2], identificationRequest().bytes);
    EXPECT_EQ(frames[at8000 + 3][1] * 256 + frames[at8000 + 3][2], 0);
    EXPECT_EQ(b.radio.memory[100], 0xAB) << "the image was not encoded again";
    EXPECT_EQ(countFrames(b, endRequest().bytes), 1);
    // Shown before each frame: 8000 is 33.7%, so 34 was the last before the prompt.
    EXPECT_EQ(b.view.values, concat(concat(oneTo(34), {0}), oneTo(100)));
    EXPECT_TRUE(b.session->lastSucceeded());
}

// Verify after write: the whole write, then the whole memory read back and compared.
TEST(LinkVerify, WriteThatReadsBackAsWrittenIsVerified) {
    LinkBench b;
    loadRadioWithPattern(b);
    b.ws->current.appendChannel(0, 3, 5, "27.105");
    auto expected = std::make_unique<Workspace>(*b.ws);
    expected->image.preTransferFill();
    encodeDocument(*expected);
    b.prompter.answers = {PromptAnswer::Ok, PromptAnswer::Ok, PromptAnswer::Ok};

    EXPECT_EQ(b.session->startWrite(WriteVerify::On), LinkStartResult::Started);
    b.run();

    std::vector<LinkBytes> frames = wholeExchange(&expected->image);
    const std::vector<LinkBytes> readBack = wholeExchange(nullptr);
    frames.insert(frames.end(), readBack.begin(), readBack.end());
    EXPECT_EQ(b.link.framesWritten(), frames);
    EXPECT_EQ(b.view.opened, std::vector<CommOperation>{CommOperation::Write});
    EXPECT_EQ(b.view.passes, std::vector<CommOperation>{CommOperation::Verify});
    EXPECT_EQ(b.view.values, concat(concat(oneTo(100), {0}), oneTo(100)));
    EXPECT_EQ(b.view.closes, 1);
    EXPECT_EQ(b.link.closes, 1) << "one port session for both passes";
    EXPECT_EQ(b.prompter.texts(), (std::vector<std::string>{kConfirmWrite, "Write completed and verified."}))
        << "one message says both";
    EXPECT_EQ(b.session->verifyOutcome(), VerifyOutcome::Verified);
    EXPECT_TRUE(b.session->differingBlocks().empty());
    EXPECT_TRUE(b.session->lastSucceeded());
    EXPECT_EQ(b.ws->image, expected->image) << "the read-back leaves the written image as it was";
    EXPECT_TRUE(b.hooks.events.empty()) << "the read-back decodes nothing";
    expectIdle(b);
}

// A radio that acknowledges every frame but keeps its old bytes in some blocks.
TEST(LinkVerify, BlocksThatKeptTheirOldBytesAreNamed) {
    struct Case {
        std::vector<int> stuck;
        const char* message;
    };
    const Case cases[] = {
        {{16400},
         "Verify failed: 1 of 1484 blocks read back from the radio differ from what was written. Addresses: 16400 "
         "(0x4010)"},
        {{0, 16, 32, 48, 64, 80, 96, 112, 23728},
         "Verify failed: 9 of 1484 blocks read back from the radio differ from what was written. Addresses: 0 "
         "(0x0000), 16 (0x0010), 32 (0x0020), 48 (0x0030), 64 (0x0040), 80 (0x0050), 96 (0x0060), 112 (0x0070), ..."},
    };
    for (const Case& c : cases) {
        LinkBench b;
        loadRadioWithPattern(b);
        const std::vector<std::uint8_t> before = b.radio.memory;
        b.radio.fault = [&b, &c, before](const LinkBytes& sent, std::optional<LinkBytes> reply) {
            if (sent.size() == 22 && sent[0] == 'W') {
                const int address = sent[1] * 256 + sent[2];
                if (std::find(c.stuck.begin(), c.stuck.end(), address) != c.stuck.end())
                    std::copy_n(before.begin() + address, 16, b.radio.memory.begin() + address);
            }
            return reply;
        };
        b.prompter.answers = {PromptAnswer::Ok, PromptAnswer::Ok, PromptAnswer::Ok};
        b.session->startWrite(WriteVerify::On);
        b.run();

        ASSERT_EQ(b.prompter.texts(),
                  (std::vector<std::string>{kConfirmWrite, std::string(kWriteCompleted) + "\r\n" + c.message}));
        EXPECT_EQ(b.prompter.asked.back().icon, MessageIcon::Error);
        EXPECT_EQ(b.session->verifyOutcome(), VerifyOutcome::Differs);
        EXPECT_EQ(b.session->differingBlocks(), c.stuck);
        EXPECT_FALSE(b.session->lastSucceeded());
        expectIdle(b);
    }
}

TEST(LinkVerify, RadioThatDoesNotAnswerAfterTheWriteIsNotVerified) {
    LinkBench b;
    auto writeEnded = std::make_shared<bool>(false);
    b.radio.fault = [writeEnded](const LinkBytes& sent, std::optional<LinkBytes> reply) -> std::optional<LinkBytes> {
        if (*writeEnded) return std::nullopt;
        if (sent == endRequest().bytes) *writeEnded = true;
        return reply;
    };
    b.prompter.answers = {PromptAnswer::Ok, PromptAnswer::Cancel, PromptAnswer::Ok, PromptAnswer::Ok};
    b.session->startWrite(WriteVerify::On);
    b.run();

    EXPECT_EQ(b.prompter.texts(),
              (std::vector<std::string>{kConfirmWrite, kCheckConnection,
                                        std::string(kWriteCompleted) +
                                            "\r\nVerify failed: the radio could not be read back after the write, "
                                            "so the write is not verified."}));
    EXPECT_EQ(countFrames(b, handshakeRequest().bytes), 3) << "the write's, then the read-back's and its resend";
    EXPECT_EQ(b.session->verifyOutcome(), VerifyOutcome::Unreadable);
    EXPECT_FALSE(b.session->lastSucceeded());
    expectIdle(b);
}

TEST(LinkVerify, NothingIsReadBackUnlessAskedOrAfterAFailedWrite) {
    LinkBench plain;
    plain.prompter.answers = {PromptAnswer::Ok, PromptAnswer::Ok};
    plain.session->startWrite();
    plain.run();
    EXPECT_EQ(countFrames(plain, handshakeRequest().bytes), 1);
    EXPECT_EQ(plain.session->verifyOutcome(), VerifyOutcome::NotRun);
    EXPECT_TRUE(plain.view.passes.empty());

    LinkBench cancelled;
    cancelled.radio.fault = [](const LinkBytes& sent, std::optional<LinkBytes> reply) -> std::optional<LinkBytes> {
        return sent.size() == 22 ? std::nullopt : reply;
    };
    cancelled.prompter.answers = {PromptAnswer::Ok, PromptAnswer::Cancel};
    cancelled.session->startWrite(WriteVerify::On);
    cancelled.run();
    EXPECT_EQ(cancelled.prompter.texts(), (std::vector<std::string>{kConfirmWrite, kCheckConnection}));
    EXPECT_EQ(cancelled.session->verifyOutcome(), VerifyOutcome::NotRun);
    EXPECT_FALSE(cancelled.session->lastSucceeded());
    expectIdle(cancelled);
}

TEST(LinkVerify, DifferingBlocksComparesTheTransferredRangeOnly) {
    RadioImage written, readBack;
    written.preTransferFill();
    readBack.preTransferFill();
    EXPECT_TRUE(differingBlocks(written, readBack).empty());
    readBack.set(RadioImage::kTransferSize, 0x12);  // the byte that never goes over the link
    EXPECT_TRUE(differingBlocks(written, readBack).empty());
    readBack.set(31, 0x77);
    readBack.set(23743, 0x77);
    EXPECT_EQ(differingBlocks(written, readBack), (std::vector<int>{16, 23728}));
}

TEST(LinkLog, SilentRadioLeavesOneLinePerHandshake) {
    LinkBench b;
    b.link.onWrite = nullptr;
    b.prompter.answers = {PromptAnswer::Ok, PromptAnswer::Cancel};
    b.session->startRead();
    b.run();
    const linktest::RecordingLog::Line handshake{kLogTitleSent, "50 52 4F 47 52 41 4D"};
    EXPECT_EQ(b.log.lines, (std::vector<linktest::RecordingLog::Line>{handshake, handshake}));
}

TEST(LinkLog, EveryFrameAndReplyIsLoggedRejectedOnesToo) {
    LinkBench b;
    loadRadioWithPattern(b);
    b.prompter.answers = {PromptAnswer::Ok, PromptAnswer::Ok};
    b.session->startRead();
    b.link.deliver({0x4C, 0x42});  // rejected
    EXPECT_EQ(b.log.lines.back().title, kLogTitleReceived);
    EXPECT_EQ(b.log.lines.back().text, "4C 42");
    b.run();

    // 1,487 frames and their replies, plus the rejected one.
    ASSERT_EQ(b.log.lines.size(), 2 * b.link.written.size() + 1);
    EXPECT_EQ(b.log.lines[0].text, "50 52 4F 47 52 41 4D");
    EXPECT_EQ(b.log.lines[2].text, "4C 42 6");
    EXPECT_EQ(b.log.lines[3].text, "2");
    EXPECT_EQ(b.log.lines[5].text, "52 0 0 10");
    EXPECT_EQ(b.log.lines[b.log.lines.size() - 2], (linktest::RecordingLog::Line{kLogTitleSent, "45 4E 44"}));
    EXPECT_EQ(b.log.lines.back(), (linktest::RecordingLog::Line{kLogTitleReceived, "6"}));
    int dataReplies = 0;
    for (const auto& line : b.log.lines) {
        if (line.title != kLogTitleReceived || line.text.rfind("57 ", 0) != 0) continue;
        ++dataReplies;
        std::istringstream in(line.text);
        std::vector<std::string> numbers;
        for (std::string n; in >> n;) numbers.push_back(n);
        ASSERT_EQ(numbers.size(), 22u) << line.text;
        ASSERT_EQ(line.text.find("  "), std::string::npos);
        ASSERT_NE(line.text.back(), ' ');
    }
    EXPECT_EQ(dataReplies, 1484);
}

// With the real log: the lines of a reply and of the request that answers it reach the file
// after that request has gone, in their order, and everything is in the file before any box.
TEST(LinkLog, LinesFollowTheRequestOutAndPrecedeEveryBox) {
    test::TempDir dir;
    test::FakeClock clock;
    DailyLog log(dir.path().string(), clock);
    LinkBench b(&log);
    loadRadioWithPattern(b);
    const std::string file = log.pathForToday();
    std::size_t counted = 0;  // lines counted so far, up to `offset`
    std::uintmax_t offset = 0;
    const auto linesInFile = [&] {
        std::ifstream in(file, std::ios::binary);
        if (!in) return counted;
        in.seekg(static_cast<std::streamoff>(offset));
        for (char c; in.get(c); ++offset) counted += c == '\n' ? 1 : 0;
        return counted;
    };
    std::vector<std::size_t> atWrite;
    const auto radioSide = b.link.onWrite;
    b.link.onWrite = [&](const LinkBytes& frame) {
        atWrite.push_back(linesInFile());
        radioSide(frame);
    };
    std::vector<std::size_t> atBox;
    b.prompter.whileOpen = [&](const ScriptedPrompter::Asked&) { atBox.push_back(linesInFile()); };
    b.prompter.answers = {PromptAnswer::Ok, PromptAnswer::Ok};
    b.session->startRead();
    b.run();

    ASSERT_EQ(b.link.written.size(), 1487u);
    // Frame k (from 0) follows k replies; its own line and the reply before it come after it.
    for (std::size_t k = 1; k < atWrite.size(); ++k) ASSERT_EQ(atWrite[k], 2 * k - 1) << k;
    ASSERT_EQ(atBox.size(), 2u);
    EXPECT_EQ(atBox[0], 0u);                            // the confirmation, before any frame
    EXPECT_EQ(atBox[1], 2 * b.link.written.size());     // the completion: every line is there
    std::ifstream in(file, std::ios::binary);
    std::string first;
    std::getline(in, first);
    EXPECT_NE(first.find(std::string(kLogTitleSent) + ": 50 52 4F 47 52 41 4D\r"), std::string::npos);
    std::string second;
    std::getline(in, second);
    EXPECT_NE(second.find(std::string(kLogTitleReceived) + ": 4C 42 6\r"), std::string::npos);
}

TEST(LinkProgress, PercentageRoundsHalvesToEven) {
    struct Case {
        int address;
        int percent;
    };
    const Case cases[] = {
        {0, 0},     {118, 0},     {119, 1},     {2968, 12},  // 12.5 -> 12
        {8904, 38},                                          // 37.5 -> 38
        {11872, 50}, {16400, 69}, {23728, 100}, {23744, 100},
    };
    for (const Case& c : cases) EXPECT_EQ(transferPercentage(c.address), c.percent) << c.address;
}

}  // namespace
}  // namespace mv52
