#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "radio_protocol.h"

namespace mv52::sim {
namespace {

using Bytes = std::vector<std::uint8_t>;
using Clock = RadioProtocol::Clock;
using std::chrono::milliseconds;

const Clock::time_point t0{};

Bytes text(std::string_view s) { return Bytes(s.begin(), s.end()); }

Bytes patternMemory() {
    Bytes m(kMemorySize);
    for (std::size_t i = 0; i < m.size(); ++i) m[i] = static_cast<std::uint8_t>((i * 7 + i / 256) & 0xFF);
    return m;
}

std::uint8_t sumOfBytes1To19(const Bytes& frame) {
    unsigned sum = 0;
    for (std::size_t i = 1; i <= 19; ++i) sum += frame[i];
    return static_cast<std::uint8_t>(sum % 256);
}

Bytes readRequest(std::uint16_t address) {
    return {'R', static_cast<std::uint8_t>(address >> 8), static_cast<std::uint8_t>(address & 0xFF), 16};
}

Bytes dataFrame(std::uint16_t address, std::uint8_t firstValue) {
    Bytes f{'W', static_cast<std::uint8_t>(address >> 8), static_cast<std::uint8_t>(address & 0xFF), 16};
    for (std::uint8_t i = 0; i < 16; ++i) f.push_back(static_cast<std::uint8_t>(firstValue + i * 3));
    f.push_back(sumOfBytes1To19(f));
    f.push_back(0x06);
    return f;
}

// Every reply produced by feeding `bytes` at once, concatenated.
Bytes repliesTo(RadioProtocol& radio, const Bytes& bytes, Clock::time_point at = t0) {
    Bytes out;
    for (const Exchange& ex : radio.receive(bytes, at)) out.insert(out.end(), ex.reply.begin(), ex.reply.end());
    return out;
}

RadioProtocol makeRadio(Faults faults = {}, Identity identity = {}) {
    return RadioProtocol(std::move(identity), std::move(faults), patternMemory());
}

TEST(RadioSimProtocol, HandshakeGetsLBAndAck) {
    auto radio = makeRadio();
    const auto exchanges = radio.receive(text("PROGRAM"), t0);
    ASSERT_EQ(exchanges.size(), 1u);
    EXPECT_EQ(exchanges[0].kind, FrameKind::Handshake);
    EXPECT_EQ(exchanges[0].reply, (Bytes{0x4C, 0x42, 0x06}));
    EXPECT_FALSE(exchanges[0].faulted);
}

TEST(RadioSimProtocol, EndGetsAck) {
    auto radio = makeRadio();
    const auto exchanges = radio.receive(Bytes{0x45, 0x4E, 0x44}, t0);
    ASSERT_EQ(exchanges.size(), 1u);
    EXPECT_EQ(exchanges[0].kind, FrameKind::End);
    EXPECT_EQ(exchanges[0].reply, Bytes{0x06});
}

TEST(RadioSimProtocol, IdentificationReplyLayout) {
    struct Case {
        std::string model, firmware;
        Bytes modelField, firmwareField;  // the 7 and 4 bytes on the wire
    };
    const std::vector<Case> cases = {
        {"LB2424P", "V200", text("LB2424P"), text("V200")},
        {"LB2424X", "V201", text("LB2424X"), text("V201")},
        {"LB24", "V2", text("LB24   "), text("V2  ")},
        {"", "", text("       "), text("    ")},
    };
    for (const Case& c : cases) {
        auto radio = makeRadio({}, Identity{c.model, c.firmware});
        Bytes expected{0x49};
        expected.insert(expected.end(), c.modelField.begin(), c.modelField.end());
        expected.push_back(0x00);
        expected.insert(expected.end(), c.firmwareField.begin(), c.firmwareField.end());
        expected.insert(expected.end(), {0x00, 0x00, 0x00});
        ASSERT_EQ(expected.size(), 16u);
        EXPECT_EQ(repliesTo(radio, Bytes{0x02}), expected) << c.model;
    }
}

TEST(RadioSimProtocol, OverlongIdentityIsRejected) {
    EXPECT_THROW(makeRadio({}, Identity{"LB2424PX", "V200"}), std::invalid_argument);
    EXPECT_THROW(makeRadio({}, Identity{"LB2424P", "V2000"}), std::invalid_argument);
    EXPECT_THROW(RadioProtocol({}, {}, Bytes(kMemorySize - 1)), std::invalid_argument);
}

TEST(RadioSimProtocol, ChecksumIsTheSumOfBytes1To19) {
    struct Case {
        std::uint16_t address;
        std::uint8_t fill;
        std::uint8_t checksum;  // worked out by hand
    };
    const std::vector<Case> cases = {
        {0x0000, 0x00, 0x10},  // only the length byte
        {0x0010, 0x01, 0x30},  // 0x10 + 0x10 + 16 x 1
        {0x5CB0, 0xFF, 0x0C},  // 0x5C + 0xB0 + 0x10 + 16 x 0xFF = 0x110C
    };
    for (const Case& c : cases) {
        Bytes frame{'W', static_cast<std::uint8_t>(c.address >> 8), static_cast<std::uint8_t>(c.address & 0xFF), 16};
        frame.insert(frame.end(), 16, c.fill);
        frame.insert(frame.end(), {0x00, 0x06});
        EXPECT_EQ(blockChecksum(frame), c.checksum) << c.address;
    }
}

TEST(RadioSimProtocol, ReadRequestGetsTheMemoryBlock) {
    const Bytes memory = patternMemory();
    for (std::uint16_t address : {std::uint16_t{0}, std::uint16_t{16}, std::uint16_t{16400}, std::uint16_t{0x1235},
                                  kLastBlockAddress}) {
        auto radio = makeRadio();
        const auto exchanges = radio.receive(readRequest(address), t0);
        ASSERT_EQ(exchanges.size(), 1u);
        EXPECT_EQ(exchanges[0].kind, FrameKind::Read);
        EXPECT_EQ(exchanges[0].address, address);
        const Bytes& reply = exchanges[0].reply;
        ASSERT_EQ(reply.size(), 22u);
        EXPECT_EQ(reply[0], 0x57);
        EXPECT_EQ(reply[1], address >> 8);
        EXPECT_EQ(reply[2], address & 0xFF);
        EXPECT_EQ(reply[3], 16);
        EXPECT_EQ(Bytes(reply.begin() + 4, reply.begin() + 20), Bytes(memory.begin() + address, memory.begin() + address + 16));
        EXPECT_EQ(reply[20], sumOfBytes1To19(reply));
        EXPECT_EQ(reply[21], 0x06);
    }
}

TEST(RadioSimProtocol, DataFrameStoresItsBytesAndGetsAck) {
    for (std::uint16_t address : {std::uint16_t{0}, std::uint16_t{8000}, kLastBlockAddress}) {
        auto radio = makeRadio();
        const Bytes frame = dataFrame(address, 0xA0);
        EXPECT_EQ(repliesTo(radio, frame), Bytes{0x06});
        Bytes expected = patternMemory();
        std::copy(frame.begin() + 4, frame.begin() + 20, expected.begin() + address);
        EXPECT_EQ(Bytes(radio.memory().begin(), radio.memory().end()), expected) << address;
        // And a read of the same block returns what was written.
        const Bytes reply = repliesTo(radio, readRequest(address));
        EXPECT_EQ(Bytes(reply.begin() + 4, reply.begin() + 20), Bytes(frame.begin() + 4, frame.begin() + 20));
    }
}

TEST(RadioSimProtocol, EndCommitsOnlyAfterADataFrame) {
    auto radio = makeRadio();
    EXPECT_FALSE(radio.receive(text("END"), t0).at(0).committed);
    radio.receive(dataFrame(32, 1), t0);
    EXPECT_TRUE(radio.receive(text("END"), t0).at(0).committed);
    EXPECT_FALSE(radio.receive(text("END"), t0).at(0).committed);
    radio.receive(readRequest(32), t0);
    EXPECT_FALSE(radio.receive(text("END"), t0).at(0).committed);
}

TEST(RadioSimProtocol, InvalidFramesGetNoReplyAndLeaveMemoryAlone) {
    const auto corrupt = [](Bytes f, std::size_t at, std::uint8_t value) {
        f[at] = value;
        return f;
    };
    const Bytes good = dataFrame(16, 0x40);
    struct Case {
        const char* what;
        Bytes bytes;
    };
    const std::vector<Case> cases = {
        {"checksum off by one", corrupt(good, 20, static_cast<std::uint8_t>(good[20] + 1))},
        {"data byte changed", corrupt(good, 9, static_cast<std::uint8_t>(good[9] ^ 0x01))},
        {"no trailing ack", corrupt(good, 21, 0x07)},
        {"length byte 8", corrupt(good, 3, 8)},
        {"data frame past the end", dataFrame(kLastBlockAddress + 1, 0)},
        {"data frame at 0xFFF0", dataFrame(0xFFF0, 0)},
        {"read length 8", {'R', 0x00, 0x10, 8}},
        {"read past the end", readRequest(kLastBlockAddress + 1)},
        {"read at 0x6000", readRequest(0x6000)},
        {"misspelt handshake", text("PROGRAX")},
        {"misspelt end", text("ENX")},
        {"lower case", text("program")},
    };
    for (const Case& c : cases) {
        auto radio = makeRadio();
        const auto exchanges = radio.receive(c.bytes, t0);
        for (const Exchange& ex : exchanges) {
            EXPECT_TRUE(ex.reply.empty()) << c.what << ": " << hexText(ex.reply);
            EXPECT_EQ(ex.kind, FrameKind::Garbage) << c.what;
        }
        EXPECT_EQ(Bytes(radio.memory().begin(), radio.memory().end()), patternMemory()) << c.what;
        // The radio is back in step at once: the next request gets its reply alone.
        EXPECT_EQ(repliesTo(radio, text("PROGRAM")), text("LB\x06")) << c.what;
    }
}

TEST(RadioSimProtocol, GarbageBeforeFramesIsDropped) {
    struct Case {
        const char* what;
        Bytes garbage;
    };
    const std::vector<Case> cases = {
        {"noise bytes", {0xFF, 0x00, 0x13, 0x80}},
        {"a stray P", text("P")},
        {"half a handshake", text("PROG")},
        {"a stray R and W", text("RW")},
        {"R with a bad address", {'R', 0xF0}},
        {"E then N", text("EN")},
    };
    for (const Case& c : cases) {
        auto radio = makeRadio();
        Bytes input = c.garbage;
        const Bytes frame = dataFrame(48, 7);
        input.insert(input.end(), frame.begin(), frame.end());
        const Bytes handshake = text("PROGRAM");
        input.insert(input.end(), handshake.begin(), handshake.end());
        const auto exchanges = radio.receive(input, t0);
        ASSERT_EQ(exchanges.size(), 3u) << c.what;
        EXPECT_EQ(exchanges[0].kind, FrameKind::Garbage) << c.what;
        EXPECT_EQ(exchanges[0].bytes, c.garbage) << c.what;
        EXPECT_EQ(exchanges[1].kind, FrameKind::Write) << c.what;
        EXPECT_EQ(exchanges[1].reply, Bytes{0x06}) << c.what;
        EXPECT_EQ(exchanges[2].reply, text("LB\x06")) << c.what;
        EXPECT_EQ(radio.memory()[48], frame[4]) << c.what;
        EXPECT_EQ(radio.pending(), 0u) << c.what;
    }
}

TEST(RadioSimProtocol, FrameSplitAcrossReadsIsAnsweredWhenComplete) {
    const std::vector<Bytes> frames = {text("PROGRAM"), {0x02}, readRequest(160), dataFrame(160, 9), text("END")};
    for (const Bytes& frame : frames) {
        for (std::size_t split : {std::size_t{1}, std::size_t{2}, std::size_t{5}}) {
            auto radio = makeRadio();
            Bytes replies;
            auto at = t0;
            for (std::size_t i = 0; i < frame.size(); i += split) {
                const Bytes piece(frame.begin() + static_cast<std::ptrdiff_t>(i),
                                  frame.begin() + static_cast<std::ptrdiff_t>(std::min(frame.size(), i + split)));
                const Bytes got = repliesTo(radio, piece, at);
                if (i + split < frame.size()) {
                    EXPECT_TRUE(got.empty()) << hexText(frame) << " before byte " << i;
                }
                replies.insert(replies.end(), got.begin(), got.end());
                at += milliseconds(30);  // slower than the line, quicker than the quiet gap
            }
            auto fresh = makeRadio();
            EXPECT_EQ(replies, repliesTo(fresh, frame)) << hexText(frame) << " in pieces of " << split;
            EXPECT_FALSE(replies.empty());
        }
    }
}

TEST(RadioSimProtocol, StalePartialFrameIsDroppedAfterTheQuietGap) {
    auto radio = makeRadio();
    EXPECT_TRUE(radio.receive(text("PROGR"), t0).empty());
    EXPECT_FALSE(radio.dropStale(t0 + kStaleGap - milliseconds(1)).has_value());
    EXPECT_EQ(radio.pending(), 5u);
    const auto stale = radio.dropStale(t0 + kStaleGap);
    ASSERT_TRUE(stale.has_value());
    EXPECT_EQ(stale->kind, FrameKind::Stale);
    EXPECT_EQ(stale->bytes, text("PROGR"));
    EXPECT_EQ(radio.pending(), 0u);

    // The same through receive(): the rest of the old frame arrives too late to complete it.
    auto late = makeRadio();
    late.receive(text("PROGR"), t0);
    const auto exchanges = late.receive(text("AM"), t0 + milliseconds(150));
    ASSERT_EQ(exchanges.size(), 2u);
    EXPECT_EQ(exchanges[0].kind, FrameKind::Stale);
    EXPECT_EQ(exchanges[1].kind, FrameKind::Garbage);
    EXPECT_TRUE(exchanges[1].reply.empty());

    // Within the gap it still completes.
    auto prompt = makeRadio();
    prompt.receive(text("PROGR"), t0);
    EXPECT_EQ(repliesTo(prompt, text("AM"), t0 + milliseconds(99)), text("LB\x06"));
}

TEST(RadioSimProtocol, EndIndexCountsInputBytesUpToTheFrame) {
    auto radio = makeRadio();
    radio.receive(text("PROGRAM"), t0);  // bytes 0-6
    Bytes input{0x99, 0x02};             // garbage 7, identification 8
    const Bytes end = text("END");       // 9-11
    input.insert(input.end(), end.begin(), end.end());
    input.insert(input.end(), {'R', 0x00});  // a partial read request, 12-13
    const auto exchanges = radio.receive(input, t0);
    ASSERT_EQ(exchanges.size(), 3u);
    EXPECT_EQ(exchanges[0].endIndex, 8u);
    EXPECT_EQ(exchanges[1].endIndex, 9u);
    EXPECT_EQ(exchanges[2].endIndex, 12u);
    EXPECT_EQ(radio.received(), 14u);
    EXPECT_EQ(radio.pending(), 2u);
    const auto rest = radio.receive(Bytes{0x20, 0x10}, t0);
    ASSERT_EQ(rest.size(), 1u);
    EXPECT_EQ(rest[0].endIndex, 16u);
    EXPECT_EQ(rest[0].address, 0x20);
}

// How many times in a row a request goes unanswered (or answered wrongly) before it is
// answered properly.
struct FaultCase {
    const char* what;
    Faults faults;
    Bytes request;
    unsigned faultedTimes;
};

TEST(RadioSimProtocol, FaultsFireTheGivenNumberOfTimes) {
    const std::vector<FaultCase> cases = {
        {"ignore 2 handshakes", Faults{.ignoreHandshakes = 2}, text("PROGRAM"), 2},
        {"ignore 1 identification", Faults{.ignoreIdents = 1}, {0x02}, 1},
        {"ignore 3 identifications", Faults{.ignoreIdents = 3}, {0x02}, 3},
        {"silent read", Faults{.silentAt = {{16400, 2}}}, readRequest(16400), 2},
        {"silent data frame", Faults{.silentAt = {{8000, 1}}}, dataFrame(8000, 5), 1},
        {"bad checksum", Faults{.badChecksum = {{16400, 2}}}, readRequest(16400), 2},
        {"no fault at another address", Faults{.badChecksum = {{16, 1}}, .silentAt = {{32, 1}}}, readRequest(48), 0},
        {"zero count", Faults{.silentAt = {{16, 0}}}, readRequest(16), 0},
    };
    for (const FaultCase& c : cases) {
        auto radio = makeRadio(c.faults);
        auto clean = makeRadio();
        const Bytes proper = repliesTo(clean, c.request);
        for (unsigned i = 0; i < c.faultedTimes + 2; ++i) {
            const auto exchanges = radio.receive(c.request, t0);
            ASSERT_EQ(exchanges.size(), 1u) << c.what;
            const bool faulted = i < c.faultedTimes;
            EXPECT_EQ(exchanges[0].faulted, faulted) << c.what << " #" << i;
            if (faulted) {
                EXPECT_NE(exchanges[0].reply, proper) << c.what << " #" << i;
            } else {
                EXPECT_EQ(exchanges[0].reply, proper) << c.what << " #" << i;
            }
        }
    }
}

TEST(RadioSimProtocol, BadChecksumIsOffByOneAndDataIntact) {
    auto radio = makeRadio(Faults{.badChecksum = {{160, 1}}});
    const Bytes reply = repliesTo(radio, readRequest(160));
    auto clean = makeRadio();
    Bytes expected = repliesTo(clean, readRequest(160));
    expected[20] = static_cast<std::uint8_t>(expected[20] + 1);
    EXPECT_EQ(reply, expected);
}

TEST(RadioSimProtocol, SilencedDataFrameIsNotStored) {
    auto radio = makeRadio(Faults{.silentAt = {{8000, 1}}});
    const Bytes frame = dataFrame(8000, 0x11);
    EXPECT_TRUE(repliesTo(radio, frame).empty());
    EXPECT_EQ(radio.memory()[8000], patternMemory()[8000]);
    EXPECT_EQ(repliesTo(radio, frame), Bytes{0x06});
    EXPECT_EQ(radio.memory()[8000], frame[4]);
}

TEST(RadioSimProtocol, DroppedWritesAreAcknowledgedButNeverStored) {
    auto radio = makeRadio(Faults{.dropWrites = {8000}});
    for (const std::uint8_t value : {std::uint8_t{0x11}, std::uint8_t{0x22}}) {
        EXPECT_EQ(repliesTo(radio, dataFrame(8000, value)), Bytes{0x06});
        EXPECT_EQ(radio.memory()[8000], patternMemory()[8000]);
    }
    EXPECT_EQ(repliesTo(radio, dataFrame(8016, 0x33)), Bytes{0x06});  // its neighbour takes the write
    EXPECT_EQ(radio.memory()[8016], 0x33);
    auto clean = makeRadio();
    EXPECT_EQ(repliesTo(radio, readRequest(8000)), repliesTo(clean, readRequest(8000)));
}

TEST(RadioSimProtocol, SilentAndBadChecksumAtOneAddressCombine) {
    auto radio = makeRadio(Faults{.badChecksum = {{64, 1}}, .silentAt = {{64, 1}}});
    auto clean = makeRadio();
    const Bytes proper = repliesTo(clean, readRequest(64));
    EXPECT_TRUE(repliesTo(radio, readRequest(64)).empty());
    const Bytes second = repliesTo(radio, readRequest(64));
    ASSERT_EQ(second.size(), 22u);
    EXPECT_EQ(second[20], static_cast<std::uint8_t>(proper[20] + 1));
    EXPECT_EQ(repliesTo(radio, readRequest(64)), proper);
}

TEST(RadioSimProtocol, NoEndAckNeverAcknowledgesButStillCommits) {
    auto radio = makeRadio(Faults{.noEndAck = true});
    radio.receive(dataFrame(0, 1), t0);
    for (int i = 0; i < 3; ++i) {
        const auto exchanges = radio.receive(text("END"), t0);
        ASSERT_EQ(exchanges.size(), 1u);
        EXPECT_TRUE(exchanges[0].reply.empty());
        EXPECT_TRUE(exchanges[0].faulted);
        EXPECT_EQ(exchanges[0].committed, i == 0);
    }
    EXPECT_EQ(repliesTo(radio, text("PROGRAM")), text("LB\x06"));
}

TEST(RadioSimProtocol, HexTextHasNoLeadingZeros) {
    EXPECT_EQ(hexText(text("PROGRAM")), "50 52 4F 47 52 41 4D");
    EXPECT_EQ(hexText(Bytes{0x45, 0x4E, 0x44}), "45 4E 44");
    EXPECT_EQ(hexText(Bytes{0x06, 0x00, 0xFF}), "6 0 FF");
    EXPECT_EQ(hexText(Bytes{}), "");
}

}  // namespace
}  // namespace mv52::sim
