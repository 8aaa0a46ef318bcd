#include <gtest/gtest.h>

#include <cstdint>
#include <numeric>
#include <string>
#include <vector>

#include "system/daily_log.h"
#include "data/radio_image.h"
#include "link/frames.h"

namespace mv52 {
namespace {

TEST(FrameBuild, RequestBytesAndReplyLengths) {
    struct Case {
        const char* name;
        LinkRequest request;
        LinkBytes bytes;
        std::size_t replyLength;
    };
    const Case cases[] = {
        {"handshake", handshakeRequest(), {0x50, 0x52, 0x4F, 0x47, 0x52, 0x41, 0x4D}, 3},
        {"identification", identificationRequest(), {0x02}, 16},
        {"read at 0", readRequest(0), {0x52, 0x00, 0x00, 0x10}, 22},
        {"read at 0x1234", readRequest(0x1234), {0x52, 0x12, 0x34, 0x10}, 22},
        {"read at the last block", readRequest(23728), {0x52, 0x5C, 0xB0, 0x10}, 22},
        {"end", endRequest(), {0x45, 0x4E, 0x44}, 1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.request.bytes, c.bytes) << c.name;
        EXPECT_EQ(c.request.replyLength, c.replyLength) << c.name;
    }
}

TEST(FrameBuild, LogTextsOfTheFixedRequests) {
    EXPECT_EQ(hexText(handshakeRequest().bytes), "50 52 4F 47 52 41 4D");
    EXPECT_EQ(hexText(endRequest().bytes), "45 4E 44");
    EXPECT_EQ(hexText(identificationRequest().bytes), "2");
}

TEST(FrameBuild, DataFrameOfAFilledBlockWrapsTheChecksum) {
    RadioImage image;  // every byte 0xFF
    const LinkRequest frame = dataFrame(image, 0x0010);
    // 0x00 + 0x10 + 0x10 + 16 x 0xFF = 4112 = 16 x 256 + 0x10
    const LinkBytes expected{0x57, 0x00, 0x10, 0x10,                                                  //
                             0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,  //
                             0xFF, 0xFF, 0xFF, 0xFF,                                                  //
                             0x10, 0x06};
    EXPECT_EQ(frame.bytes, expected);
    EXPECT_EQ(frame.replyLength, 1u);
}

TEST(FrameBuild, DataFrameCarriesTheImageBlockAndTheSumOfBytesOneToNineteen) {
    RadioImage image;
    for (std::uint32_t i = 0; i < RadioImage::kTransferSize; ++i)
        image.set(i, static_cast<std::uint8_t>((i * 31 + i / 256 + 7) & 0xFF));
    for (std::uint16_t address : {std::uint16_t{0}, std::uint16_t{16400}, std::uint16_t{23728}}) {
        const LinkBytes f = dataFrame(image, address).bytes;
        ASSERT_EQ(f.size(), 22u);
        EXPECT_EQ(f[0], 'W');
        EXPECT_EQ(f[1] * 256 + f[2], address);
        EXPECT_EQ(f[3], 16);
        for (std::uint32_t i = 0; i < 16; ++i) EXPECT_EQ(f[4 + i], image.at(address + i)) << address;
        const unsigned sum = std::accumulate(f.begin() + 1, f.begin() + 20, 0u);
        EXPECT_EQ(f[20], sum % 256) << address;
        EXPECT_EQ(f[21], 0x06);
    }
}

TEST(FrameChecksum, SumsAddressLengthAndDataOnly) {
    // 'W', address 0, length 16, data 1..16: 0 + 0 + 16 + 136 = 152.
    LinkBytes frame{0x57, 0x00, 0x00, 0x10};
    for (std::uint8_t b = 1; b <= 16; ++b) frame.push_back(b);
    frame.push_back(0xEE);  // whatever the checksum byte holds is not summed
    frame.push_back(0x06);
    EXPECT_EQ(blockChecksum(frame), 0x98);
    const LinkBytes wraps{0xFF, 0xFF, 0x03};
    EXPECT_EQ(checksum(wraps), 0x01);  // 513 mod 256
}

// A well-formed data reply for `address`, data bytes 1..16.
LinkBytes dataReply(int address) {
    LinkBytes r{0x57, static_cast<std::uint8_t>(address >> 8), static_cast<std::uint8_t>(address & 0xFF), 0x10};
    for (std::uint8_t b = 1; b <= 16; ++b) r.push_back(b);
    r.push_back(blockChecksum(r));
    r.push_back(0x06);
    return r;
}

LinkBytes identification(std::string_view field) {
    LinkBytes r(16, 0x20);
    r[0] = 'I';
    for (std::size_t i = 0; i < field.size() && i < 15; ++i) r[1 + i] = static_cast<std::uint8_t>(field[i]);
    return r;
}

TEST(FrameReply, ClassificationOfReceivedBytes) {
    LinkBytes badSum = dataReply(16);
    badSum[20] = static_cast<std::uint8_t>(badSum[20] + 1);
    LinkBytes shortBlock{0x57, 0x00, 0x10, 0x08, 1, 2, 3, 4, 5, 6, 7, 8, 0, 0x06};
    shortBlock[12] = blockChecksum(shortBlock);
    LinkBytes badTrailer = dataReply(16);
    badTrailer.back() = 0x07;
    LinkBytes missingByte = dataReply(16);
    missingByte.erase(missingByte.begin() + 5);
    LinkBytes notW = dataReply(16);
    notW[0] = 'R';
    LinkBytes wrongMark = identification("LB2424P V200");
    wrongMark[0] = 'J';
    LinkBytes shortIdentification = identification("LB2424P V200");
    shortIdentification.pop_back();

    struct Case {
        const char* name;
        LinkBytes bytes;
        int currentAddress;
        ReplyKind kind;
    };
    const Case cases[] = {
        {"acknowledgement", {0x06}, 16, ReplyKind::Acknowledgement},
        {"handshake reply", {0x4C, 0x42, 0x06}, 16, ReplyKind::HandshakeReply},
        {"identification", identification("LB2424P V200"), 16, ReplyKind::Identification},
        {"data reply", dataReply(16), 16, ReplyKind::DataBlock},
        {"data reply at the last block", dataReply(23728), 23728, ReplyKind::DataBlock},
        {"empty", {}, 16, ReplyKind::Rejected},
        {"two acknowledgements", {0x06, 0x06}, 16, ReplyKind::Rejected},
        {"LB without 06", {0x4C, 0x42}, 16, ReplyKind::Rejected},
        {"LB with another end", {0x4C, 0x42, 0x07}, 16, ReplyKind::Rejected},
        {"identification one byte short", shortIdentification, 16, ReplyKind::Rejected},
        {"identification with another mark", wrongMark, 16, ReplyKind::Rejected},
        {"checksum off by one", badSum, 16, ReplyKind::Rejected},
        {"reply for another address", dataReply(16), 32, ReplyKind::Rejected},
        {"length byte 8", shortBlock, 16, ReplyKind::Rejected},
        {"one data byte missing", missingByte, 16, ReplyKind::Rejected},
        {"trailer not 06", badTrailer, 16, ReplyKind::Rejected},
        {"only the header", {0x57, 0x00, 0x10}, 16, ReplyKind::Rejected},
        {"read command echoed", notW, 16, ReplyKind::Rejected},
    };
    for (const Case& c : cases) EXPECT_EQ(classifyReply(c.bytes, c.currentAddress).kind, c.kind) << c.name;
}

TEST(FrameReply, DataReplyHandsOverItsSixteenDataBytes) {
    const LinkReply reply = classifyReply(dataReply(0x4010), 0x4010);
    ASSERT_EQ(reply.kind, ReplyKind::DataBlock);
    LinkBytes expected(16);
    std::iota(expected.begin(), expected.end(), std::uint8_t{1});
    EXPECT_EQ(reply.data, expected);
}

TEST(FrameReply, IdentificationTextsFromTheirFields) {
    struct Case {
        const char* name;
        std::string field;  // bytes 1 to 15
        const char* model;
        const char* firmware;
    };
    const Case cases[] = {
        {"plain", "LB2424P V200   ", "LB2424P", "V200"},
        {"NUL padded", std::string("LB24\0\0\0", 7) + "XV201" + "abc", "LB24", "V201"},
        {"space padded", std::string("LB24   \0V200\0\0\0", 15), "LB24", "V200"},
        {"cut at the first NUL", std::string("LB2\0 XY", 7) + " V199", "LB2", "V199"},
        {"spaces before a NUL stay", std::string("LB \0   ", 7) + " V200", "LB ", "V200"},
    };
    for (const Case& c : cases) {
        const LinkReply reply = classifyReply(identification(c.field), 0);
        ASSERT_EQ(reply.kind, ReplyKind::Identification) << c.name;
        EXPECT_EQ(reply.model, c.model) << c.name;
        EXPECT_EQ(reply.firmware, c.firmware) << c.name;
    }
}

TEST(FrameReply, ModelTextCleanUp) {
    EXPECT_EQ(normalizeModelText("LB2424P"), "LB2424P");
    EXPECT_EQ(normalizeModelText("LB2424P   "), "LB2424P");
    EXPECT_EQ(normalizeModelText(std::string_view("LB2424\0P", 8)), "LB2424");
    EXPECT_EQ(normalizeModelText("   "), "");
    EXPECT_EQ(normalizeModelText(""), "");
}

}  // namespace
}  // namespace mv52
