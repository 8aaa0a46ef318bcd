#include <gtest/gtest.h>

#include "line_pacer.h"

namespace mv52::sim {
namespace {

using Clock = LinePacer::Clock;
using std::chrono::microseconds;
using std::chrono::milliseconds;

const Clock::time_point t0 = Clock::time_point{} + std::chrono::seconds(10);

TEST(RadioSimPacer, ByteTakesTenBitTimes) {
    struct Case {
        unsigned baud;
        long long nanoseconds;
    };
    for (const Case c : {Case{9600, 1'041'666}, Case{19200, 520'833}, Case{115200, 86'805}, Case{10, 1'000'000'000}})
        EXPECT_EQ(std::chrono::duration_cast<std::chrono::nanoseconds>(LinePacer(c.baud, milliseconds(0)).byteTime()).count(),
                  c.nanoseconds)
            << c.baud;
    // A data reply of 22 bytes at 9600 baud: about 22.9 ms.
    const auto reply = LinePacer(9600, milliseconds(0)).byteTime() * 22;
    EXPECT_GT(reply, microseconds(22'900));
    EXPECT_LT(reply, microseconds(22'950));
}

TEST(RadioSimPacer, WithoutBaudEverythingIsDueAtOnce) {
    LinePacer pacer(0, milliseconds(0));
    pacer.received(0, 4, t0);
    for (const auto due : pacer.schedule(4, 22)) EXPECT_EQ(due, t0);
}

TEST(RadioSimPacer, FixedDelayComesBeforeEveryReply) {
    for (unsigned baud : {0u, 9600u}) {
        LinePacer pacer(baud, milliseconds(250));
        const auto bt = pacer.byteTime();
        pacer.received(0, 7, t0);
        const auto due = pacer.schedule(7, 3);
        ASSERT_EQ(due.size(), 3u);
        EXPECT_EQ(due.front(), t0 + bt * 7 + milliseconds(250) + bt) << baud;
        EXPECT_EQ(due.back(), t0 + bt * 7 + milliseconds(250) + bt * 3) << baud;
    }
}

TEST(RadioSimPacer, ReplyFollowsTheRequestAtTheLineRate) {
    LinePacer pacer(9600, milliseconds(0));
    const auto bt = pacer.byteTime();
    // A read request of 4 bytes arrives at once on the pseudo-terminal...
    pacer.received(0, 4, t0);
    EXPECT_EQ(pacer.arrivedBy(4), t0 + bt * 4);
    // ...and its reply goes out one byte per byte time after the request would have arrived.
    const auto due = pacer.schedule(4, 22);
    ASSERT_EQ(due.size(), 22u);
    for (std::size_t i = 0; i < due.size(); ++i) EXPECT_EQ(due[i], t0 + bt * static_cast<long long>(4 + i + 1)) << i;
}

TEST(RadioSimPacer, RepliesQueueBehindEachOther) {
    LinePacer pacer(9600, milliseconds(0));
    const auto bt = pacer.byteTime();
    pacer.received(0, 2, t0);  // two identification requests at once
    const auto first = pacer.schedule(1, 16);
    const auto second = pacer.schedule(2, 16);
    EXPECT_EQ(first.back(), t0 + bt * 17);
    EXPECT_EQ(second.front(), first.back() + bt);
    EXPECT_EQ(second.back(), first.back() + bt * 16);
}

TEST(RadioSimPacer, InputStillOnTheWireDelaysTheNextChunk) {
    LinePacer pacer(9600, milliseconds(0));
    const auto bt = pacer.byteTime();
    pacer.received(0, 20, t0);
    // Two more bytes read 1 ms later would still have been behind the first twenty.
    pacer.received(20, 2, t0 + milliseconds(1));
    EXPECT_EQ(pacer.arrivedBy(22), t0 + bt * 22);
    // After a pause the line is idle and the next chunk starts when read.
    pacer.received(22, 3, t0 + milliseconds(500));
    EXPECT_EQ(pacer.arrivedBy(25), t0 + milliseconds(500) + bt * 3);
}

}  // namespace
}  // namespace mv52::sim
